// Process-wide state of the program: set once at start unless said otherwise.
#pragma once

#include <windows.h>

#include "base/fixed_text.h"

struct AppState {
    HINSTANCE instance = nullptr;
    FixedText<32> className;    // the main window's class; a second start finds the first by it
    FixedText<64> caption;      // the main window's text and the sheet's caption
    HWND mainWindow = nullptr;
    HWND statusBar = nullptr;   // the sheet's status bar, created by its first page
    WORD languageId = 0;        // primary language id; 0 until the start-up initialisation
    int currentPageId = 0;      // 0 while no sheet is open, 1 while it is built, then the page id
    DWORD startTicks = 0;
    bool monitorAutoStart = false;  // whether the monitor is set to start with Windows
    bool viewCookiesForced = false; // the Cookies page shows cookies whatever ViewCookies says
};

extern AppState g_app;

// The instance that holds the resources: the program's own module.
HINSTANCE ResourceInstance();
