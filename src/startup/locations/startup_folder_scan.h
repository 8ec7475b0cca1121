// One Startup folder (or the folder of disabled shortcuts) into the shared list store.
#pragma once

#include <windows.h>

#include <string_view>

#include "base/fixed_text.h"
#include "base/shortcuts.h"

inline constexpr const char* kShellFoldersKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

// Appends a type-200 row for each shortcut, program, PIF and INI file directly in
// the folder: path = the shortcut's target or the file itself, detail = the file.
void ListStartupFolderEntries(std::string_view folder);

// A shortcut as the Startup list shows it: ReadShortcut, and for a shortcut
// that cannot be read or whose target is gone the description "Local File not
// found." (IDS_FILE_NOT_FOUND). Returns ReadShortcut's result.
HRESULT ReadStartupShortcut(std::string_view shortcutPath, FixedText<kShortcutTargetSize>& target,
                            FixedText<kShortcutDescriptionSize>& description);
