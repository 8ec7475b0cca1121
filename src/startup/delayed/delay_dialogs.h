// The two small dialogs of the Delayed Start page: the delay options of one
// program (198) and the question whom a program added by hand starts for (199).
#pragma once

#include <windows.h>

#include <string_view>

// Dialog 198 for the delayed program named path in hive: its delay, window
// state, parameters and title. "&Apply" writes them (true when all were
// written); "Close" writes nothing (false).
bool ShowDelayOptionsDialog(HWND owner, HKEY hive, std::string_view path);

// Dialog 199: 1 for all users, 2 for the current user, 0 when cancelled
// (the values of DelayStartFor).
int AskStartupProgramType(HWND owner);

// The delay that dialog 198 stores for the texts of its minutes and seconds
// boxes: minutes x 60 + seconds; a text that is no number counts as 0.
int DelayFromBoxes(std::string_view minutes, std::string_view seconds);
