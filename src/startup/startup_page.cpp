#include "startup/startup_page.h"

#include "shell/frame_page.h"

INT_PTR CALLBACK StartupPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    return FramePageProc<6026>(page, message, wParam, lParam);
}
