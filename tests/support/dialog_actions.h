// What a test's second thread does to a modal dialog of the test's thread,
// as a user would: read texts, type, click.
#pragma once

#include <windows.h>

#include <string>

namespace dialog_actions {

inline std::string Text(HWND dialog, int id) {
    char text[1024] = {};
    GetDlgItemTextA(dialog, id, text, sizeof(text));
    return text;
}
inline std::string Caption(HWND dialog) {
    char text[256] = {};
    GetWindowTextA(dialog, text, sizeof(text));
    return text;
}
// Replaces the edit's text; the edit reports the change as typing does.
inline void Type(HWND dialog, int id, const char* text) { SetDlgItemTextA(dialog, id, text); }
// A click on a check box or radio: the button changes its state, then tells the dialog.
inline void Click(HWND dialog, int id) { SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }
// A push button's notice, as a click or the Enter and Escape keys produce it.
inline void Press(HWND dialog, int id) {
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), LPARAM(GetDlgItem(dialog, id)));
}
inline bool Checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }
inline bool Enabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE; }
inline bool Visible(HWND dialog, int id) { return IsWindowVisible(GetDlgItem(dialog, id)) != FALSE; }

}  // namespace dialog_actions
