#include "shell/options_page.h"

#include "shell/frame_page.h"

INT_PTR CALLBACK OptionsPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    return FramePageProc<6033>(page, message, wParam, lParam);
}
