// The delayed-start programs: taken out of the Windows startup locations and
// started by the monitor a set time after logon. Moving them in and out of the
// store (delay_values.h), listing them and adding one by hand.
//
// A program is always in one place: moving writes the store (and reads it
// back) before the entry leaves its startup location, and restoring writes
// the startup location before the store forgets the program. A step that
// fails leaves the program where it was.
#pragma once

#include <windows.h>

#include <string_view>

struct ListRow;

// Empties the shared list store and fills it from the delayed-start store of
// HKEY_LOCAL_MACHINE, then HKEY_CURRENT_USER: title, path = the program (the
// value name), detail = the shortcut it came from (type 200) or the title,
// description = the file's company, type code = the former location type,
// flag = the hive (kDelayHiveMachine, kDelayHiveUser).
void LoadDelayedList();
// Puts every delayed program of both hives back into its startup location.
void RestoreAllDelayed();
// What became of one startup entry.
enum class DelayMove {
    Moved,     // in the store, out of its location
    Skipped,   // left where it is: declined, already delayed, or a step failed
    Refused,   // a location that cannot be delayed (string 1130 shown)
    OwnEntry,  // the monitor's own entry (string 1130 shown): the command ends
};
// Moves one startup entry (a row of the startup scan) into the store. Entries
// of HKEY_LOCAL_MACHINE's Run keys ask first whether to go on (string 1120).
DelayMove MoveEntryToDelayedStart(const ListRow& entry);

// Puts one loaded delayed program back into its startup location, then
// deletes it from the store. True when it is back.
bool RestoreDelayed(const ListRow& item);
// Deletes the program's values from Delay, Time, Parameters, Shortcuts,
// Applet and Title of the hive (OpenAs stays). True when all are gone.
bool DeleteDelayValues(std::string_view path, HKEY hive);
// Deletes a loaded program from the store without putting it back.
bool ForgetDelayed(const ListRow& item);

// Who a program added by hand starts for: the answers of dialog 199.
enum DelayStartFor : int { kDelayForNobody = 0, kDelayForAllUsers = 1, kDelayForCurrentUser = 2 };
// Adds the program at path to the list of HKEY_LOCAL_MACHINE (all users, type
// 1) or HKEY_CURRENT_USER (current user, type 11) with the first delay. A
// program the list already holds there is left as it is. True when added.
bool AddDelayedProgram(std::string_view path, DelayStartFor startFor);
