// Owner-drawn buttons with the hover colour, and picture mouse handling, for
// the program's modal dialogs (the pages get the same from HandlePageCommon).
#pragma once

#include <windows.h>

// Handles WM_DRAWITEM and the mouse messages; true when the message was
// answered, result then holding the dialog procedure's answer.
bool HandleDialogButtons(HWND dialog, UINT message, LPARAM lParam, INT_PTR& result);
