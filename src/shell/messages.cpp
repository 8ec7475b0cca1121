#include "shell/messages.h"

#include "res/resource_ids.h"
#include "shell/app_state.h"
#include "shell/load_text.h"
#include "shell/placement.h"

namespace {

INT_PTR CALLBACK NoteProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG: {
            SetWindowTextA(dialog, g_app.caption.c_str());
            char text[1024];
            LoadText(int(lParam), text, sizeof(text));
            SetDlgItemTextA(dialog, IDC_NOTE_TEXT, text);
            CenterWindow(dialog);
            return TRUE;
        }
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
                EndDialog(dialog, LOWORD(wParam));
                return TRUE;
            }
            break;
        case WM_CLOSE:
            EndDialog(dialog, IDCANCEL);
            return TRUE;
    }
    return FALSE;
}

}  // namespace

int ShowProgramMessageText(const char* text, UINT flags) {
    return MessageBoxExA(g_app.mainWindow, text, g_app.caption.c_str(), flags | MB_TOPMOST, g_app.languageId);
}

int ShowProgramMessage(int stringId, UINT flags) {
    char text[1024];
    LoadText(stringId, text, sizeof(text));
    return ShowProgramMessageText(text, flags);
}

void ShowNote(int stringId) {
    DialogBoxParamA(ResourceInstance(), MAKEINTRESOURCEA(IDD_NOTE), g_app.mainWindow, NoteProc, LPARAM(stringId));
}

void ShowHelpMessage(int stringId) {
    char text[1024], caption[128];
    LoadText(stringId, text, sizeof(text));
    LoadText(31, caption, sizeof(caption));
    MessageBoxExA(g_app.mainWindow, text, caption, MB_ICONQUESTION | MB_TOPMOST, g_app.languageId);
}

void SetItemText(HWND dialog, int stringId, int itemId) {
    char text[512];
    if (LoadText(stringId, text, sizeof(text)) > 0 && text[0]) SetDlgItemTextA(dialog, itemId, text);
}
