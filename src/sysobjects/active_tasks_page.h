// The Active Tasks page: the distinct program files that run now, with Refresh
// and Kill Task.
#pragma once

#include <windows.h>

INT_PTR CALLBACK ActiveTasksPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
// Walks the running processes and rebuilds the page's list 1000; also what a
// second start of the program asks for while the page is visible.
void FillActiveTaskList(HWND page);
