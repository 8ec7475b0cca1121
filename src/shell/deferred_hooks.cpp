#include "shell/deferred_hooks.h"

// File-type snapshots are first filled by the File Types page's own start-up step.
void InitFileTypeSnapshots() {}
// The Active Tasks page refreshes itself on activation until it offers a refresh.
void RefreshActiveTasksList() {}
