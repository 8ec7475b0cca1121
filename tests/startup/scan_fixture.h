// Scratch state for the startup-scan tests: whole registry keys and win.ini
// entries put back as they were, the 64-bit flag and the shared list store.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "shell/app_state.h"
#include "shell/list_store.h"
#include "support/registry_fixture.h"
#include "base/windows_version.h"

namespace scantest {

using testsupport::RegistryGuard;

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
    explicit Windows64Scope(bool is64) : saved_(IsWindows64()) { SetWindows64(is64); }
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
