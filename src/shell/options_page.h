// The Options page: the switches of this program and the monitor, and the reports.
#pragma once

#include <windows.h>

INT_PTR CALLBACK OptionsPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
