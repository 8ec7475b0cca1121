// The values of the delayed-start store that this program writes and the
// monitor reads: in HKEY_LOCAL_MACHINE (all users) and HKEY_CURRENT_USER (the
// current user) a family of keys whose values are all named by the program's
// file path. What moves programs in and out of it is delayed_programs.h.
#pragma once

#include <windows.h>

#include <string_view>

#include "base/fixed_text.h"

struct ListRow;

inline constexpr const char* kDelayKey = "Software\\Orvik Studios\\Sentrivox\\Delay";

// The keys of the family. Type is the Delay key itself: the location type the
// program had before it was delayed.
enum class DelayValue { Type, Time, Title, Parameters, Shortcuts, Applet, OpenAs };

// The key of one member of the family, relative to the hive.
const char* DelayKeyOf(DelayValue which);

// Row flags of a loaded delayed-start entry: the hive that holds it.
inline constexpr int kDelayHiveMachine = 0;
inline constexpr int kDelayHiveUser = 1;

// Location types given to a program added to the list by hand.
inline constexpr int kDelayAddedAllUsers = 1;
inline constexpr int kDelayAddedCurrentUser = 11;
// The delay of a program that enters the list, in seconds.
inline constexpr int kDelayDefaultSeconds = 30;
// The applet recorded for a DLL run through RUNDLL32.
inline constexpr const char* kDelayApplet = "RunDLL32.exe";

// HKEY_CURRENT_USER for a row whose flag says "current user", else HKEY_LOCAL_MACHINE.
HKEY StartupHive(int flag);
HKEY StartupHive(const ListRow& item);
int HiveFlagOf(HKEY hive);

// Reads one value of the entry named path; missing values read as empty.
// Returns the length.
int ReadDelayValue(HKEY hive, DelayValue which, std::string_view path, char* out, size_t size);
template <size_t N>
int ReadDelayValue(HKEY hive, DelayValue which, std::string_view path, FixedText<N>& out) {
    return ReadDelayValue(hive, which, path, out.data(), N);
}
bool WriteDelayValue(HKEY hive, DelayValue which, std::string_view path, std::string_view text);
bool DelayValueExists(HKEY hive, DelayValue which, std::string_view path);
// True when the value is gone afterwards.
bool RemoveDelayValue(HKEY hive, DelayValue which, std::string_view path);

// The stored delay in seconds: 0 when missing, empty or not a number.
int ReadDelaySeconds(HKEY hive, std::string_view path);

// The name under which the hive holds the entry that a list row shows as
// path (the row's path has lost quotes and took its long form). False when
// the hive has no such entry.
bool FindDelayEntryName(HKEY hive, std::string_view path, FixedText<MAX_PATH>& name);

// The delay as the list shows it: "45 Sec.", "1 Min. : 30 Sec.".
FixedText<64> DelayTimeText(int seconds);
