// Removing a startup entry for good, wherever it is now: its location, or the
// Disabled store when it is disabled.
#pragma once

#include <string_view>

struct ListRow;

// By type:
//  - Run table (1 to 27), win.ini (100, 101), Startup folder (200, detail =
//    the shortcut file): the entry goes; history event "*START_Remove" (unless
//    it is this program's own), the program's record of it is forgotten and
//    the removal is reported to the vendor.
//  - Winlogon Userinit (250) and Shell (251): reset to Windows' default.
//  - Shell objects (252 to 254) and AppInit DLLs (255): only after the user
//    confirmed it in the protection dialog.
//  - Winlogon Notify (256) and other types are never removed here.
// True when a change was made.
bool RemoveItem(std::string_view title, std::string_view path, std::string_view detail, int type);
bool RemoveItem(const ListRow& item);
