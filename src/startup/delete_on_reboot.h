// Deleting a file at the next restart of Windows.
#pragma once

#include <string_view>

// Schedules the file's deletion at the next restart (and reports the removal
// to the vendor on the NT family). False when it could not be scheduled.
bool DeleteOnReboot(std::string_view path);
