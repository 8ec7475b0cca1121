// The delayed-start store: programs taken out of the Windows startup locations
// that the monitor starts a set time after logon.
#pragma once

#include <windows.h>

// Empties the shared list store and fills it from the delayed-start store of
// HKEY_LOCAL_MACHINE, then HKEY_CURRENT_USER.
void LoadDelayedList();
// Puts every delayed program of both hives back into its startup location.
void RestoreAllDelayed();
// The Startup page's "Move to Delayed Start" for the page's selected rows.
void MoveToDelayedStart(HWND page);
