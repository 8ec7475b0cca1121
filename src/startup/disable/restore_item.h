// Writing a startup entry back into its own location: the History's undo of a
// removal and the delayed-start list's return of a program.
#pragma once

#include <string_view>

// By type: the Run table (1 to 27; the Wow6432Node types into their own
// Wow6432Node key) title = command, never over another command of that name;
// win.ini (100, 101) appended; Startup folder (200) a new shortcut to path in
// the folder of the former shortcut (detail) or the user's Startup folder;
// shell objects (252 to 254) their value; AppInit (255) the DLL's short path
// appended; Notify (256) OldName back into DLLName. Then the command is
// recorded with its type as a change the user made. True when written.
bool RestoreItem(std::string_view title, std::string_view path, std::string_view detail, int type);

// Registers the DLL again: "regsvr32 /s" with the DLL's path, quoted.
bool ReRegisterServer(std::string_view dll);
