#include "app/category_scanners.h"

#include "shell/category_scanners.h"
#include "shell/running_programs.h"
#include "startup/locations/startup_scanner.h"
#include "sysobjects/service_scanner.h"

void RegisterCategoryScanners() {
    // The advanced locations belong to the baseline and the first-seen seeding too.
    SetCategoryScanner(ScanCategory::Startup, [] { ScanStartupLocations(false); });
    SetCategoryScanner(ScanCategory::RunningPrograms, [] { ListRunningPrograms(); });
    SetCategoryScanner(ScanCategory::Services, [] { ScanServices(); });
}
