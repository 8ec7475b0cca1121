// Where a startup entry lives: the location type codes and the Run table.
#pragma once

#include <windows.h>

#include <string_view>

#include "base/fixed_text.h"

// Location types beyond the Run table (types 1 to 27).
enum LocationType : int {
    kLocationWinIniLoad = 100,
    kLocationWinIniRun = 101,
    kLocationStartupFolder = 200,
    kLocationUserinit = 250,
    kLocationShell = 251,
    kLocationDelayLoad = 252,
    kLocationSharedTaskScheduler = 253,
    kLocationShellExecuteHooks = 254,
    kLocationAppInit = 255,
    kLocationNotify = 256,
    kLocationTaskScheduler = 800,
    kLocationBrowserHelper = 900,
    kLocationToolbar = 901,
};

// The Run table: per hive seven keys, giving types base + 1 to base + 7.
inline constexpr int kRunTableKeyCount = 7;
inline constexpr const char* kRunTableKeys[kRunTableKeyCount] = {
    "Run", "RunOnce", "RunOnceEx", "RunServices", "RunServicesOnce", "RunOnce\\Setup", "policies\\Explorer\\Run",
};

struct RunTableHive {
    HKEY root;
    const char* prefix;  // the keys above are relative to it
    int base;
    const char* shortName;  // the hive as location texts name it
};

inline const RunTableHive kMachineRunHive = {HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion\\", 0,
                                                 "HKLM"};
inline const RunTableHive kUserRunHive = {HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\", 10,
                                              "HKCU"};
// Read by its explicit path, and only on 64-bit Windows.
inline const RunTableHive kWow64RunHive = {HKEY_LOCAL_MACHINE,
                                               "Software\\Wow6432Node\\Microsoft\\Windows\\CurrentVersion\\", 20, "HKLM"};

// The hive of a Run-table type and the key's position (0 to 6); false for other types.
bool RunTableLocation(int type, const RunTableHive*& hive, int& position);
bool IsRunTableType(int type);
// The registry key of a Run-table type, relative to its hive's root; false for other types.
bool RunTableKeyPath(int type, FixedText<MAX_PATH>& path);

// Types 250 to 256: read only in advanced mode, never disabled in the usual way.
inline bool IsAdvancedLocation(int type) { return type >= kLocationUserinit && type <= kLocationNotify; }
