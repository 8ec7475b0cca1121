// A page-like dialog for the list tests: a report list view 1000 and, when
// asked, the Help and Monitor pictures with their labels and a row of buttons,
// built from an in-memory template so the tests do not depend on the resources.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <string_view>
#include <vector>

#include "shell/list_store.h"
#include "shell/list_view.h"
#include "base/registry.h"

namespace listtest {

struct DialogControl {
    const char* className;  // "SysListView32", "Button", "Static"
    int id;
    short x, y, cx, cy;     // dialog units
    DWORD style;
};

inline void AppendText(std::vector<WORD>& t, std::string_view text) {
    for (char c : text) t.push_back(static_cast<WORD>(static_cast<unsigned char>(c)));
    t.push_back(0);
}

inline void AlignDword(std::vector<WORD>& t) {
    if (t.size() % 2) t.push_back(0);
}

// A modeless dialog of the given size and controls; destroyed with the object.
class TestDialog {
public:
    TestDialog(short cx, short cy, const std::vector<DialogControl>& controls, HWND parent = nullptr,
               DWORD style = WS_POPUP | DS_SETFONT) {
        INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_LISTVIEW_CLASSES};
        InitCommonControlsEx(&icc);
        std::vector<WORD> t;
        auto put32 = [&t](DWORD v) { t.push_back(LOWORD(v)); t.push_back(HIWORD(v)); };
        put32(style);
        put32(0);
        t.push_back(static_cast<WORD>(controls.size()));
        t.insert(t.end(), {0, 0, static_cast<WORD>(cx), static_cast<WORD>(cy)});
        t.insert(t.end(), {0, 0, 0});  // no menu, default class, no title
        t.push_back(8);
        AppendText(t, "MS Shell Dlg");
        for (const DialogControl& c : controls) {
            AlignDword(t);
            put32(c.style | WS_CHILD | WS_VISIBLE);
            put32(0);
            t.insert(t.end(), {static_cast<WORD>(c.x), static_cast<WORD>(c.y), static_cast<WORD>(c.cx),
                               static_cast<WORD>(c.cy), static_cast<WORD>(c.id)});
            AppendText(t, c.className);
            AppendText(t, "");
            t.push_back(0);
        }
        window_ = CreateDialogIndirectParamA(GetModuleHandleA(nullptr),
                                             reinterpret_cast<LPCDLGTEMPLATEA>(t.data()), parent, Proc, 0);
    }
    ~TestDialog() {
        if (window_) DestroyWindow(window_);
    }
    TestDialog(const TestDialog&) = delete;
    TestDialog& operator=(const TestDialog&) = delete;

    HWND window() const { return window_; }
    HWND item(int id) const { return GetDlgItem(window_, id); }
    HWND list() const { return item(kListControl); }

private:
    static INT_PTR CALLBACK Proc(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }
    HWND window_ = nullptr;
};

inline std::vector<DialogControl> ListOnly() {
    return {{"SysListView32", kListControl, 7, 30, 380, 200, LVS_REPORT | LVS_SHOWSELALWAYS}};
}

// Rows 0..count-1 of the shared store as items, in store order.
inline void InsertStoreRows(HWND list) {
    for (int i = 0; i < ListStoreCount(); ++i) InsertRow(i, ListStoreRow(i)->title.view(), list, 0);
}

// The row indices of the items, top to bottom.
inline std::vector<int> RowOrder(HWND list) {
    std::vector<int> rows;
    int count = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        LVITEMA item = {};
        item.mask = LVIF_PARAM;
        item.iItem = i;
        SendMessageA(list, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
        rows.push_back(static_cast<int>(item.lParam));
    }
    return rows;
}

// Removes the named values under Options (and Update) before and after a test.
class OptionValues {
public:
    explicit OptionValues(std::vector<std::string> names) : names_(std::move(names)) {
        names_.push_back("Update");
        Clean();
    }
    ~OptionValues() { Clean(); }
    OptionValues(const OptionValues&) = delete;
    OptionValues& operator=(const OptionValues&) = delete;

private:
    void Clean() {
        for (const std::string& name : names_) RegRemoveValue(HKEY_CURRENT_USER, kOptionsKey, name);
    }
    std::vector<std::string> names_;
};

}  // namespace listtest
