// The description of the service that runs a file, for the information
// dialog of running tasks and of the system-part startup entries.
#pragma once

#include <string_view>

#include "base/fixed_text.h"

// Looks for the first service whose file (its ImagePath, or its ServiceDll
// when the image path contains "svchost.exe", resolved by ExtractProgramFile)
// is the given file, compared without case. out gets that service's
// description (cut to 1023 characters); returns its length. 0 and empty when
// no service runs the file.
int FindServiceDescription(std::string_view file, FixedText<1024>& out);
