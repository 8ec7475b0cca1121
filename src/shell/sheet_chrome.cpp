#include "shell/sheet_chrome.h"

#include <commctrl.h>

#include <cstring>

#include "base/text_helpers.h"
#include "res/resource_ids.h"
#include "shell/app_state.h"
#include "shell/list_store.h"
#include "shell/load_text.h"
#include "shell/main_window.h"
#include "shell/monitor_picture.h"
#include "shell/options.h"
#include "shell/page_commands.h"
#include "shell/page_table.h"
#include "shell/placement.h"
#include "base/registry.h"
#include "base/unique_resource.h"
#include "base/windows_version.h"

namespace {

constexpr COLORREF kNormalColour = RGB(0, 0, 64);
constexpr COLORREF kHotColour = RGB(0, 0, 255);

struct SheetState {
    HWND visiblePage = nullptr;
    HWND subclassedSheet = nullptr;
    WNDPROC previousProc = nullptr;
    SIZE minTrack{};
    int tabRows = 1;
    COLORREF hotColour = kNormalColour;
    HWND hotButton = nullptr;
    HWND hotPicture = nullptr;
    UniqueImageList tabImages;
};

SheetState& State() {
    static SheetState state;
    return state;
}

HWND SheetOf(HWND page) { return GetParent(page); }

LRESULT CALLBACK SheetProc(HWND sheet, UINT message, WPARAM wParam, LPARAM lParam) {
    SheetState& s = State();
    WNDPROC previous = s.previousProc;
    if (message == WM_GETMINMAXINFO) {
        auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
        info->ptMinTrackSize.x = s.minTrack.cx;
        info->ptMinTrackSize.y = s.minTrack.cy;
    } else if (message == WM_SIZE) {
        LayoutSheet(sheet);
    } else if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(sheet, GWLP_WNDPROC, LONG_PTR(previous));
        ResetSheetState();
    }
    return previous ? CallWindowProcA(previous, sheet, message, wParam, lParam)
                    : DefWindowProcA(sheet, message, wParam, lParam);
}

bool ReadSavedNumber(const char* name, long& value) {
    FixedText<33> text;
    if (RegReadString(kProgramKey, name, HKEY_CURRENT_USER, text) <= 0) return false;
    value = ParseOptionText(text.view());
    return true;
}

void MoveSheetToSavedPlace(HWND sheet) {
    long x = 0, y = 0, dx = 0, dy = 0;
    if (!ReadSavedNumber("xPos", x) || !ReadSavedNumber("yPos", y)) return;
    int vw = GetSystemMetrics(SM_CXVIRTUALSCREEN), vh = GetSystemMetrics(SM_CYVIRTUALSCREEN);
    int width = 0, height = 0;
    if (ReadSavedNumber("dxPos", dx)) {
        ReadSavedNumber("dyPos", dy);
        width = ClampSavedCoordinate(dx, vw, 0);
        height = ClampSavedCoordinate(dy, vh, 0);
    }
    SetWindowPos(sheet, nullptr, ClampSavedCoordinate(x, vw, 0), ClampSavedCoordinate(y, vh, 0), width, height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

HWND FindChildByClass(HWND parent, const char* className) { return FindWindowExA(parent, nullptr, className, nullptr); }

HWND FindSheetButtonByText(HWND sheet, const char* text) {
    for (HWND child = GetWindow(sheet, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char cls[32], caption[64];
        GetClassNameA(child, cls, sizeof(cls));
        if (!EqualsNoCase(cls, "Button")) continue;
        GetWindowTextA(child, caption, sizeof(caption));
        if (lstrcmpA(caption, text) == 0) return child;
    }
    return nullptr;
}

void SetTabImages(HWND tab) {
    SheetState& s = State();
    if (!s.tabImages) {
        s.tabImages.reset(ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 13, 1));
        for (const PageEntry& entry : BuiltPages()) {
            UniqueIcon icon(static_cast<HICON>(
                LoadImageA(ResourceInstance(), MAKEINTRESOURCEA(entry.tabIcon), IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR)));
            if (icon) ImageList_AddIcon(s.tabImages.get(), icon.get());
        }
    }
    TabCtrl_SetImageList(tab, s.tabImages.get());
    int count = TabCtrl_GetItemCount(tab);
    for (int i = 0; i < count; ++i) {
        TCITEMA item{};
        item.mask = TCIF_IMAGE;
        item.iImage = i;
        SendMessageA(tab, TCM_SETITEMA, WPARAM(i), LPARAM(&item));
    }
}

void AttachPicture(HWND page, int controlId, std::initializer_list<int> bitmaps) {
    HWND control = GetDlgItem(page, controlId);
    if (!control) return;
    int prop = kPropNormal;
    for (int id : bitmaps) SetPropA(control, PicturePropName(prop++), GetSharedBitmap(id));
    SetPropA(control, PicturePropName(kPropCommand), reinterpret_cast<HANDLE>(INT_PTR(controlId)));
    SendMessageA(control, STM_SETIMAGE, IMAGE_BITMAP, LPARAM(GetPropA(control, PicturePropName(kPropNormal))));
}

void DetachPicture(HWND page, int controlId) {
    HWND control = GetDlgItem(page, controlId);
    if (!control) return;
    for (int prop = kPropNormal; prop <= kPropCommand; ++prop) RemovePropA(control, PicturePropName(prop));
}

void ShowPictureImage(HWND control, int prop) {
    HANDLE image = GetPropA(control, PicturePropName(prop));
    if (image) SendMessageA(control, STM_SETIMAGE, IMAGE_BITMAP, LPARAM(image));
}

bool IsPictureId(int id) {
    return id == 1077 || id == 1112 || id == 1131 || id == 1136 || id == 1137 || id == 1138;
}

HWND PictureAt(HWND page, POINT point) {
    HWND child = ChildWindowFromPointEx(page, point, CWP_SKIPINVISIBLE);
    if (!child || child == page) return nullptr;
    return IsPictureId(GetDlgCtrlID(child)) ? child : nullptr;
}

}  // namespace

HWND VisiblePage() { return State().visiblePage; }

void ResetSheetState() {
    SheetState& s = State();
    s = SheetState{};  // the tab images go with the old state
    g_app.statusBar = nullptr;
}

void RestoreSheetPlacement(HWND page) {
    RememberStartTab();
    HWND sheet = SheetOf(page);
    if (!IsWindowsNT()) {
        RestorePlacement(sheet, "xPos", "yPos");
        return;
    }
    SheetState& s = State();
    if (s.subclassedSheet == sheet) return;
    s.subclassedSheet = sheet;
    RECT client;
    GetClientRect(sheet, &client);
    s.minTrack = {client.right - 10, client.bottom - 32};
    s.previousProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(sheet, GWLP_WNDPROC, LONG_PTR(SheetProc)));
    if (!g_app.statusBar || !IsWindow(g_app.statusBar))
        g_app.statusBar = CreateStatusWindowA(WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, "", sheet, IDC_STATUS_BAR);
    MoveSheetToSavedPlace(sheet);
}

void LayoutSheet(HWND sheet) {
    SheetState& s = State();
    RECT r;
    if (!GetWindowRect(sheet, &r)) return;
    int w = (r.right - r.left) - 28;
    int h = (r.bottom - r.top) - 122;
    if (HWND tab = FindChildByClass(sheet, "SysTabControl32")) {
        s.tabRows = int(SendMessageA(tab, TCM_GETROWCOUNT, 0, 0));
        SetWindowPos(tab, nullptr, 0, 0, w + 8, h + 55, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        SetTabImages(tab);
    }
    if (g_app.statusBar) {
        SetWindowPos(g_app.statusBar, nullptr, 0, 0, w, h - 9, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageA(g_app.statusBar, WM_SIZE, 0, 0);  // the bar keeps itself at the bottom
    }
    char closeText[64];
    LoadText(304, closeText, sizeof(closeText));
    if (HWND close = FindSheetButtonByText(sheet, closeText)) {
        SetWindowPos(close, nullptr, w - 64, h + 56, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        ShowWindow(close, SW_HIDE);
    }
    if (HWND page = s.visiblePage; page && IsWindow(page)) {
        SetWindowPos(page, nullptr, 0, 0, w, s.tabRows <= 1 ? h + 20 : h + 10,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageA(page, kMessageLayout, 0, 0);
        UpdateWindow(page);
        ShowWindow(page, SW_SHOW);
    }
}

void ActivatePage(HWND page, int pageId) {
    g_app.currentPageId = pageId;
    AttachPicture(page, IDC_PICTURE_HELP, {IDB_HELP_NORMAL, IDB_HELP_PRESSED, IDB_HELP_HOVER});
    AttachPicture(page, IDC_PICTURE_MONITOR,
                  {IDB_MONITOR_NORMAL, IDB_MONITOR_PRESSED, IDB_MONITOR_HOVER, IDB_MONITOR_FOURTH});
    ShowPageMonitorPicture(page, pageId);
    HWND sheet = SheetOf(page);
    SetWindowLongPtrA(sheet, GWL_EXSTYLE, GetWindowLongPtrA(sheet, GWL_EXSTYLE) & ~LONG_PTR(WS_EX_CONTEXTHELP));
    if (HWND ok = GetDlgItem(sheet, IDOK)) {
        ShowWindow(ok, SW_HIDE);
        EnableWindow(ok, FALSE);
    }
    char closeText[64];
    LoadText(304, closeText, sizeof(closeText));
    SetDlgItemTextA(sheet, IDCANCEL, closeText);
    SetWindowTextA(g_app.mainWindow, g_app.caption.c_str());
    State().visiblePage = page;
    SetStatusText("");
    if (IsWindowsNT()) LayoutSheet(sheet);
}

void DeactivatePage(HWND page) {
    ListStoreClear();
    DetachPicture(page, IDC_PICTURE_HELP);
    DetachPicture(page, IDC_PICTURE_MONITOR);
    SetStatusText("");
    SavePlacement(SheetOf(page), "xPos", "yPos", "dxPos", "dyPos");
}

void ClosePage(HWND page) {
    HWND sheet = SheetOf(page);
    if (sheet && IsWindow(sheet)) SavePlacement(sheet, "xPos", "yPos", "dxPos", "dyPos");
    g_app.currentPageId = 0;
    if (g_app.mainWindow) PostMessageA(g_app.mainWindow, WM_CLOSE, 0, 0);
}

void SetStatusText(const char* text) {
    if (g_app.statusBar) SendMessageA(g_app.statusBar, SB_SETTEXTA, WPARAM(0 | SBT_NOBORDERS), LPARAM(text));
}

bool HandlePictureMouse(HWND page, UINT message, POINT point) {
    SheetState& s = State();
    HWND picture = PictureAt(page, point);
    if (message == WM_MOUSEMOVE) {
        if (picture) {
            int id = GetDlgCtrlID(picture);
            if (picture != s.hotPicture && s.hotPicture && IsWindow(s.hotPicture))
                ShowPictureImage(s.hotPicture, kPropNormal);
            ShowPictureImage(picture, (id == 1077 || id == 1131) ? kPropHover : kPropPressed);
            s.hotPicture = picture;
            return true;
        }
        if (s.hotPicture && IsWindow(s.hotPicture)) ShowPictureImage(s.hotPicture, kPropNormal);
        s.hotPicture = nullptr;
        return false;
    }
    if (!picture) return false;
    if (message == WM_LBUTTONDOWN) {
        ShowPictureImage(picture, kPropPressed);
        return true;
    }
    if (message == WM_LBUTTONUP || message == WM_LBUTTONDBLCLK) {
        ShowPictureImage(picture, kPropNormal);
        INT_PTR command = INT_PTR(GetPropA(picture, PicturePropName(kPropCommand)));
        if (!command) command = GetDlgCtrlID(picture);
        SendMessageA(page, WM_COMMAND, WPARAM(command), 0);
        return true;
    }
    return false;
}

COLORREF HotButtonColour() { return State().hotColour; }

bool DrawOwnerButton(const DRAWITEMSTRUCT* item) {
    if (!item || item->CtlType != ODT_BUTTON || !(item->itemAction & ODA_DRAWENTIRE)) return false;
    char text[512];
    GetWindowTextA(item->hwndItem, text, sizeof(text));
    HDC dc = item->hDC;
    HGDIOBJ oldFont = SelectObject(dc, GetSharedFont(SharedFont::ShellDlg14));
    int oldMode = SetBkMode(dc, TRANSPARENT);
    UINT format = strchr(text, '\n') ? DT_WORDBREAK | DT_CENTER : DT_CENTER | DT_VCENTER | DT_SINGLELINE;
    RECT shadow = item->rcItem;
    OffsetRect(&shadow, 1, 1);
    SetTextColor(dc, RGB(192, 192, 192));
    DrawTextA(dc, text, -1, &shadow, format);
    RECT face = item->rcItem;
    SetTextColor(dc, State().hotColour);
    DrawTextA(dc, text, -1, &face, format);
    SetBkMode(dc, oldMode);
    SelectObject(dc, oldFont);
    State().hotColour = kNormalColour;
    return true;
}

void TrackButtonHover(HWND page, POINT point) {
    SheetState& s = State();
    HWND child = ChildWindowFromPointEx(page, point, CWP_SKIPINVISIBLE);
    char cls[16] = {};
    if (child && child != page) GetClassNameA(child, cls, sizeof(cls));
    bool overButton = child && child != page && EqualsNoCase(cls, "Button") &&
                      (GetWindowLongPtrA(child, GWL_STYLE) & 1);
    if (overButton) {
        s.hotColour = kHotColour;
        InvalidateRect(child, nullptr, FALSE);
        s.hotButton = child;
    } else if (s.hotButton) {
        s.hotColour = kNormalColour;
        if (IsWindow(s.hotButton)) InvalidateRect(s.hotButton, nullptr, TRUE);
        s.hotButton = nullptr;
    }
}
