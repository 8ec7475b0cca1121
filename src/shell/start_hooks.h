// Calls of the start-up and of a second start into subsystems built later:
// the file-type snapshots (File Types) and the Active Tasks refresh. Each
// subsystem registers its own at start (src/app); one that is not registered
// does nothing, as the program did before that subsystem existed.
#pragma once

#include <functional>

struct StartHooks {
    std::function<void()> initFileTypeSnapshots;  // the File Types page's start-up step
    std::function<void()> refreshActiveTasks;     // a page request while Active Tasks shows
};

// Replaces the registered hooks.
void SetStartHooks(StartHooks hooks);

// The callers.
void InitFileTypeSnapshots();
void RefreshActiveTasksList();
