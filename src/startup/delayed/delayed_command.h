// A startup command taken apart for the delayed-start store and put together
// again when the program goes back to its startup location.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "base/fixed_text.h"

struct DelayedCommand {
    FixedText<MAX_PATH> path;     // the program file; for RUNDLL32 the DLL it runs
    FixedText<1024> parameters;   // what followed the file, without the separating blank
    bool applet = false;          // the DLL runs through RUNDLL32
};

// Splits a startup command into its file and parameters (ExtractStartupFile).
// A command that runs a DLL through RUNDLL32 is split after RUNDLL32.EXE, so
// that the path is the DLL and the applet is recorded instead.
DelayedCommand SplitStartupCommand(std::string_view command);

// The command that runs path with parameters: a blank between them unless the
// parameters begin with a comma (a DLL's entry point), the applet and a blank
// in front when one is given. With quotePath (a Run value), a program's full
// path is quoted, and that of a file with an entry point when it has a blank.
std::string JoinStartupCommand(std::string_view path, std::string_view parameters, std::string_view applet,
                               bool quotePath);

