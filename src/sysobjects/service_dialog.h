// The service controls of the information dialog: the status, the Stop
// button (3) and the start-type choice (1090) with its Apply button (12).
// They act on the service of the dialog's row, named by the row's key name.
#pragma once

#include <windows.h>

struct InfoItem;

// The dialog's showState hook for service items: status, Stop, start type.
// Returns true (the dialog's own running state is replaced).
bool ShowServiceState(HWND dialog, const InfoItem& item);
// The dialog's command hook for service items: the start-type choice, Apply,
// Stop and Run. True when the command was the service's.
bool OnServiceCommand(HWND dialog, const InfoItem& item, int id, int notifyCode);
