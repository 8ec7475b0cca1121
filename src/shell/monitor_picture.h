// The "Monitor" pictures: a page's control 1112 and the Options page's 1136 to
// 1138. Each shows whether the monitor patrols its category: real-time
// watching, patrolled, or off.
#pragma once

#include <windows.h>

struct PatrolCategory;

// The bitmap for a patrol state: real-time watching (193) whatever the minutes;
// otherwise on (156) above 0 minutes, off (154) at 0.
int MonitorPictureBitmap(long minutes, bool realtime);
// The program's copy of a picture bitmap: the main window's shared one, or one
// loaded here while there is no main window.
HBITMAP PictureBitmap(int bitmapId);

// Shows the category's state and keeps it as the picture's normal image, the
// one that hover and click return to.
void ShowMonitorPicture(HWND page, int controlId, const PatrolCategory& category);
// Gives a picture the Monitor images and its own id as command, then shows the
// category's state. For pictures that the page activation does not attach.
void AttachMonitorPicture(HWND page, int controlId, const PatrolCategory& category);
void DetachMonitorPicture(HWND page, int controlId);
// Page activation: the page's Monitor picture shows its category's state.
void ShowPageMonitorPicture(HWND page, int pageId);
