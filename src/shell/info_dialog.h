// The program information dialog (dialog 121): the facts of one row of the
// shared list store, its running state and its note, with ">>" and "<<"
// stepping through the store.
#pragma once

#include <windows.h>

// The dialog's height at 96 dots per inch, shrunk and expanded.
inline constexpr int kInfoShrunkHeight = 246;
inline constexpr int kInfoExpandedHeight = 421;

// Runs the dialog modally on row index of the shared list store. The user may
// step to other rows; when the dialog closes, the row it showed last is
// selected in list (a page's list view whose item parameters are row indexes;
// nullptr for none). Returns that row's index; index itself, without a
// dialog, when it names no row.
int ShowInformationDialog(HWND owner, HWND list, int index);
// Fills the open dialog again for its current item (after a type's own command).
void RefreshInformationDialog(HWND dialog);
// The dialog's height in pixels for a screen of dpi dots per inch.
int InfoDialogHeight(bool expanded, int dpi);
