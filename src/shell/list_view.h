// The list-view plumbing of every page: columns with remembered widths,
// small-icon image lists, row insertion and selection.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string_view>

#include "resource_ids.h"

// The report list of every page.
inline constexpr int kListControl = IDC_LIST;
// Image-list slots: one per list that shows icons at the same time.
inline constexpr int kImageListSlots = 16;

// The default width of a column: its fraction of the list's usable width
// (listWidth less a scroll bar, by list), truncated; -1 beyond the table.
int DefaultColumnWidth(int listId, int column, int listWidth);
// The width saved as the option "Column<listId><column>"; 0 when missing or not a number.
int SavedColumnWidth(int listId, int column);
// Inserts a left-aligned column with its saved width, else its default width.
bool AddColumn(HWND list, std::string_view title, int column, int listId);
// Writes the current width of each column as "Column<listId><column>" (Update is not raised).
void SaveColumnWidths(HWND dialog, int listId, int columnCount);  // the dialog's list 1000
void SaveListColumnWidths(HWND list, int listId, int columnCount);

// A new small-icon image list in the slot (the old one is destroyed), image 0
// the program's icon, attached to the list when one is given.
HIMAGELIST CreateSmallImageList(HWND list, int slot);
void DestroyImageList(int slot);
HIMAGELIST ImageListOf(int slot);
// Adds the icon at iconIndex of the path's program file, or the visible page's
// icon when the file is missing or has none; returns the image index to use.
// Each file's icon is added once per image list.
int AddRowIcon(std::string_view path, int iconIndex, int slot);

// The start of every fill: no redraw until FinishListFill, no rows, a fresh image list.
void BeginListFill(HWND list, int slot);
// Inserts an item at position row, its parameter the row index; returns the item index.
int InsertRow(int row, std::string_view text, HWND list, int image);
// Sets the text of a column of an item.
void SetRowText(HWND list, int item, int column, std::string_view text);

// The row index (item parameter) of the first selected item, or -1.
int SelectedRow(HWND list);
// The item index of the first selected item, or -1.
int SelectedItem(HWND list);
// Deselects every item, selects the given one and scrolls it into view.
void SelectOnly(HWND list, int item);
