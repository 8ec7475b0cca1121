// The protected startup locations of Windows itself: the Winlogon Userinit
// and Shell values, the shell-object keys and the AppInit_DLLs list. They are
// never disabled; Userinit and Shell are reset to Windows' defaults, the
// others removed one entry at a time.
#pragma once

#include <string>
#include <string_view>

inline constexpr const char* kDelayLoadKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\ShellServiceObjectDelayLoad";
inline constexpr const char* kSharedTaskSchedulerKey =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\SharedTaskScheduler";
inline constexpr const char* kShellExecuteHooksKey =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ShellExecuteHooks";
inline constexpr const char* kAppInitKey = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Windows";
inline constexpr const char* kAppInitValue = "AppInit_DLLs";
// Windows reads at most this much of AppInit_DLLs; a longer list is left alone.
inline constexpr size_t kAppInitMax = 255;
inline constexpr const char* kDefaultShell = "Explorer.exe";

// <System folder>\Userinit.exe, with its comma.
std::string DefaultUserinit();

// Writes the default into Userinit (250) or Shell (251); previous receives
// the value it replaced. True when the value reads as the default afterwards.
bool ResetWinlogonValue(int type, std::string& previous);

// Deletes the shell object's value: 252 by its name (the title), 253 and 254
// by their class id (the detail). False when there was none.
bool RemoveShellObject(int type, std::string_view title, std::string_view classId);
// Writes it back: 252 title = class id, 253 and 254 class id = title.
bool RestoreShellObject(int type, std::string_view title, std::string_view classId);

// Drops every name of AppInit_DLLs that is the DLL (long paths compared
// without case) and writes the others back joined by ",".
bool RemoveAppInitDll(std::string_view dll);
// Appends "," and the DLL's short path (no comma to an empty list); a DLL
// already in the list is left as it is.
bool AppendAppInitDll(std::string_view dll);
