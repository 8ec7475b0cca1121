// The Startup page's commands on the entries selected in its list 1000. Each
// shows string 57 when nothing is selected. Those that return bool return true
// when the page must fill its list again.
#pragma once

#include <windows.h>

#include <string_view>

// Info... and Enter: the information dialog on the selected entry.
void ShowSelectedStartupInfo(HWND page);
// Double click and "PLUS Info...": the online look-up of the selected entry.
void LookUpSelectedStartup(HWND page);

// "&Add": a program chosen by the user starts with Windows (HKCU Run).
bool AddStartupProgram(HWND page);
// The same for a chosen file: titled by its description, product name or file
// name, written under a free value name of HKCU Run and recorded as added by
// the user. True when the Run value was written.
bool AddStartupProgramFile(std::string_view path);

// "&Remove": one entry after two questions (stop it when it runs, string 15),
// several without a question; Winlogon and shell-object entries go to their
// own removal.
bool RemoveSelectedStartup(HWND page);
// "&Disable" (enable false) and "&Enable" (true) for every selected entry.
bool DisableSelectedStartup(HWND page, bool enable);
// "&Move to Delayed Start Program List".
bool MoveSelectedToDelayedStart(HWND page);
// The same for the page's selected rows of list 1000, each moved in turn
// (stopping at the program's own entry); string 57 when none is selected.
void MoveToDelayedStart(HWND page);
