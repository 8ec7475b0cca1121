#include "shell/category_scanners.h"

#include "shell/list_store.h"

// A category whose scanner is not built yet answers false here; the callers then
// leave its snapshot and first-seen seeding for a start that has the scanner.
bool HasCategoryScanner(ScanCategory category) {
    switch (category) {
        case ScanCategory::Startup:
        case ScanCategory::IEHelpers:
        case ScanCategory::ScheduledTasks:
        case ScanCategory::Services:
        case ScanCategory::FileTypes:
        case ScanCategory::RunningPrograms:
        case ScanCategory::Hidden:
        case ScanCategory::ActiveX:
            return false;
    }
    return false;
}

bool RunCategoryScanner(ScanCategory category) {
    ListStoreClear();
    if (!HasCategoryScanner(category)) return false;
    switch (category) {
        default:
            return false;
    }
}
