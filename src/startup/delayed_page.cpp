#include "startup/delayed_page.h"

#include "shell/frame_page.h"

INT_PTR CALLBACK DelayedPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    return FramePageProc<6055>(page, message, wParam, lParam);
}
