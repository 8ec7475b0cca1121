#include "shell/selected_rows.h"

#include <commctrl.h>

#include <string_view>

#include "base/fixed_text.h"
#include "shell/list_store.h"

namespace {

int RowOfTitle(std::string_view title) {
    for (int row = 0; row < ListStoreCount(); ++row)
        if (ListStoreRow(row)->title.view() == title) return row;
    return -1;
}

int StoreRowOfItem(HWND list, int item) {
    FixedText<128> title;
    LVITEMA lvi = {};
    lvi.mask = LVIF_PARAM | LVIF_TEXT;
    lvi.iItem = item;
    lvi.pszText = title.data();
    lvi.cchTextMax = int(title.capacity());
    if (!SendMessageA(list, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&lvi))) return -1;
    const ListRow* row = ListStoreRow(int(lvi.lParam));
    if (row && row->title.view() == title.view()) return int(lvi.lParam);
    return RowOfTitle(title.view());
}

}  // namespace

std::vector<int> SelectedStoreRows(HWND list) {
    std::vector<int> rows;
    if (!list) return rows;
    int item = -1;
    while ((item = int(SendMessageA(list, LVM_GETNEXTITEM, WPARAM(item), LVNI_SELECTED))) >= 0) {
        int row = StoreRowOfItem(list, item);
        if (row >= 0) rows.push_back(row);
    }
    return rows;
}
