// What every page of the sheet shares: activation and deactivation, the sheet's
// placement and resizing, the Help and Monitor pictures, owner-drawn buttons.
#pragma once

#include <windows.h>

// The page currently visible, or nullptr.
HWND VisiblePage();
// Called by each page from WM_INITDIALOG: restores the sheet's placement and,
// once per sheet, makes it resizable with a status bar.
void RestoreSheetPlacement(HWND page);
// Called by each page when it becomes visible / is left.
void ActivatePage(HWND page, int pageId);
void DeactivatePage(HWND page);
// Called by each page on WM_CLOSE and WM_DESTROY: saves the placement and ends the program.
void ClosePage(HWND page);
// Lays out the tab strip, the status bar and the visible page for the sheet's size.
void LayoutSheet(HWND sheet);
// Forgets the sheet's subclass state (the sheet is gone).
void ResetSheetState();

// The window properties of a picture control that hold its images (normal,
// pressed, hover, fourth) and its command; named by atom numbers.
inline constexpr int kPropNormal = 10000, kPropPressed = 10001, kPropHover = 10002, kPropFourth = 10003,
                     kPropCommand = 10004;
inline LPCSTR PicturePropName(int id) { return MAKEINTATOM(id); }

// Picture buttons (Help 1077, Monitor 1112 and the others): pages pass their
// mouse messages; returns true when the message concerned a picture.
bool HandlePictureMouse(HWND page, UINT message, POINT point);
// Owner-drawn buttons and their hover colour.
bool DrawOwnerButton(const DRAWITEMSTRUCT* item);
void TrackButtonHover(HWND page, POINT point);
COLORREF HotButtonColour();

// Texts and the status bar.
void SetStatusText(const char* text);
