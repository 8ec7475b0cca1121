#include "shell/property_sheet.h"

#include <commctrl.h>
#include <prsht.h>

#include <array>
#include <cstddef>
#include <cstring>

#include "res/resource_ids.h"
#include "shell/app_state.h"
#include "shell/start_hooks.h"
#include "shell/load_text.h"
#include "shell/messages.h"
#include "shell/page_commands.h"
#include "shell/page_table.h"
#include "shell/sheet_chrome.h"
#include "shell/sound.h"
#include "shell/browser.h"
#include "base/windows_version.h"

namespace {

// The header as the 4.71 common controls know it: up to the header bitmap.
constexpr UINT kSheetHeaderV2Size = UINT(offsetof(PROPSHEETHEADERA, hbmHeader) + sizeof(HBITMAP));

// The sheet is a resizable window with a system menu.
int CALLBACK SheetCallback(HWND, UINT message, LPARAM lParam) {
    if (message == PSCB_PRECREATE && lParam) {
        auto* dialog = reinterpret_cast<DLGTEMPLATE*>(lParam);
        const DWORD styles = WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | DS_SETFONT | DS_3DLOOK;
        const DWORD exStyles = WS_EX_CONTROLPARENT | WS_EX_WINDOWEDGE;
        if (reinterpret_cast<const WORD*>(dialog)[1] == 0xFFFF) {
            // DLGTEMPLATEEX: helpID, exStyle, style follow the version and signature.
            auto* words = reinterpret_cast<DWORD*>(reinterpret_cast<BYTE*>(dialog) + 4);
            words[1] |= exStyles;
            words[2] |= styles;
        } else {
            dialog->style |= styles;
            dialog->dwExtendedStyle |= exStyles;
        }
    }
    return 0;
}

void BringForward(int pageId) {
    HWND main = g_app.mainWindow;
    if (pageId == kPageCookies) {
        BringWindowToTop(main);
        SetWindowPos(main, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
        SetForegroundWindow(main);
    } else if (g_app.currentPageId == kPageActiveTasks) {
        RefreshActiveTasksList();
    }
    BringWindowToTop(main);
    SetForegroundWindow(main);
    // The sheet is the window the user sees.
    if (HWND page = VisiblePage(); page && IsWindow(page)) {
        HWND sheet = GetParent(page);
        BringWindowToTop(sheet);
        SetForegroundWindow(sheet);
    }
}

}  // namespace

void SetMainTitle() {
    char title[32];
    LoadText(IDS_PRODUCT, title, sizeof(title));
    g_app.caption = title;
    SendMessageA(g_app.mainWindow, WM_SETTEXT, 0, LPARAM(g_app.caption.c_str()));
    UpdateWindow(g_app.mainWindow);
    ShowWindow(g_app.mainWindow, SW_SHOW);
}

int OpenSheet(HWND owner, int pageId) {
    if (g_app.currentPageId > 0) {
        BringForward(pageId);
        return 0;
    }
    g_app.currentPageId = 1;
    const bool newer = CommonControlsNewerThan470();
    SetMainTitle();

    std::vector<PageEntry> pages = PageTable(IsWindowsNT());
    const int start = StartPageIndex(pages, pageId);
    std::vector<std::array<char, 256>> titles(pages.size());
    // The sheet steps through the page array by dwSize, so the entries are laid
    // out at that stride rather than at sizeof(PROPSHEETPAGEA).
    const UINT pageSize = newer ? PROPSHEETPAGEA_V2_SIZE : PROPSHEETPAGEA_V1_SIZE;
    std::vector<BYTE> pageArray(pages.size() * pageSize);
    for (size_t i = 0; i < pages.size(); ++i) {
        LoadText(pages[i].titleString, titles[i].data(), titles[i].size());
        PROPSHEETPAGEA p{};
        p.dwSize = pageSize;
        p.dwFlags = PSP_USETITLE | PSP_USEHICON;
        p.hInstance = ResourceInstance();
        p.pszTemplate = MAKEINTRESOURCEA(pages[i].templateId);
        p.hIcon = LoadIconA(ResourceInstance(), MAKEINTRESOURCEA(pages[i].tabIcon));
        p.pszTitle = titles[i].data();
        p.pfnDlgProc = PageProcedure(pages[i].pageId);
        p.lParam = 0;
        std::memcpy(pageArray.data() + i * pageSize, &p, pageSize);
    }
    SetBuiltPages(pages);

    PROPSHEETHEADERA header{};
    header.dwSize = newer ? kSheetHeaderV2Size : PROPSHEETHEADERA_V1_SIZE;
    header.dwFlags = PSH_PROPSHEETPAGE | PSH_NOAPPLYNOW;
    if (IsWindowsNT()) {
        header.dwFlags |= PSH_USECALLBACK;
        header.pfnCallback = SheetCallback;
    }
    header.hwndParent = owner;
    header.hInstance = ResourceInstance();
    header.pszCaption = g_app.caption.c_str();
    header.nPages = UINT(pages.size());
    header.nStartPage = UINT(start);
    header.ppsp = reinterpret_cast<LPCPROPSHEETPAGEA>(pageArray.data());
    PlayOpenSound();
    if (PropertySheetA(&header) == -1) {
        // No page came up to clear the mark; without this a later request would
        // take the sheet for open and never build it.
        g_app.currentPageId = 0;
        ShowNote(IDS_NOT_NORMAL);
    }
    SetBuiltPages({});
    return 0;
}
