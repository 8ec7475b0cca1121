// The Startup Programs page: everything that starts with Windows.
#pragma once

#include <windows.h>

INT_PTR CALLBACK StartupPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
