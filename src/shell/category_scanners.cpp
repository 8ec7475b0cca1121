#include "shell/category_scanners.h"

#include <map>

#include "shell/list_store.h"

namespace {

std::map<ScanCategory, CategoryScanner>& Scanners() {
    static std::map<ScanCategory, CategoryScanner> scanners;
    return scanners;
}

}  // namespace

void SetCategoryScanner(ScanCategory category, CategoryScanner scanner) {
    if (scanner) Scanners()[category] = std::move(scanner);
    else Scanners().erase(category);
}

// A category without a scanner answers false here; the callers then leave its
// snapshot and first-seen seeding for a start that has the scanner.
bool HasCategoryScanner(ScanCategory category) { return Scanners().count(category) != 0; }

bool RunCategoryScanner(ScanCategory category) {
    ListStoreClear();
    auto found = Scanners().find(category);
    if (found == Scanners().end()) return false;
    found->second();
    return true;
}
