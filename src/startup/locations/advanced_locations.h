// The advanced ("secret") startup locations: Winlogon's Userinit and Shell, the
// shell-object keys, AppInit_DLLs and the Winlogon Notify packages (types 250 to 256).
#pragma once

#include <string_view>

#include "base/fixed_text.h"

inline constexpr const char* kWinlogonKey = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon";

// The program that a Userinit value starts besides the usual one: the text after
// its first comma (leading blanks skipped), or the text before that comma when
// nothing follows it. False when the value has no comma.
bool UserinitProgram(std::string_view value, FixedText<1024>& file);
// The same for a Shell value, split at its first blank. False when it has none.
bool ShellProgram(std::string_view value, FixedText<1024>& file);

// Appends the Userinit (250) and Shell (251) entries of Winlogon.
void ScanWinlogonLocations();
// Appends the shell-object (252 to 254), AppInit (255) and Notify (256) entries.
void ScanAdvancedLocations();
