// From a stored command line to the file that it runs.
#pragma once

#include <cstddef>
#include <string_view>

#include "base/fixed_text.h"

// Working copy of a command line after its prefix is expanded; longer lines are cut.
inline constexpr size_t kCommandWorkSize = 1024;

// The upper-cased path of the file a command line runs (quotes, arguments and
// anything before the drive letter dropped). Returns its length.
// At most MAX_PATH - 1 characters, whatever out holds.
int ExtractProgramFile(std::string_view commandLine, TextBuffer out);

// Splits a startup command line into its program file (long form, upper case)
// and the parameters that follow it, without the closing quote of a quoted
// path and without the blank that separates them. Returns the file's length.
int ExtractStartupFile(std::string_view commandLine, TextBuffer file, TextBuffer parameters);

// The long form of a short (8.3) path; the path unchanged when that is not available.
size_t LongPathOf(std::string_view path, TextBuffer out);

// True when the command line runs RUNDLL32.EXE (any case).
bool NamesRundll32(std::string_view commandLine);
