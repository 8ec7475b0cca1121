// Starting programs and opening files for the user.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

// The path (quoted when it has a blank, so that WinExec does not split it),
// then a blank and the parameters when there are any.
std::string CommandLineOf(std::string_view path, std::string_view parameters);
// Opens the file (a program: starts it) with the parameters in the window
// state show, owned by owner: ShellExecuteEx without the shell's error box,
// then WinExec when that fails. True when one of them started it.
bool LaunchFile(HWND owner, std::string_view path, std::string_view parameters, int show);
// The shell's properties of the file.
bool OpenFileProperties(HWND owner, std::string_view path);
// Runs "regedit /s" with the quoted path of <data folder>\temp.reg when that
// file exists; true when regedit was started.
bool ImportSavedRegFile();
