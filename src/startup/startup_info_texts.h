// What the information dialog shows for startup entries, registered for
// their types at start (src/app): where each entry lives, and for the
// advanced locations (Winlogon, shell objects, AppInit, Notify) what the
// entry is, since those hold parts of Windows.
#pragma once

#include "shell/info_type_text.h"

// The hooks of the startup location types (1 to 256): the location text
// (LocationText) and, for types 250 to 256, the description.
InfoTypeHooks StartupEntryInfoHooks();
// The location text alone: the texts of the types that the location table
// also names (scheduled tasks 800, browser helpers 900 and toolbars 901).
InfoTypeHooks LocationTextInfoHooks();
