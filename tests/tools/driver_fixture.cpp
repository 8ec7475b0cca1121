// A small property sheet for testing the window driver itself: two pages, a
// list view, a check box, a button that asks a question and a Close button,
// and a status bar where the sheet reports what it saw. Exit code: 10 plus
// the check box's state when closed by its Close button, 20 plus that state
// when closed any other way.
#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include <cstdio>
#include <cstring>
#include <cwchar>
#include <vector>

namespace {

constexpr int kList = 100;
constexpr int kCheck = 101;
constexpr int kAsk = 102;
constexpr int kClose = 1004;
constexpr int kStatus = 6050;

HWND g_status = nullptr;
int g_exitCode = 20;
bool g_checked = false;

// An in-memory dialog template, as the resource compiler would lay it out.
class DialogTemplate {
public:
    DialogTemplate(const wchar_t* title, short cx, short cy) {
        DLGTEMPLATE header = {};
        header.style = WS_CHILD | WS_VISIBLE | DS_SETFONT | DS_CONTROL;
        header.cx = cx;
        header.cy = cy;
        Append(&header, sizeof(header));
        Word(0);  // no menu
        Word(0);  // default class
        Text(title);
        Word(8);
        Text(L"MS Shell Dlg");
    }
    void Control(const wchar_t* className, const wchar_t* text, DWORD style, int id, short x, short y, short cx,
                 short cy) {
        Align(4);
        DLGITEMTEMPLATE item = {};
        item.style = style | WS_CHILD | WS_VISIBLE;
        item.x = x;
        item.y = y;
        item.cx = cx;
        item.cy = cy;
        item.id = WORD(id);
        Append(&item, sizeof(item));
        Text(className);
        Text(text);
        Word(0);  // no creation data
        reinterpret_cast<DLGTEMPLATE*>(bytes_.data())->cdit++;
    }
    const DLGTEMPLATE* get() const { return reinterpret_cast<const DLGTEMPLATE*>(bytes_.data()); }

private:
    void Append(const void* data, size_t size) {
        const auto* p = static_cast<const unsigned char*>(data);
        bytes_.insert(bytes_.end(), p, p + size);
    }
    void Word(WORD w) { Append(&w, sizeof(w)); }
    void Text(const wchar_t* text) { Append(text, (std::wcslen(text) + 1) * sizeof(wchar_t)); }
    void Align(size_t n) {
        while (bytes_.size() % n) bytes_.push_back(0);
    }
    std::vector<unsigned char> bytes_;
};

void SetStatus(const char* text) {
    if (g_status) SendMessageA(g_status, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(text));
}

void FillList(HWND list) {
    const char* headers[] = {"Name", "Value"};
    for (int c = 0; c < 2; ++c) {
        LVCOLUMNA column = {};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.cx = 100;
        column.pszText = const_cast<char*>(headers[c]);
        SendMessageA(list, LVM_INSERTCOLUMNA, WPARAM(c), reinterpret_cast<LPARAM>(&column));
    }
    const char* rows[][2] = {{"alpha", "1"}, {"beta", "22"}, {"gamma", "333"}};
    for (int r = 0; r < 3; ++r) {
        LVITEMA item = {};
        item.mask = LVIF_TEXT;
        item.iItem = r;
        item.pszText = const_cast<char*>(rows[r][0]);
        SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
        item.iSubItem = 1;
        item.pszText = const_cast<char*>(rows[r][1]);
        SendMessageA(list, LVM_SETITEMTEXTA, WPARAM(r), reinterpret_cast<LPARAM>(&item));
    }
}

INT_PTR CALLBACK FirstPage(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        g_status = CreateStatusWindowA(WS_CHILD | WS_VISIBLE, "", GetParent(page), kStatus);
        FillList(GetDlgItem(page, kList));
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case kCheck:
            g_checked = IsDlgButtonChecked(page, kCheck) == BST_CHECKED;
            SetStatus(g_checked ? "checked" : "unchecked");
            return TRUE;
        case kAsk: {
            int answer = MessageBoxA(page, "Proceed with the test?", "Driver Fixture", MB_YESNO | MB_ICONQUESTION);
            char text[32];
            std::snprintf(text, sizeof(text), "answer %d", answer);
            SetStatus(text);
            return TRUE;
        }
        case kClose:
            g_exitCode = 10;
            PostMessageA(GetParent(page), WM_CLOSE, 0, 0);
            return TRUE;
        }
        break;
    case WM_NOTIFY: {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        if (header->idFrom == kList && header->code == LVN_ITEMCHANGED) {
            auto* change = reinterpret_cast<NMLISTVIEW*>(lParam);
            if ((change->uNewState & LVIS_SELECTED) && !(change->uOldState & LVIS_SELECTED)) {
                char text[32];
                std::snprintf(text, sizeof(text), "selected %d", change->iItem);
                SetStatus(text);
            }
        }
        break;
    }
    }
    return FALSE;
}

INT_PTR CALLBACK SecondPage(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES | ICC_TAB_CLASSES};
    InitCommonControlsEx(&controls);

    DialogTemplate first(L"", 260, 150);
    first.Control(L"SysListView32", L"", LVS_REPORT | WS_BORDER, kList, 5, 5, 250, 90);
    first.Control(L"Button", L"&Remember", BS_AUTOCHECKBOX | WS_TABSTOP, kCheck, 5, 100, 80, 12);
    first.Control(L"Button", L"&Ask", BS_PUSHBUTTON | WS_TABSTOP, kAsk, 90, 100, 50, 14);
    first.Control(L"Button", L"&Close", BS_PUSHBUTTON | WS_TABSTOP, kClose, 200, 130, 50, 14);
    DialogTemplate second(L"", 260, 150);
    second.Control(L"Static", L"Nothing here", SS_LEFT, 200, 5, 5, 100, 10);

    PROPSHEETPAGEA pages[2] = {};
    const char* titles[] = {" First ", " Second  "};
    DLGPROC procs[] = {FirstPage, SecondPage};
    const DLGTEMPLATE* templates[] = {first.get(), second.get()};
    for (int i = 0; i < 2; ++i) {
        pages[i].dwSize = sizeof(PROPSHEETPAGEA);
        pages[i].dwFlags = PSP_DLGINDIRECT | PSP_USETITLE;
        pages[i].hInstance = instance;
        pages[i].pResource = templates[i];
        pages[i].pszTitle = titles[i];
        pages[i].pfnDlgProc = procs[i];
    }
    PROPSHEETHEADERA header = {};
    header.dwSize = sizeof(header);
    header.dwFlags = PSH_PROPSHEETPAGE | PSH_NOAPPLYNOW;
    header.hInstance = instance;
    header.pszCaption = "Driver Fixture";
    header.nPages = 2;
    header.ppsp = pages;
    PropertySheetA(&header);
    return g_exitCode + (g_checked ? 1 : 0);
}
