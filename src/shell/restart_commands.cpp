#include "shell/restart_commands.h"

#include <windows.h>

#include <string>
#include <vector>

#include "base/file_facts.h"
#include "base/file_search.h"
#include "shell/app_state.h"
#include "shell/load_text.h"
#include "shell/messages.h"

namespace {

constexpr int kIdsViewerTitle = 30;
constexpr int kIdsNoRestartCommands = 59;
constexpr int kIdsClose = 304;
constexpr int kIdsDelete = 614;
constexpr int kIdsLegend = 702;

// Control ids of the viewer.
constexpr WORD kViewerText = 1001;
constexpr WORD kViewerLegend = 1002;
constexpr WORD kViewerDelete = 1003;

constexpr WORD kButtonClass = 0x0080, kEditClass = 0x0081, kStaticClass = 0x0082;

// An in-memory dialog template; the texts are set when the dialog starts.
class DialogTemplate {
public:
    DialogTemplate(DWORD style, short cx, short cy) {
        Align();
        Add(DWORD(style));
        Add(DWORD(0));             // extended style
        countAt_ = words_.size();
        Add(WORD(0));              // item count, filled in by Item
        Add(WORD(0)); Add(WORD(0)); Add(WORD(cx)); Add(WORD(cy));
        Add(WORD(0)); Add(WORD(0)); Add(WORD(0));  // no menu, default class, empty title
        Add(WORD(8));              // DS_SETFONT: point size and face
        for (const wchar_t* f = L"MS Shell Dlg"; *f; ++f) Add(WORD(*f));
        Add(WORD(0));
    }

    void Item(WORD atom, WORD id, DWORD style, short x, short y, short cx, short cy) {
        Align();
        Add(DWORD(style | WS_CHILD | WS_VISIBLE));
        Add(DWORD(0));
        Add(WORD(x)); Add(WORD(y)); Add(WORD(cx)); Add(WORD(cy));
        Add(WORD(id));
        Add(WORD(0xFFFF)); Add(atom);
        Add(WORD(0));  // empty title
        Add(WORD(0));  // no creation data
        ++words_[countAt_];
    }

    const DLGTEMPLATE* get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

private:
    void Add(WORD w) { words_.push_back(w); }
    void Add(DWORD d) { Add(WORD(d & 0xFFFF)); Add(WORD(d >> 16)); }
    void Align() { if (words_.size() % 2) words_.push_back(0); }

    std::vector<WORD> words_;  // WORD storage keeps the template WORD-aligned, Align keeps items DWORD-aligned
    size_t countAt_ = 0;
};

struct ViewerContext {
    const char* text;
    const char* iniPath;
};

void SetTextFromTable(HWND window, int id) {
    FixedText<1024> text;
    LoadText(id, text);
    SetWindowTextA(window, text.c_str());
}

INT_PTR CALLBACK ViewerProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG: {
            auto* context = reinterpret_cast<ViewerContext*>(lParam);
            SetWindowLongPtrA(dialog, DWLP_USER, lParam);
            SetTextFromTable(dialog, kIdsViewerTitle);
            SetTextFromTable(GetDlgItem(dialog, kViewerLegend), kIdsLegend);
            SetTextFromTable(GetDlgItem(dialog, kViewerDelete), kIdsDelete);
            SetTextFromTable(GetDlgItem(dialog, IDCANCEL), kIdsClose);
            SendDlgItemMessageA(dialog, kViewerText, EM_LIMITTEXT, 0, 0);
            SetDlgItemTextA(dialog, kViewerText, context->text);
            // Focus on Close, so that the text is not shown all selected.
            SetFocus(GetDlgItem(dialog, IDCANCEL));
            return FALSE;
        }
        case WM_COMMAND:
            if (LOWORD(wParam) == kViewerDelete) {
                auto* context = reinterpret_cast<ViewerContext*>(GetWindowLongPtrA(dialog, DWLP_USER));
                DeleteFileForce(context->iniPath);
                EndDialog(dialog, kViewerDelete);
                return TRUE;
            }
            if (LOWORD(wParam) == IDCANCEL) {
                EndDialog(dialog, IDCANCEL);
                return TRUE;
            }
            break;
    }
    return FALSE;
}

}  // namespace

void ViewRestartCommands() {
    char windows[MAX_PATH];
    UINT n = GetWindowsDirectoryA(windows, MAX_PATH);
    if (n == 0 || n + 13 >= MAX_PATH) return;
    std::string folder(windows, n);
    if (folder.back() != '\\') folder += '\\';
    if (!FileExists(folder + "wininit.exe")) return;  // only the 9x family runs the file

    std::string ini = folder + "wininit.ini";
    size_t size = 0;
    UniqueHglobal text = LoadTextFileCrLf(ini, true, size);
    if (!text) {
        ShowProgramMessage(kIdsNoRestartCommands, MB_OK | MB_ICONINFORMATION);
        return;
    }
    ViewerContext context{static_cast<const char*>(GlobalLock(text.get())), ini.c_str()};

    DialogTemplate viewer(DS_MODALFRAME | DS_CENTER | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU, 300, 200);
    viewer.Item(kEditClass, kViewerText,
                WS_BORDER | WS_VSCROLL | WS_HSCROLL | WS_TABSTOP | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL |
                    ES_AUTOHSCROLL,
                7, 7, 286, 138);
    viewer.Item(kStaticClass, kViewerLegend, SS_LEFT, 7, 150, 286, 20);
    viewer.Item(kButtonClass, kViewerDelete, BS_PUSHBUTTON | WS_TABSTOP, 170, 178, 58, 15);
    viewer.Item(kButtonClass, IDCANCEL, BS_DEFPUSHBUTTON | WS_TABSTOP, 235, 178, 58, 15);
    DialogBoxIndirectParamA(ResourceInstance(), viewer.get(), g_app.mainWindow, ViewerProc,
                            reinterpret_cast<LPARAM>(&context));
    GlobalUnlock(text.get());
}
