// The hidden main window: it gives the program its taskbar button, owns the
// property sheet and receives the page requests of later starts.
#pragma once

#include <windows.h>

enum class SharedFont { Verdana18, Arial18, Arial18Underline, SansSerif14Bold, SansSerif10Bold, Arial14,
                        SansSerif12, ShellDlg14Bold, ShellDlg14, Note, Count };

// Registers the class and creates the window with its shared fonts and bitmaps.
HWND CreateMainWindow(HINSTANCE instance);
// COM for the program's thread until the main window ends the program.
void StartProgramCom();
HFONT GetSharedFont(SharedFont which);
// One of the shared bitmaps 133-135, 154-156, 193, 158-160; nullptr for others.
HBITMAP GetSharedBitmap(int resourceId);
// The note font's height: minus the low 8 bits of NoteSize.
int NoteFontHeight(long noteSize);
// What the main window does with a WM_COMMAND identifier.
void HandleMainCommand(HWND window, int id);
