#include "startup/approved_baseline.h"

#include <windows.h>

#include <string>

#include "shell/category_scanners.h"
#include "shell/list_store.h"
#include "shell/registry.h"
#include "startup/text_helpers.h"

namespace {

std::string SnapshotPath(const char* name) { return std::string(kProgramKey) + "\\" + name; }

}  // namespace

void RecordApprovedBaseline() {
    if (RunCategoryScanner(ScanCategory::Startup)) {
        std::string path = SnapshotPath("Run");
        char name[MAX_PATH];
        for (int i = 0; i < ListStoreCount(); ++i) {
            const ListRow* row = ListStoreRow(i);
            if (!row) continue;
            NoteName(row->path.view(), name, sizeof(name));
            if (name[0]) RegWriteString(HKEY_CURRENT_USER, path, name, std::to_string(row->typeCode));
        }
    }
    ListStoreClear();
    const struct { ScanCategory scan; const char* key; } byTitle[] = {
        {ScanCategory::IEHelpers, "IEHelpers"},
        {ScanCategory::ScheduledTasks, "Tasks"},
    };
    for (const auto& step : byTitle) {
        if (RunCategoryScanner(step.scan)) {
            std::string path = SnapshotPath(step.key);
            for (int i = 0; i < ListStoreCount(); ++i)
                if (const ListRow* row = ListStoreRow(i); row && !row->title.empty())
                    RegWriteString(HKEY_CURRENT_USER, path, row->title.view(), std::to_string(row->typeCode));
        }
        ListStoreClear();
    }
}
