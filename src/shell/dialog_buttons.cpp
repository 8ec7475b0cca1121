#include "shell/dialog_buttons.h"

#include <windowsx.h>

#include "shell/sheet_chrome.h"

bool HandleDialogButtons(HWND dialog, UINT message, LPARAM lParam, INT_PTR& result) {
    switch (message) {
        case WM_DRAWITEM:
            result = DrawOwnerButton(reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return result != FALSE;
        case WM_MOUSEMOVE: {
            POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            HandlePictureMouse(dialog, message, point);
            TrackButtonHover(dialog, point);
            return false;
        }
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_LBUTTONDBLCLK: {
            POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            result = HandlePictureMouse(dialog, message, point);
            return result != FALSE;
        }
    }
    return false;
}
