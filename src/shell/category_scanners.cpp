#include "shell/category_scanners.h"

#include "shell/list_store.h"
#include "startup/processes.h"
#include "startup/startup_scanner.h"
#include "sysobjects/service_scanner.h"

// A category whose scanner is not built yet answers false here; the callers then
// leave its snapshot and first-seen seeding for a start that has the scanner.
bool HasCategoryScanner(ScanCategory category) {
    switch (category) {
        case ScanCategory::Startup:
        case ScanCategory::RunningPrograms:
        case ScanCategory::Services:
            return true;
        case ScanCategory::IEHelpers:
        case ScanCategory::ScheduledTasks:
        case ScanCategory::FileTypes:
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
        case ScanCategory::Startup:
            ScanStartupLocations(false);  // the advanced locations belong to the baseline too
            return true;
        case ScanCategory::RunningPrograms:
            ListRunningPrograms();
            return true;
        case ScanCategory::Services:
            ScanServices();
            return true;
        default:
            return false;
    }
}
