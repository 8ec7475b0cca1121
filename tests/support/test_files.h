// Scratch files and folders of the tests, and the system's own folders and
// files that the tests read. Each scratch object removes what it made when it
// goes out of scope. (The registry's scratch guard is in registry_fixture.h.)
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "support/registry_fixture.h"

// A scratch folder under C:\ that is removed with everything in it.
class ScratchFolder {
public:
    explicit ScratchFolder(std::string path) : path_(std::move(path)) {
        Remove(path_);
        CreateDirectoryA(path_.c_str(), nullptr);
    }
    ~ScratchFolder() { Remove(path_); }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::string& path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "\\" + name; }

    static bool Write(const std::string& path, const std::string& content) {
        HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) return false;
        DWORD written = 0;
        bool ok = WriteFile(file, content.data(), DWORD(content.size()), &written, nullptr) && written == content.size();
        CloseHandle(file);
        return ok;
    }

    static void Remove(const std::string& path) {
        WIN32_FIND_DATAA found;
        HANDLE find = FindFirstFileA((path + "\\*").c_str(), &found);
        if (find != INVALID_HANDLE_VALUE) {
            do {
                std::string name = found.cFileName;
                if (name == "." || name == "..") continue;
                std::string child = path + "\\" + name;
                SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
                if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) Remove(child);
                else DeleteFileA(child.c_str());
            } while (FindNextFileA(find, &found));
            FindClose(find);
        }
        RemoveDirectoryA(path.c_str());
    }

private:
    std::string path_;
};

// One entry of win.ini's [windows] section, put back (or removed) afterwards.
class WinIniEntryGuard {
public:
    explicit WinIniEntryGuard(std::string entry) : entry_(std::move(entry)) {
        char value[4096] = {};
        GetProfileStringA("windows", entry_.c_str(), "\x01", value, sizeof(value));
        had_ = value[0] != '\x01';
        value_ = had_ ? value : "";
    }
    ~WinIniEntryGuard() { WriteProfileStringA("windows", entry_.c_str(), had_ ? value_.c_str() : nullptr); }
    WinIniEntryGuard(const WinIniEntryGuard&) = delete;
    WinIniEntryGuard& operator=(const WinIniEntryGuard&) = delete;
    void Set(const std::string& text) const { WriteProfileStringA("windows", entry_.c_str(), text.c_str()); }

private:
    std::string entry_, value_;
    bool had_ = false;
};

inline std::string WindowsFolderPath() {
    char folder[MAX_PATH] = {};
    GetWindowsDirectoryA(folder, MAX_PATH);
    return folder;
}

inline std::string SystemFolderPath() {
    char folder[MAX_PATH] = {};
    GetSystemDirectoryA(folder, MAX_PATH);
    return folder;
}

inline std::string Upper(std::string text) {
    CharUpperBuffA(text.data(), DWORD(text.size()));
    return text;
}

// The strings of PendingFileRenameOperations (empty ones included): the
// renames and deletions due at the next restart.
inline std::vector<std::string> PendingRenames() {
    std::vector<std::string> entries;
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "System\\CurrentControlSet\\Control\\Session Manager", 0, KEY_READ,
                      &key) != ERROR_SUCCESS)
        return entries;
    std::vector<char> data(65536);
    DWORD size = DWORD(data.size()), type = 0;
    LONG status = RegQueryValueExA(key, "PendingFileRenameOperations", nullptr, &type,
                                   reinterpret_cast<BYTE*>(data.data()), &size);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS || type != REG_MULTI_SZ) return entries;
    for (size_t i = 0; i < size;) {
        std::string entry(data.data() + i);
        i += entry.size() + 1;
        if (i >= size) break;  // the list's closing terminator
        entries.push_back(entry);
    }
    return entries;
}

// The whole content of a file; empty when it cannot be opened.
inline std::string ReadWholeFile(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                              nullptr);
    if (file == INVALID_HANDLE_VALUE) return {};
    std::string text;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof(buffer), &got, nullptr) && got > 0) text.append(buffer, got);
    CloseHandle(file);
    return text;
}
