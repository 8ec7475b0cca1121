// The history file: one line per change made here or alert raised by the
// resident monitor, appended to history.txt in the program folder. The monitor
// writes and reads the same file, so the line format is fixed:
//   time TAB event TAB type TAB title TAB command TAB detail CR LF
#pragma once

#include <windows.h>

#include <cstddef>
#include <string_view>

#include "base/fixed_text.h"

inline constexpr const char* kHistoryFileName = "history.txt";
// Sizes count the terminator. The fields are cut to what the History list
// keeps when it reads them back; the whole line never exceeds kHistoryLineMax.
inline constexpr size_t kHistoryLineMax = 1024;
inline constexpr size_t kHistoryTimeMax = 32;
inline constexpr size_t kHistoryTitleMax = 128;
inline constexpr size_t kHistoryCommandMax = 260;
inline constexpr size_t kHistoryDetailMax = 260;
// The monitor may hold the file for a moment: so many tries, this far apart.
inline constexpr int kHistoryOpenAttempts = 6;
inline constexpr DWORD kHistoryRetryDelayMs = 100;

// <program folder>\history.txt; 0 and empty when the program folder is unknown.
int HistoryFilePath(char* out, size_t size);
template <size_t N>
int HistoryFilePath(FixedText<N>& out) { return HistoryFilePath(out.data(), N); }

// "MM/DD/YYYY  h:mm AM" or "... PM"; the "never" text of the string table for a zero date.
int FormatHistoryTime(const SYSTEMTIME& time, char* out, size_t size);
template <size_t N>
int FormatHistoryTime(const SYSTEMTIME& time, FixedText<N>& out) { return FormatHistoryTime(time, out.data(), N); }

// One whole line, CR LF included. Tabs and line breaks inside a field become
// blanks and a field ends at an embedded NUL, so no field can split the line.
FixedText<kHistoryLineMax> BuildHistoryLine(const SYSTEMTIME& time, std::string_view title,
                                            std::string_view command, std::string_view detail,
                                            int itemType, int eventCode);

// Appends one line stamped with the current local time. Returns 1 when it was
// written; 0 while the option History is below 1 or when the file could not be
// opened (after a few tries) or written.
int WriteHistory(std::string_view title, std::string_view command, std::string_view detail,
                 int itemType, int eventCode);
// The same with a given time stamp.
int WriteHistory(const SYSTEMTIME& time, std::string_view title, std::string_view command,
                 std::string_view detail, int itemType, int eventCode);
