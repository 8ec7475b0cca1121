// Opening programs, files and the system's text files for the user.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string_view>

#include "shell/fixed_text.h"

// The show mode stored for a delayed-start program under Delay\OpenAs in hive:
// SW_SHOWNORMAL, SW_MINIMIZE or SW_MAXIMIZE (a missing or unknown value is normal).
int DelayedShowMode(HKEY hive, std::string_view path);
// Starts a delayed-start program with the window state of its Delay\OpenAs
// value in hive; ShellExecuteEx, then WinExec when that fails. A DLL recorded
// with an applet (RUNDLL32) is started through the applet, its path and
// parameters being the applet's arguments.
bool LaunchProgram(HKEY hive, std::string_view path, std::string_view parameters, std::string_view applet = {});
// The shell's properties of the file.
bool OpenFileProperties(HWND owner, std::string_view path);
// Opens the HOSTS file in Notepad, or says that there is none.
void ViewHostsFile();
// Shows wininit.ini (9x family) with its Delete and Close buttons.
void ViewRestartCommands();
// The "Add AutoStart Program" open-file dialog; true with a path of more than 4 characters.
bool BrowseForProgram(HWND owner, char* out, size_t size);
template <size_t N>
bool BrowseForProgram(HWND owner, FixedText<N>& out) { return BrowseForProgram(owner, out.data(), N); }
// Runs "regedit /s <data folder>\temp.reg" when that file exists.
bool ImportSavedRegFile();
