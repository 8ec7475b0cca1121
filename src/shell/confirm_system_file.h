// The protection dialog (194) shown before a shell object or AppInit DLL is
// removed: the user has to tick "Yes, I really know what I'm doing".
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

struct ListRow;

// The dialog's placement is kept under these names of the program's key.
inline constexpr const char* kConfirmPlacementX = "xDefaultWarning";
inline constexpr const char* kConfirmPlacementY = "yDefaultWarning";
inline constexpr const char* kConfirmPlacementDx = "dxDefaultWarning";
inline constexpr const char* kConfirmPlacementDy = "dyDefaultWarning";

// Shows the dialog for the entry (its path in the first text, the Microsoft
// note when the file's company is Microsoft). True only when the user ticked
// the box and pressed OK.
bool ConfirmSystemFile(HWND owner, const ListRow& item);

// String 909 with its "%s" replaced by the name. The text comes through
// LoadText and may be a registry override, so it is never a format string.
std::string MicrosoftFileNote(std::string_view name);
