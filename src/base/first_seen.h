// The first-seen store: when each item was first recorded, per category, under
// Software\Orvik Studios\Detected in HKEY_CURRENT_USER.
#pragma once

#include <string>
#include <string_view>

#include "base/fixed_text.h"

// Today's local date and time as the stores write it.
FixedText<25> TodayText();
// The category key (a name under Detected) of an item type.
const char* FirstSeenCategory(int itemType);
// Detected\<category>: the key of a category, relative to HKEY_CURRENT_USER.
std::string FirstSeenCategoryPath(std::string_view categoryKey);
// The recorded date of an item (24 characters at most); returns its length, 0 when never recorded.
int FirstSeenDate(int itemType, std::string_view name, TextBuffer out);
// Records an item now unless it is known: 1 when it was already recorded, else 0.
int RecordFirstSeen(std::string_view categoryKey, std::string_view name);
// Drops the values of one category whose files no longer exist.
void PruneFirstSeen(std::string_view categoryKey);
