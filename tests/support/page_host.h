// A page of the sheet shown outside the property sheet: its dialog procedure
// runs in a plain top-level window on the test's thread, and the test sends
// it the sheet's activation notices itself.
#pragma once

#include <windows.h>
#include <prsht.h>

#include <string>

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

private:
    void Notify(UINT code) const {
        NMHDR header{GetParent(page_), 0, code};
        SendMessageA(page_, WM_NOTIFY, 0, LPARAM(&header));
    }

    AppState savedApp_;
    HWND host_ = nullptr;
    HWND page_ = nullptr;
};
