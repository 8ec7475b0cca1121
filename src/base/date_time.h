// Dates and times as every list shows them, in the user's short-date and time patterns.
#pragma once

#include <windows.h>

#include <cstddef>

#include "base/fixed_text.h"

// Longest formatted date and time.
inline constexpr size_t kDateTimeMax = 24;

// Date, one blank, time (no seconds); result at most 24 characters. Returns its length.
int FormatLocalDateTime(const SYSTEMTIME& time, TextBuffer out);

// Seconds since 1970-01-01 UTC to local calendar time.
bool UnixTimeToLocal(long long seconds, SYSTEMTIME& out);
