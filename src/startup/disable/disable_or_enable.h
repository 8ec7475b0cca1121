// Disabling a startup entry and enabling it again.
//
// A disabled entry is kept in the Disabled store (disabled_record.h) and, for
// a Startup-folder shortcut, in <program folder>\Disabled. Its copy is stored
// and read back before the entry leaves its location, and on enable it is
// back in its location before the copy is deleted: a step that fails leaves
// the entry running or disabled, never gone.
#pragma once

#include <string_view>

struct ListRow;

// The toggle: enables the entry when it is recorded as disabled, else disables
// it. title = the row's title (the registry value name, the Notify package,
// the shortcut's name); file = the row's command, or for a Startup-folder
// entry (type 200) the shortcut file itself (the row's detail). Types 1 to 25
// (26 and 27 only enable), 100, 101, 200 and 256; others are never disabled.
// True when a change was made.
bool DisableItem(std::string_view title, std::string_view file, int type);
// The same for a row of the shared list store.
bool DisableItem(const ListRow& item);

// For the scan: a Run-table entry recorded as disabled that is back in its Run
// key (the program wrote itself back) is disabled again: the store takes its
// present command and the value leaves the Run key. Never enables. True when
// the value is gone from the Run key.
bool DisableRunEntryAgain(std::string_view name, std::string_view command, int type);
