// Winlogon Notify packages (type 256): a package is disabled by moving its
// DLLName into OldName and leaving DLLName empty, so that Windows no longer
// loads the DLL.
#pragma once

#include <string_view>

struct DisabledRecord;

inline constexpr const char* kWinlogonNotifyKey = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon\\Notify";

// Records the package in the Disabled store and empties its DLLName.
bool DisableNotifyPackage(std::string_view package);
// Puts the DLL back into DLLName and deletes the record.
bool EnableNotifyPackage(const DisabledRecord& record);
// Copies OldName back into DLLName (fallback: when there is no OldName, the
// given DLL). True when DLLName holds a DLL afterwards.
bool RestoreNotifyPackage(std::string_view package, std::string_view fallbackDll);
