// The "Add AutoStart Program" open-file dialog of the pages that add programs.
#pragma once

#include <windows.h>

#include "base/fixed_text.h"

// True with the chosen path when it has more than 4 characters; out is empty otherwise.
bool BrowseForProgram(HWND owner, FixedText<MAX_PATH>& out);
