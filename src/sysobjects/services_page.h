// The Services page: the Windows services that run a program file, with their
// state and start type. Changes are made in the information dialog.
#pragma once

#include <windows.h>

INT_PTR CALLBACK ServicesPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
// Scans the services and rebuilds the page's list 1000.
void FillServiceList(HWND page);
