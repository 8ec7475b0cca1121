// The scan's call into the disabling code for a program that wrote itself back
// into a Run key after the user disabled it.
#pragma once

#include <string_view>

// Called for a Run value whose name is recorded in the Disabled store. When that
// entry (its title and this location type) is the one recorded, disables it
// again: the value leaves the Run key of its type and the store keeps its
// command. Never enables (unlike the Disable/Enable toggle). Returns true when
// the value is gone from the Run key; the scan then lists it from the store.
// False leaves it where it is, and the scan lists it from its Run key.
bool RedisableRunEntry(std::string_view name, std::string_view command, int type);
