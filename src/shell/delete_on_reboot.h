// Deleting a file at the next restart of Windows.
#pragma once

#include <string_view>

// Schedules the file's deletion at the next restart (and reports the removal
// to the vendor on the NT family). False when it could not be scheduled.
bool DeleteOnReboot(std::string_view path);

// Adds "NUL=<path>" to the [rename] section of the wininit.ini file (the 9x
// family's list of deletions at restart), creating the file or the section
// when missing and keeping every line that is there. False when the file
// cannot be opened, read or written.
bool AddWininitDeletion(std::string_view iniPath, std::string_view path);
