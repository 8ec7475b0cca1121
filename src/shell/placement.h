// Window placements, kept as decimal texts under the program's key.
#pragma once

#include <windows.h>

#include <string_view>

// Writes the window's left, top, width and height, then StartTab.
void SavePlacement(HWND window, std::string_view xName, std::string_view yName, std::string_view dxName,
                   std::string_view dyName);
// Moves the window to its saved point, or centres it when there is none.
void RestorePlacement(HWND window, std::string_view xName, std::string_view yName);
// Centred horizontally, top at a third of the remaining height of the primary screen.
void CenterWindow(HWND window);
// A saved coordinate checked against the virtual screen's extent: beyond it reads as fallback.
int ClampSavedCoordinate(long value, int virtualExtent, int fallback);
// Records the visible page as the one to reopen (only a real page id is kept).
void RememberStartTab();
