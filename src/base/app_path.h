// Programs registered under App Paths: how a program named without a folder is found.
#pragma once

#include <cstddef>
#include <string_view>

#include "base/fixed_text.h"

inline constexpr const char* kAppPathsKey = "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths";

// The program's full path from HKLM App Paths\<name>: its Path value joined with
// the name when the file is there, else the key's default value when that file
// exists. False (and out empty) when neither is found.
bool AppPathOf(std::string_view name, TextBuffer out);
