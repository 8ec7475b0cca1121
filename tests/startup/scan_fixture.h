// Scratch state for the startup-scan tests: whole registry keys and win.ini
// entries put back as they were, the 64-bit flag and the shared list store.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "shell/app_state.h"
#include "shell/list_store.h"

namespace scantest {

// Snapshots a key's values (or its absence) and restores them exactly: values
// added by the test go, changed ones come back, and a key the test created is
// deleted with everything below it, up to its first missing ancestor.
class RegKeyGuard {
public:
    RegKeyGuard(HKEY root, std::string subkey) : root_(root), subkey_(std::move(subkey)) {
        HKEY key = nullptr;
        if (RegOpenKeyExA(root_, subkey_.c_str(), 0, KEY_READ, &key) == ERROR_SUCCESS) {
            existed_ = true;
            char name[16384];
            std::vector<BYTE> data(1 << 16);
            for (DWORD i = 0;; ++i) {
                DWORD nameLen = sizeof(name), dataLen = DWORD(data.size()), type = 0;
                if (RegEnumValueA(key, i, name, &nameLen, nullptr, &type, data.data(), &dataLen) != ERROR_SUCCESS)
                    break;
                saved_.push_back({std::string(name, nameLen), type, std::vector<BYTE>(data.begin(), data.begin() + dataLen)});
            }
            RegCloseKey(key);
            return;
        }
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
    ~RegKeyGuard() {
        if (!existed_) {
            ::RegDeleteTreeA(root_, created_.c_str());
            RegDeleteKeyA(root_, created_.c_str());
            return;
        }
        HKEY key = nullptr;
        // Created again when the test deleted it.
        if (RegCreateKeyExA(root_, subkey_.c_str(), 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, &key, nullptr) !=
            ERROR_SUCCESS)
            return;
        std::vector<std::string> names;
        char name[16384];
        for (DWORD i = 0;; ++i) {
            DWORD nameLen = sizeof(name);
            if (RegEnumValueA(key, i, name, &nameLen, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
            names.emplace_back(name, nameLen);
        }
        for (const std::string& n : names) RegDeleteValueA(key, n.c_str());
        for (const Saved& v : saved_)
            RegSetValueExA(key, v.name.c_str(), 0, v.type, v.data.data(), DWORD(v.data.size()));
        RegCloseKey(key);
    }
    RegKeyGuard(const RegKeyGuard&) = delete;
    RegKeyGuard& operator=(const RegKeyGuard&) = delete;

    // Writes a text value, creating the key when needed.
    void Set(const std::string& name, const std::string& text, DWORD type = REG_SZ) const {
        HKEY key = nullptr;
        if (RegCreateKeyExA(root_, subkey_.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
            ERROR_SUCCESS)
            return;
        RegSetValueExA(key, name.empty() ? nullptr : name.c_str(), 0, type,
                       reinterpret_cast<const BYTE*>(text.c_str()), DWORD(text.size() + 1));
        RegCloseKey(key);
    }
    void SetDword(const std::string& name, DWORD value) const {
        HKEY key = nullptr;
        if (RegCreateKeyExA(root_, subkey_.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
            ERROR_SUCCESS)
            return;
        RegSetValueExA(key, name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof(value));
        RegCloseKey(key);
    }
    const std::string& subkey() const { return subkey_; }

private:
    struct Saved {
        std::string name;
        DWORD type;
        std::vector<BYTE> data;
    };
    HKEY root_;
    std::string subkey_, created_;
    bool existed_ = false;
    std::vector<Saved> saved_;
};

// One entry of win.ini's [windows] section, put back (or removed) afterwards.
class WinIniGuard {
public:
    explicit WinIniGuard(std::string entry) : entry_(std::move(entry)) {
        char value[2048] = {};
        had_ = GetProfileStringA("windows", entry_.c_str(), "\x01", value, sizeof(value)) != 1 || value[0] != '\x01';
        value_ = had_ ? value : "";
    }
    ~WinIniGuard() { WriteProfileStringA("windows", entry_.c_str(), had_ ? value_.c_str() : nullptr); }
    WinIniGuard(const WinIniGuard&) = delete;
    WinIniGuard& operator=(const WinIniGuard&) = delete;
    void Set(const std::string& text) const { WriteProfileStringA("windows", entry_.c_str(), text.c_str()); }

private:
    std::string entry_, value_;
    bool had_ = false;
};

// Sets the 64-bit flag (and the registry masks with it) for one test.
class Windows64Scope {
public:
    explicit Windows64Scope(bool is64) : saved_(g_app.is64BitWindows) { SetWindows64(is64); }
    ~Windows64Scope() { SetWindows64(saved_); }
    Windows64Scope(const Windows64Scope&) = delete;
    Windows64Scope& operator=(const Windows64Scope&) = delete;

private:
    bool saved_;
};

inline std::vector<const ListRow*> RowsTitled(const std::string& title) {
    std::vector<const ListRow*> rows;
    for (int i = 0; i < ListStoreCount(); ++i)
        if (const ListRow* row = ListStoreRow(i); row && row->title.view() == title) rows.push_back(row);
    return rows;
}

inline std::vector<const ListRow*> RowsOfType(int type) {
    std::vector<const ListRow*> rows;
    for (int i = 0; i < ListStoreCount(); ++i)
        if (const ListRow* row = ListStoreRow(i); row && row->typeCode == type) rows.push_back(row);
    return rows;
}

inline bool SamePath(std::string_view a, std::string_view b) {
    return a.size() == b.size() && CompareStringA(LOCALE_SYSTEM_DEFAULT, NORM_IGNORECASE, a.data(), int(a.size()),
                                                  b.data(), int(b.size())) == CSTR_EQUAL;
}

}  // namespace scantest
