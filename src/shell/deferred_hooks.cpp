#include "shell/deferred_hooks.h"

// No program has been moved to delayed start before the delayed-start list exists.
void LoadDelayedList() {}
void RestoreAllDelayed() {}
// File-type snapshots are first filled by the File Types page's own start-up step.
void InitFileTypeSnapshots() {}
// The Active Tasks page refreshes itself on activation until it offers a refresh.
void RefreshActiveTasksList() {}
// The patrol times are edited on the Options page until the dialog exists.
void OpenPatrolTimeDialog(int) {}
