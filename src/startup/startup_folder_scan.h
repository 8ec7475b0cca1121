// One Startup folder (or the folder of disabled shortcuts) into the shared list store.
#pragma once

#include <string_view>

inline constexpr const char* kShellFoldersKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

// Appends a type-200 row for each shortcut, program, PIF and INI file directly in
// the folder: path = the shortcut's target or the file itself, detail = the file.
void ListStartupFolderEntries(std::string_view folder);
