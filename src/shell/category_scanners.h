// The scanners of the item categories, as the settings store needs them to seed
// the first-seen dates and the snapshots. Each fills the shared list store.
#pragma once

enum class ScanCategory { Startup, IEHelpers, ScheduledTasks, Services, FileTypes, RunningPrograms, Hidden, ActiveX };

// True when the category's scanner is part of this build.
bool HasCategoryScanner(ScanCategory category);
// Empties the shared list store and runs the category's scanner into it.
// Returns false (store left empty) when the scanner is not part of this build.
bool RunCategoryScanner(ScanCategory category);
