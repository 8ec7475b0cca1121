// Helpers of the delayed-start tests: reading a list view's cells and
// selecting its items.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

namespace delaytest {

inline std::string Cell(HWND list, int item, int column) {
    char text[512] = {};
    LVITEMA lvi = {};
    lvi.iSubItem = column;
    lvi.pszText = text;
    lvi.cchTextMax = sizeof(text);
    SendMessageA(list, LVM_GETITEMTEXTA, WPARAM(item), reinterpret_cast<LPARAM>(&lvi));
    return text;
}

inline std::vector<std::vector<std::string>> Rows(HWND list, int columns) {
    std::vector<std::vector<std::string>> rows;
    int count = int(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    for (int item = 0; item < count; ++item) {
        std::vector<std::string> row;
        for (int column = 0; column < columns; ++column) row.push_back(Cell(list, item, column));
        rows.push_back(row);
    }
    return rows;
}

inline void SelectItems(HWND list, const std::vector<int>& items) {
    LVITEMA state = {};
    state.stateMask = LVIS_SELECTED;
    SendMessageA(list, LVM_SETITEMSTATE, WPARAM(-1), reinterpret_cast<LPARAM>(&state));
    state.state = LVIS_SELECTED;
    for (int item : items) SendMessageA(list, LVM_SETITEMSTATE, WPARAM(item), reinterpret_cast<LPARAM>(&state));
}

}  // namespace delaytest
