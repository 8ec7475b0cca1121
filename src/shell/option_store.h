// The options held in memory from LoadOptions to SaveOptions. The monitor
// reloads them when SaveOptions raises Update.
#pragma once

#include <string_view>

// Reads every option of the settings table into memory, each with its default.
void LoadOptions();
// Writes the options back in their fixed order (which raises Update).
void SaveOptions();
// The option's value in memory (its default before LoadOptions).
long OptionValue(std::string_view name);
// Changes the value in memory; WriteOption calls it, so that SaveOptions never
// writes back a value older than one already written.
void RememberOption(std::string_view name, long value);
