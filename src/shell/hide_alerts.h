// The Hide Alerts dialog (213): per category, whether the monitor shows its
// alerts or silently allows or prevents the change.
#pragma once

#include <windows.h>

// The three states of an alert option.
enum AlertChoice : long { kAlertShow = 0, kAlertAllow = 1, kAlertPrevent = 2 };

// The modal dialog. Changes go to the options in memory at once; the caller
// writes them back (SaveOptions).
void ShowHideAlertsDialog(HWND owner);
