// Shell shortcuts: reading and writing .lnk files, writing .url files.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string_view>

#include "base/fixed_text.h"

inline constexpr size_t kShortcutTargetSize = 260;
inline constexpr size_t kShortcutDescriptionSize = 1024;
// Resolve without any user interface, waiting at most 500 ms (upper 16 bits).
inline constexpr DWORD kShortcutResolveFlags = 0x1F40001;

// Writes a shortcut to the program. COM must be initialised by the caller.
// Returns the HRESULT of the save, or of the first failing step.
HRESULT CreateShortcut(std::string_view shortcutPath, std::string_view workingFolder,
                       std::string_view description, std::string_view iconFile,
                       std::string_view target);

// Reads a shortcut's target (short path) and description. A shortcut whose
// target cannot be found reads with both empty and returns S_FALSE (or
// another success code than S_OK): what a list shows for it is the list's.
HRESULT ReadShortcut(std::string_view shortcutPath, TextBuffer target, TextBuffer description);

// Writes an Internet shortcut (.url) to the address.
HRESULT CreateInternetShortcut(std::string_view url, std::string_view shortcutPath);
