// Startup-folder entries (type 200) that the user disabled: the shortcut file
// moves to <program folder>\Disabled and back.
#pragma once

#include <windows.h>

#include <string_view>

#include "base/fixed_text.h"

// <program folder>\Disabled; false when the program folder is unknown.
bool DisabledShortcutFolder(FixedText<MAX_PATH>& out);
// The Startup folder an entry goes back to when its own is unknown: Startup of
// HKCU's Shell Folders, else Common Startup and then Startup of HKLM's.
bool UserStartupFolder(FixedText<MAX_PATH>& out);
// True when the file lies directly in a Startup folder of HKLM's or HKCU's
// Shell Folders (Startup or Common Startup), or in the Disabled folder.
bool IsInStartupFolder(std::string_view file);
bool IsInDisabledShortcutFolder(std::string_view file);

// The entry's name: the file name without its extension, as a scan titles it.
std::string_view ShortcutTitle(std::string_view file);

// Records the shortcut as disabled and moves it into the Disabled folder
// (never over another file there). Nothing changes when either step fails.
bool DisableShortcut(std::string_view file);
// Moves a shortcut of the Disabled folder back to the folder it came from
// (or the user's Startup folder) and deletes its record.
bool EnableShortcut(std::string_view file);
// Deletes the shortcut (.lnk or .pif, attributes cleared first); one of the
// Disabled folder takes its record with it. A file that is gone is looked for
// under its name in the Disabled folder. Programs placed in a Startup folder
// and files outside these folders are never deleted here.
bool DeleteStartupShortcut(std::string_view file);
