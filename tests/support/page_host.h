// A page of the sheet shown outside the property sheet: its dialog procedure
// runs in a plain top-level window on the test's thread, and the test sends
// it the sheet's activation notices itself.
#pragma once

#include <windows.h>
#include <prsht.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "shell/app_state.h"

class PageHost {
public:
    PageHost(int templateId, DLGPROC procedure) : savedApp_(g_app) {
        host_ = CreateWindowExA(0, "STATIC", "Sentrivox", WS_OVERLAPPEDWINDOW, 0, 0, 900, 700, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
        page_ = CreateDialogParamA(ResourceInstance(), MAKEINTRESOURCEA(templateId), host_, procedure, 0);
        // Buttons take clicks and report visibility only when their windows are shown.
        ShowWindow(host_, SW_SHOWNOACTIVATE);
        ShowWindow(page_, SW_SHOWNOACTIVATE);
    }
    ~PageHost() {
        if (page_) DestroyWindow(page_);
        if (host_) DestroyWindow(host_);
        g_app = savedApp_;
    }
    PageHost(const PageHost&) = delete;
    PageHost& operator=(const PageHost&) = delete;

    HWND page() const { return page_; }
    void Activate() const { Notify(PSN_SETACTIVE); }
    void Deactivate() const { Notify(PSN_KILLACTIVE); }

    // A user's click on a button or check box of the page; returns when the
    // page has handled it (and any dialog it opened has closed).
    void Click(int id) const { SendMessageA(GetDlgItem(page_, id), BM_CLICK, 0, 0); }
    // A click on a picture, which the page receives as its command.
    void ClickPicture(int id) const { SendMessageA(page_, WM_COMMAND, WPARAM(id), 0); }
    bool Checked(int id) const { return IsDlgButtonChecked(page_, id) == BST_CHECKED; }
    bool Visible(int id) const { return IsWindowVisible(GetDlgItem(page_, id)) != FALSE; }
    std::string Text(int id) const {
        char text[1024] = {};
        GetDlgItemTextA(page_, id, text, sizeof(text));
        return text;
    }
    HBITMAP Image(int id) const {
        return reinterpret_cast<HBITMAP>(SendDlgItemMessageA(page_, id, STM_GETIMAGE, IMAGE_BITMAP, 0));
    }
    bool Enabled(int id) const { return IsWindowEnabled(GetDlgItem(page_, id)) != FALSE; }

    // The page's list 1000 as a user sees it.
    HWND List() const { return GetDlgItem(page_, 1000); }
    int ItemCount() const { return static_cast<int>(SendMessageA(List(), LVM_GETITEMCOUNT, 0, 0)); }
    std::string ItemText(int item, int column) const {
        char text[1024] = {};
        LVITEMA lvi = {};
        lvi.iSubItem = column;
        lvi.pszText = text;
        lvi.cchTextMax = sizeof(text);
        SendMessageA(List(), LVM_GETITEMTEXTA, WPARAM(item), LPARAM(&lvi));
        return text;
    }
    // The texts of a column, top to bottom.
    std::vector<std::string> Column(int column) const {
        std::vector<std::string> texts;
        for (int item = 0; item < ItemCount(); ++item) texts.push_back(ItemText(item, column));
        return texts;
    }
    // Selects only the item, as a click on it does, and tells the page.
    void SelectItem(int item) const {
        LVITEMA state = {};
        state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageA(List(), LVM_SETITEMSTATE, WPARAM(-1), LPARAM(&state));
        state.state = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageA(List(), LVM_SETITEMSTATE, WPARAM(item), LPARAM(&state));
        NotifyList(NM_CLICK);
    }
    // A click on a column header.
    void ClickColumn(int column) const {
        NMLISTVIEW click = {};
        click.hdr = {List(), 1000, UINT(LVN_COLUMNCLICK)};
        click.iItem = -1;
        click.iSubItem = column;
        SendMessageA(page_, WM_NOTIFY, 1000, LPARAM(&click));
    }
    void NotifyList(UINT code) const {
        NMHDR header{List(), 1000, code};
        SendMessageA(page_, WM_NOTIFY, 1000, LPARAM(&header));
    }
    // A command as a button or menu entry sends it.
    void Command(int id) const { SendMessageA(page_, WM_COMMAND, WPARAM(id), 0); }

private:
    void Notify(UINT code) const {
        NMHDR header{GetParent(page_), 0, code};
        SendMessageA(page_, WM_NOTIFY, 0, LPARAM(&header));
    }

    AppState savedApp_;
    HWND host_ = nullptr;
    HWND page_ = nullptr;
};
