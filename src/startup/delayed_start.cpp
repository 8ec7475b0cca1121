#include "startup/delayed_start.h"

void LoadDelayedList() {}
void RestoreAllDelayed() {}
void MoveToDelayedStart(HWND) {}
