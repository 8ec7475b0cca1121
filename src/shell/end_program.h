// Ending a running program for the user: the question first, then the end,
// its history event and a repainted taskbar.
#pragma once

#include <windows.h>

#include <string_view>

// Asks (when ask is set) and ends the running program, writes its history
// event and repaints the taskbar. Returns the process id that was found, 0
// when the program is not running.
DWORD KillProgram(std::string_view path, std::string_view name, bool ask);
// The question KillProgram asks (string 707 with the name, or the path when
// the name is empty): true when the user answers Yes.
bool ConfirmKillProgram(std::string_view path, std::string_view name);
// KillProgram without the question: ends the process, waits briefly for it,
// writes the history event and repaints the taskbar. Returns the id, 0 when
// the process could not be opened.
DWORD EndProgramProcess(DWORD processId, std::string_view path, std::string_view name);
