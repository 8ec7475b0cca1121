#include "shell/frame_page.h"

#include <commctrl.h>
#include <prsht.h>
#include <windowsx.h>

#include "res/resource_ids.h"
#include "shell/start_hooks.h"
#include "shell/patrol_time.h"
#include "shell/help_page.h"
#include "shell/sheet_chrome.h"

bool HandlePageCommon(HWND page, UINT message, WPARAM wParam, LPARAM lParam, int pageId, INT_PTR& result) {
    switch (message) {
        case WM_INITDIALOG:
            RestoreSheetPlacement(page);
            result = TRUE;
            return true;
        case WM_NOTIFY: {
            const auto* header = reinterpret_cast<const NMHDR*>(lParam);
            if (header->code == PSN_SETACTIVE) {
                ActivatePage(page, pageId);
                SetWindowLongPtrA(page, DWLP_MSGRESULT, 0);
                result = TRUE;
                return true;
            }
            if (header->code == PSN_KILLACTIVE) {
                DeactivatePage(page);
                SetWindowLongPtrA(page, DWLP_MSGRESULT, FALSE);
                result = TRUE;
                return true;
            }
            return false;
        }
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                case IDC_PAGE_CLOSE:
                    PostMessageA(page, WM_CLOSE, 0, 0);
                    result = TRUE;
                    return true;
                case IDC_PICTURE_HELP:
                    OpenHelpPage(pageId);
                    result = TRUE;
                    return true;
                case IDC_PICTURE_MONITOR:
                    OpenPatrolTimeDialog(pageId);
                    result = TRUE;
                    return true;
            }
            return false;
        case WM_MOUSEMOVE: {
            POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            HandlePictureMouse(page, message, point);
            TrackButtonHover(page, point);
            return false;
        }
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_LBUTTONDBLCLK: {
            POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            result = HandlePictureMouse(page, message, point);
            return result != FALSE;
        }
        case WM_DRAWITEM:
            result = DrawOwnerButton(reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return result != FALSE;
        case WM_CLOSE:
        case WM_DESTROY:
            ClosePage(page);
            result = TRUE;
            return true;
    }
    return false;
}
