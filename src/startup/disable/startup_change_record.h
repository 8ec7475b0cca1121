// The program's record of the startup changes the user made: the Run key under
// the program's key. Value name = a command line, data = a decimal code (the
// location type of an entry put back, 250 / 251 for a Winlogon default written
// back, 1 for a program added, 1103 for one moved to delayed start). The
// monitor takes these entries as approved.
#pragma once

#include <windows.h>

#include <string_view>

inline constexpr const char* kStartupChangeKey = "Software\\Orvik Studios\\Sentrivox\\Run";

// Writes command = code under root's record (HKEY_CURRENT_USER unless stated).
bool RecordStartupChange(std::string_view command, int code, HKEY root = HKEY_CURRENT_USER);
// Deletes the values named by the command and by the title from HKEY_CURRENT_USER's record,
// also in the form the approved baseline writes them ("=" as ":").
void ForgetStartupChange(std::string_view command, std::string_view title);
