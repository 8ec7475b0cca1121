// The program's messages: note dialog, help message box and item texts, all
// from the string table through LoadText.
#pragma once

#include <windows.h>

// A message box owned by the main window with the program's caption, the
// interface language and the topmost flag. Returns the button pressed.
int ShowProgramMessage(int stringId, UINT flags);
// Same, with a text the caller has composed.
int ShowProgramMessageText(const char* text, UINT flags);
// The modal note dialog with the string's text.
void ShowNote(int stringId);
// A question-icon message box captioned "Sentrivox Help".
void ShowHelpMessage(int stringId);
// Sets a dialog item's text from the string table; an empty string leaves the item alone.
void SetItemText(HWND dialog, int stringId, int itemId);
