// The modal property sheet that holds every page.
#pragma once

#include <windows.h>

// Opens the sheet on a page; returns when it is closed. With a sheet already
// open it only brings the program forward (Cookies also makes it topmost).
int OpenSheet(HWND owner, int pageId);
// Loads the product title as the caption and shows the main window.
void SetMainTitle();
