// The scanners of the item categories, as the start needs them to seed the
// first-seen dates and the snapshots (snapshots.h). The shell knows no
// scanner itself: each subsystem's is registered at start (src/app). A
// scanner fills the shared list store, which is emptied before it runs.
#pragma once

#include <functional>

enum class ScanCategory { Startup, IEHelpers, ScheduledTasks, Services, FileTypes, RunningPrograms, Hidden, ActiveX };

using CategoryScanner = std::function<void()>;

// Registers (or, with an empty function, removes) the scanner of a category.
void SetCategoryScanner(ScanCategory category, CategoryScanner scanner);
// True when the category has a scanner.
bool HasCategoryScanner(ScanCategory category);
// Empties the shared list store and runs the category's scanner into it.
// Returns false (store left empty) when the category has no scanner.
bool RunCategoryScanner(ScanCategory category);
