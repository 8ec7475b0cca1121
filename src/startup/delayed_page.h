// The Delayed Start page: programs the monitor starts a set time after logon.
#pragma once

#include <windows.h>

INT_PTR CALLBACK DelayedPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);

// Loads the delayed-start list and rebuilds the page's list 1000 from it:
// title, command (the file name), status and delay time.
void FillDelayedList(HWND page);
