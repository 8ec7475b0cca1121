// The item the information dialog shows: one row of the shared list store
// and what the dialog resolves for it. It is kept process-wide while the
// dialog is open, for its buttons and the per-type hooks, and cleared when
// the dialog closes.
#pragma once

#include <cstddef>

#include "base/fixed_text.h"
#include "base/version_info.h"

// A location text has at most 512 characters.
inline constexpr size_t kInfoLocationSize = 513;

struct InfoItem {
    int index = -1;  // the row in the shared list store; -1 when none is kept
    int type = 0;    // the row's item type code
    int flag = 0;
    FixedText<128> title;
    FixedText<260> path;    // the command line as the row stores it
    FixedText<260> detail;
    FixedText<1024> text;   // the row's description: the dialog's shared description text
    FixedText<260> file;    // ExtractProgramFile(path)
    FixedText<kInfoLocationSize> location;  // where the item lives: its type's location hook
    VersionInfo version;
};

// Fills item from row index of the shared store; false (item cleared) when
// there is no such row.
bool LoadInfoItem(int index, InfoItem& item);
// The item of the open dialog; index -1 when none is open.
InfoItem& CurrentInfoItem();
void ClearCurrentInfoItem();
