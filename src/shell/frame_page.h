// The behaviour every page shares, and the plain page used where a page shows
// only its frame.
#pragma once

#include <windows.h>

// Handles the shared messages of a page (activation, placement, pictures,
// owner-drawn buttons, Close, Help). Returns true when the message was handled;
// result then holds the dialog procedure's answer.
bool HandlePageCommon(HWND page, UINT message, WPARAM wParam, LPARAM lParam, int pageId, INT_PTR& result);

// A page with its frame only.
template <int PageId>
INT_PTR CALLBACK FramePageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    INT_PTR result = FALSE;
    HandlePageCommon(page, message, wParam, lParam, PageId, result);
    return result;
}
