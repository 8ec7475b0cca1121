// Options: decimal texts under the program's Options key in HKEY_CURRENT_USER.
#pragma once

#include <string_view>

// The option's number, or fallback when it is missing or empty.
// Leading digits count; a text without digits reads 0.
long ReadOption(std::string_view name, long fallback);
// Writes the option and sets Update = "1", the monitor's signal to reload.
void WriteOption(std::string_view name, long value);
// Parses an option text as ReadOption does.
long ParseOptionText(std::string_view text);
