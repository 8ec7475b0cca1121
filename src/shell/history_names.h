// The two name tables of the history file: item types and events. The
// resident monitor writes and reads the same names, so the tables keep their
// order; every lookup stops at the first match.
#pragma once

#include <string_view>

// Item-type code written when the table has no entry for a type.
inline constexpr int kUnknownItemType = 3000;
// Event code whose name stands for an event missing from the table.
inline constexpr int kUnknownEvent = 33;
// Restorable events are looked for among the first entries only.
inline constexpr int kRestorableEventEntries = 30;

// Name of the first item-type entry with this code; "TYPE_UNKNOWN" when none.
std::string_view ItemTypeName(int code);
// Name of the first event entry with this code; empty when none.
std::string_view EventName(int code);
// Code of the first entry with exactly this name; -1 when none.
int ItemTypeCodeOfName(std::string_view name);
int EventCodeOfName(std::string_view name);
// True when the first of the leading event entries with this code is marked
// "*", an event that Restore can reverse.
bool IsRestorableEvent(int code);
