// Scratch registry values and files for the utility tests: each restores or
// removes what it touched when it goes out of scope.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "shell/registry.h"

// Sets (or deletes) one registry value and puts back what was there before,
// removing any keys it had to create.
class RegValueGuard {
public:
    RegValueGuard(HKEY root, std::string subkey, std::string name)
        : root_(root), subkey_(std::move(subkey)), name_(std::move(name)) {
        HKEY key = nullptr;
        if (RegOpenKeyExA(root_, subkey_.c_str(), 0, KEY_READ, &key) == ERROR_SUCCESS) {
            DWORD size = sizeof(data_);
            had_ = RegQueryValueExA(key, name_.c_str(), nullptr, &type_, data_, &size) == ERROR_SUCCESS;
            size_ = size;
            RegCloseKey(key);
        } else {
            // Remember the first missing ancestor, so that every key created for the test goes again.
            std::string path = subkey_;
            for (;;) {
                created_ = path;
                size_t slash = path.rfind('\\');
                if (slash == std::string::npos) break;
                path.resize(slash);
                if (RegOpenKeyExA(root_, path.c_str(), 0, KEY_READ, &key) == ERROR_SUCCESS) {
                    RegCloseKey(key);
                    break;
                }
            }
        }
    }
    ~RegValueGuard() {
        if (!created_.empty()) {
            ::RegDeleteTree(root_, created_);
            return;
        }
        HKEY key = nullptr;
        if (RegOpenKeyExA(root_, subkey_.c_str(), 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) return;
        if (had_) RegSetValueExA(key, name_.c_str(), 0, type_, data_, size_);
        else RegDeleteValueA(key, name_.c_str());
        RegCloseKey(key);
    }
    RegValueGuard(const RegValueGuard&) = delete;
    RegValueGuard& operator=(const RegValueGuard&) = delete;

    void Set(const std::string& text) const {
        HKEY key = nullptr;
        if (RegCreateKeyExA(root_, subkey_.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS)
            return;
        RegSetValueExA(key, name_.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()), DWORD(text.size() + 1));
        RegCloseKey(key);
    }
    void Remove() const {
        HKEY key = nullptr;
        if (RegOpenKeyExA(root_, subkey_.c_str(), 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) return;
        RegDeleteValueA(key, name_.c_str());
        RegCloseKey(key);
    }

private:
    HKEY root_;
    std::string subkey_, name_, created_;
    bool had_ = false;
    DWORD type_ = 0, size_ = 0;
    BYTE data_[4096] = {};
};

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
