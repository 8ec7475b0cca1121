// Scratch state for the startup-scan tests: whole registry keys and win.ini
// entries put back as they were, the 64-bit flag and the shared list store.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "shell/app_state.h"
#include "shell/list_store.h"
#include "support/registry_fixture.h"
#include "support/test_files.h"
#include "base/windows_version.h"

namespace scantest {

using testsupport::RegistryGuard;

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
