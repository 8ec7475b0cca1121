// The Delayed Start page: programs the monitor starts a set time after logon.
#pragma once

#include <windows.h>

INT_PTR CALLBACK DelayedPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
