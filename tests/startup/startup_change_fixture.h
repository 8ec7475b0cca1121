// Scratch state for the tests that disable, enable, remove and restore startup
// entries on the real registry and files of the test prefix. Every key, win.ini
// entry, folder and file such a test can touch is snapshotted and put back
// exactly afterwards; removal reports go to a local server.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "shell/app_state.h"
#include "shell/history.h"
#include "shell/list_store.h"
#include "base/registry.h"
#include "startup/disable/disabled_record.h"
#include "startup/disable/moved_shortcuts.h"
#include "startup/disable/disabled_index.h"
#include "startup/locations/location_types.h"
#include "base/raw_values.h"
#include "startup/disable/startup_change_record.h"
#include "startup/locations/system_entries.h"
#include "startup/locations/winlogon_notify.h"
#include "support/http_server.h"
#include "support/registry_fixture.h"
#include "support/test_files.h"
#include "base/windows_version.h"

namespace changetest {

inline bool IsFile(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

inline std::vector<std::string> FilesIn(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (find == INVALID_HANDLE_VALUE) return names;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.emplace_back(found.cFileName);
    } while (FindNextFileA(find, &found));
    FindClose(find);
    return names;
}

// A folder whose files (and the folder itself, when the test made it) are put
// back: files the test added are deleted, files it deleted come back.
class FolderGuard {
public:
    explicit FolderGuard(std::string folder) : folder_(std::move(folder)) {
        DWORD attributes = GetFileAttributesA(folder_.c_str());
        existed_ = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
        for (const std::string& name : FilesIn(folder_)) files_.push_back({name, ReadWholeFile(Path(name))});
    }
    ~FolderGuard() {
        for (const std::string& name : FilesIn(folder_)) {
            SetFileAttributesA(Path(name).c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileA(Path(name).c_str());
        }
        if (!existed_) {
            RemoveDirectoryA(folder_.c_str());
            return;
        }
        for (const auto& [name, content] : files_) ScratchFolder::Write(Path(name), content);
    }
    FolderGuard(const FolderGuard&) = delete;
    FolderGuard& operator=(const FolderGuard&) = delete;
    const std::string& path() const { return folder_; }

private:
    std::string Path(const std::string& name) const { return folder_ + "\\" + name; }
    std::string folder_;
    bool existed_ = false;
    std::vector<std::pair<std::string, std::string>> files_;
};

// A file's content (or its absence), put back.
class FileGuard {
public:
    explicit FileGuard(std::string path) : path_(std::move(path)), existed_(IsFile(path_)) {
        if (existed_) content_ = ReadWholeFile(path_);
    }
    ~FileGuard() {
        if (existed_) ScratchFolder::Write(path_, content_);
        else DeleteFileA(path_.c_str());
    }
    FileGuard(const FileGuard&) = delete;
    FileGuard& operator=(const FileGuard&) = delete;

private:
    std::string path_;
    bool existed_;
    std::string content_;
};

inline std::string ShellFolder(HKEY root, const char* name) {
    FixedText<MAX_PATH> folder;
    RegReadString("Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", name, root, folder);
    return std::string(folder.view());
}

inline std::string RunKeyPath(int type) {
    FixedText<MAX_PATH> path;
    RunTableKeyPath(type, path);
    return std::string(path.view());
}

inline HKEY RunRoot(int type) { return type >= 11 && type <= 17 ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE; }

// Raw registry access for the checks: the test process is 64-bit, so the
// default view is the native one the program uses.
inline std::optional<RawValue> Value(HKEY root, const std::string& subkey, const std::string& name) {
    RawValue value;
    if (!ReadRawValue(root, subkey, name, 0, value)) return std::nullopt;
    return value;
}
inline std::optional<std::string> Text(HKEY root, const std::string& subkey, const std::string& name) {
    auto value = Value(root, subkey, name);
    if (!value || !value->IsText()) return std::nullopt;
    return std::string(value->Text());
}
inline void SetText(HKEY root, const std::string& subkey, const std::string& name, const std::string& text,
                    DWORD type = REG_SZ) {
    ASSERT_TRUE(WriteRawValue(root, subkey, name, 0, RawValue::FromText(text, type))) << subkey << "\\" << name;
}
inline std::vector<std::string> ValueNames(HKEY root, const std::string& subkey) {
    std::vector<std::string> names;
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, subkey.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return names;
    char name[16384];
    for (DWORD i = 0;; ++i) {
        DWORD len = sizeof(name);
        if (RegEnumValueA(key, i, name, &len, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        names.emplace_back(name, len);
    }
    RegCloseKey(key);
    return names;
}

inline std::string StoreKey(const char* subkey = nullptr) {
    return subkey ? std::string(kDisabledStoreKey) + "\\" + subkey : std::string(kDisabledStoreKey);
}

// Every value of the Disabled store and of DisabledOrigin: empty when nothing is disabled.
inline std::vector<std::string> StoreContents() {
    std::vector<std::string> all;
    auto add = [&](const std::string& key) {
        for (const std::string& name : ValueNames(HKEY_LOCAL_MACHINE, key)) all.push_back(key + "\\" + name);
    };
    add(StoreKey());
    for (const char* subkey : kDisabledCommandKeys) add(StoreKey(subkey));
    add(StoreKey(kDisabledNotifyKey));
    add(kDisabledOriginKey);
    return all;
}

// The test's history lines (lines added since the fixture started).
struct HistoryLine {
    std::string event, type, title, command, detail;
};

class StartupChangeTest : public ::testing::Test {
protected:
    void SetUp() override {
        saved64_ = IsWindows64();
        savedAutoStart_ = g_app.monitorAutoStart;
        SetWindows64(true);  // the prefix is 64-bit Windows; Wow6432Node keys exist
        for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER})
            for (const char* key : {"Run", "RunOnce", "RunOnceEx", "RunServices", "RunServicesOnce", "policies\\Explorer\\Run"})
                Guard(root, std::string("Software\\Microsoft\\Windows\\CurrentVersion\\") + key);
        for (const char* key : {"Run", "RunOnce", "RunOnceEx", "RunServices", "RunServicesOnce", "policies\\Explorer\\Run"})
            Guard(HKEY_LOCAL_MACHINE, std::string("Software\\Wow6432Node\\Microsoft\\Windows\\CurrentVersion\\") + key);
        Guard(HKEY_LOCAL_MACHINE, "Software\\Orvik Studios");
        Guard(HKEY_CURRENT_USER, "Software\\Orvik Studios");
        Guard(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon");
        Guard(HKEY_LOCAL_MACHINE, kAppInitKey);
        for (const char* key : {kDelayLoadKey, kSharedTaskSchedulerKey, kShellExecuteHooksKey})
            Guard(HKEY_LOCAL_MACHINE, key);
        for (const char* entry : {"run", "load"}) winIni_.push_back(std::make_unique<WinIniEntryGuard>(entry));

        FixedText<MAX_PATH> disabled;
        DisabledShortcutFolder(disabled);
        disabledFolder_ = disabled.c_str();
        userStartup_ = ShellFolder(HKEY_CURRENT_USER, "Startup");
        commonStartup_ = ShellFolder(HKEY_LOCAL_MACHINE, "Common Startup");
        for (const std::string& folder : {disabledFolder_, userStartup_, commonStartup_})
            folders_.push_back(std::make_unique<FolderGuard>(folder));
        FixedText<MAX_PATH> history;
        HistoryFilePath(history);
        historyPath_ = history.c_str();
        history_ = std::make_unique<FileGuard>(historyPath_);
        DeleteFileA(historyPath_.c_str());

        // Removal reports go to a local server instead of the vendor.
        SetText(HKEY_LOCAL_MACHINE, kProgramKey, "cloudremoved", server_.BaseUrl() + "/cgi-bin/cloudremoved.pl?");
        ListStoreClear();
    }

    void TearDown() override {
        ListStoreClear();
        SetWriteFaultHook(nullptr);
        history_.reset();
        folders_.clear();
        winIni_.clear();
        guards_.clear();
        SetWindows64(saved64_);
        g_app.monitorAutoStart = savedAutoStart_;
    }

    void Guard(HKEY root, const std::string& subkey) {
        guards_.push_back(std::make_unique<testsupport::RegistryGuard>(root, subkey));
    }

    std::vector<HistoryLine> History() const {
        std::vector<HistoryLine> lines;
        std::string text = ReadWholeFile(historyPath_);
        size_t start = 0;
        while (start < text.size()) {
            size_t end = text.find("\r\n", start);
            if (end == std::string::npos) end = text.size();
            std::vector<std::string> fields;
            std::string line = text.substr(start, end - start);
            size_t from = 0;
            for (size_t tab; (tab = line.find('\t', from)) != std::string::npos; from = tab + 1)
                fields.push_back(line.substr(from, tab - from));
            fields.push_back(line.substr(from));
            fields.resize(6);
            lines.push_back({fields[1], fields[2], fields[3], fields[4], fields[5]});
            start = end + 2;
        }
        return lines;
    }

    testsupport::HttpServer server_;
    std::string disabledFolder_, userStartup_, commonStartup_, historyPath_;

private:
    bool saved64_ = false, savedAutoStart_ = false;
    std::vector<std::unique_ptr<testsupport::RegistryGuard>> guards_;
    std::vector<std::unique_ptr<WinIniEntryGuard>> winIni_;
    std::vector<std::unique_ptr<FolderGuard>> folders_;
    std::unique_ptr<FileGuard> history_;
};

}  // namespace changetest
