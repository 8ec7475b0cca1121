// The Startup Programs page: everything that starts with Windows.
#pragma once

#include <windows.h>

#include <string>

struct ListRow;

INT_PTR CALLBACK StartupPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);

// Scans every startup location (the advanced ones while ShowAllStartup is on)
// and rebuilds the page's list 1000 from the shared list store, sorted by the
// remembered column. Company, type and first-seen date are read once per row.
void FillStartupList(HWND page);

// Sets Remove, Enable and Disable and the status-bar location text for the
// selected row of the page's list.
void UpdateStartupButtons(HWND page);

// The Command column: "RunDLL32.exe " for a RUNDLL32 command, then the row's
// command after its last backslash.
std::string StartupCommandText(const ListRow& row);
