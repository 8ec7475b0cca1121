// The rows of the shared list store behind the selected items of a page's list.
#pragma once

#include <windows.h>

#include <vector>

// The store row of every selected item, in list order. An item carries its
// row index; when that row no longer shows the item's title (the store was
// filled again), the first row of that title is taken, and an item whose
// title no row has is left out.
std::vector<int> SelectedStoreRows(HWND list);
