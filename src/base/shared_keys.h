// Keys that 64-bit Windows shares between its registry views: the Wow6432Node
// path of such a key leads to the native key itself.
#pragma once

#include <windows.h>

// True when the key, opened through a Wow6432Node path, is in fact a key of the
// native view (its full name has no Wow6432Node in it). False when that cannot be told.
bool IsNativeKeyBehindWow64Path(HKEY key);
