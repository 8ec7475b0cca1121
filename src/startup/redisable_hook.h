// The scan's call into the disabling code for a program that wrote itself back
// into a Run key after the user disabled it.
#pragma once

#include <string_view>

// Disables the Run-table entry again: deletes the value from the Run key of its
// location type and keeps its command and type in the Disabled store. Never
// enables (unlike the Disable/Enable toggle). Returns true when the value is gone
// from the Run key; the scan then leaves it to the Disabled store's listing.
bool RedisableRunEntry(std::string_view name, std::string_view command, int type);
