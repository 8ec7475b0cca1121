// Column sorting of the list pages: the direction flags shared by every list,
// the per-page Sort... options, the comparators and the date sort key.
//
// A comparator never reads a file or the registry: the keys of a column
// (company names, first-seen dates, states) are taken once per fill of the
// store and kept until the store changes.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstddef>
#include <string_view>

#include "base/fixed_text.h"

// Column positions with a direction flag of their own.
inline constexpr int kSortColumns = 8;

// Direction of a column position: false ascending, true descending. The flags
// are shared by all lists and start ascending at every program start.
bool SortDescending(int column);
void SetSortDescending(int column, bool descending);
void FlipSortDirection(int column);
// Sets the first count positions back to ascending (a page's columns at its creation).
void ResetSortDirections(int count = kSortColumns);

// The option that remembers a list's sorted column plus one ("SortStartup"...); nullptr for none.
const char* SortOptionName(int listId);
// The remembered sort column, or -1 when the list was never sorted.
int SavedSortColumn(int listId);

// "month/day/year hour:minute AM|PM" (12 characters or more) as "yyyymmddhhmm",
// so that dates sort as text; other texts are copied as they are.
size_t DateSortKey(std::string_view date, char* out, size_t size);
template <size_t N>
size_t DateSortKey(std::string_view date, FixedText<N>& out) { return DateSortKey(date, out.data(), N); }

// LVM_SORTITEMS with the column as the comparator's parameter.
bool SortList(HWND list, int column, PFNLVCOMPARE comparator);
// Takes the keys of a list's column for its current rows (from the cache when
// the store did not change) and the column's direction, for CompareRowKeys.
void PrepareSortKeys(int listId, int column);
// The comparator of every list over the prepared keys: the parameters are the
// two items' row indices and the column.
int CALLBACK CompareRowKeys(LPARAM row1, LPARAM row2, LPARAM column);

// Sorts a list by a column with its comparator and the column's current direction.
bool SortPageList(HWND list, int listId, int column);
// True when a column of the list shows (and sorts by) the company of the row's program.
bool IsCompanyColumn(int listId, int column);
// After a fill: sorts by the remembered column when there is one.
bool ApplySavedSort(HWND list, int listId);
// LVN_COLUMNCLICK: sorts by the column (ignored at or beyond columnCount),
// then flips the column's direction and remembers the column. True when sorted.
bool OnColumnClick(HWND list, int listId, int column, int columnCount);
// The end of every fill: the remembered sort, full-row selection, the arrow cursor.
void FinishListFill(HWND list, int listId);
