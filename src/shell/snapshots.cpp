#include "shell/snapshots.h"

#include <windows.h>

#include <string>

#include "startup/approved_baseline.h"
#include "shell/category_scanners.h"
#include "shell/first_seen.h"
#include "shell/list_store.h"
#include "shell/registry.h"
#include "startup/file_facts.h"
#include "startup/file_search.h"
#include "startup/program_folders.h"

namespace {

std::string ProgramSubkey(std::string_view name) { return std::string(kProgramKey) + "\\" + std::string(name); }

struct SnapshotSpec {
    const char* key;
    ScanCategory scan;
};

SnapshotSpec SpecOf(SnapshotKey which) {
    switch (which) {
        case SnapshotKey::Services: return {"Services", ScanCategory::Services};
        case SnapshotKey::Hidden: return {"Hidden", ScanCategory::Hidden};
        case SnapshotKey::ActiveX: return {"ActiveX", ScanCategory::ActiveX};
    }
    return {"Services", ScanCategory::Services};
}

}  // namespace

void ResetSnapshots() {
    for (const char* name : {"Run", "IEHelpers", "Tasks"}) {
        RegDeleteTree(HKEY_CURRENT_USER, ProgramSubkey(name));
        RegCreateForWrite(HKEY_CURRENT_USER, ProgramSubkey(name));
    }
    RecordApprovedBaseline();
}

void FirstFillSnapshot(SnapshotKey which) {
    SnapshotSpec spec = SpecOf(which);
    std::string path = ProgramSubkey(spec.key);
    FixedText<260> mark;
    int markLength = RegReadString(path, "", HKEY_CURRENT_USER, mark);
    if (mark.view().substr(0, 1) == "P") return;
    // Without its scanner the key would be marked filled while empty, and the
    // monitor would take every item for new; wait for a start that has it.
    if (!HasCategoryScanner(spec.scan)) return;
    if (markLength > 0) RegDeleteTree(HKEY_CURRENT_USER, path);
    RegCreateForWrite(HKEY_CURRENT_USER, path);
    if (which == SnapshotKey::Hidden) {
        RegCreateForWrite(HKEY_CURRENT_USER, kDetectedKey);
        RecordApprovedBaseline();
    }
    RegWriteString(HKEY_CURRENT_USER, path, "", "P");
    RunCategoryScanner(spec.scan);
    FixedText<25> today = TodayText();
    for (int i = 0; i < ListStoreCount(); ++i) {
        const ListRow* row = ListStoreRow(i);
        if (!row) continue;
        switch (which) {
            case SnapshotKey::Services:
                RegWriteString(HKEY_CURRENT_USER, path, row->title.view(), std::to_string(row->typeCode));
                break;
            case SnapshotKey::Hidden:
                RegWriteString(HKEY_CURRENT_USER, path, row->path.view(), today.view());
                break;
            case SnapshotKey::ActiveX:
                RegWriteString(HKEY_CURRENT_USER, path, row->detail.view(), std::to_string(row->typeCode));
                break;
        }
    }
    if (which == SnapshotKey::ActiveX) ListStoreClear();
}

bool RecordSystemFile(std::string_view name, std::string_view path, std::string_view comment) {
    std::string key = ProgramSubkey("Sysfiles") + "\\" + std::string(name);
    RegCreateForWrite(HKEY_LOCAL_MACHINE, key);
    if (!FileExists(path)) return false;
    char size[32] = {}, time[32] = {};
    FileSizeAndWriteTime(path, size, sizeof(size), time, sizeof(time));
    RegWriteString(HKEY_LOCAL_MACHINE, key, "Date", time);
    RegWriteString(HKEY_LOCAL_MACHINE, key, "Size", size);
    RegWriteString(HKEY_LOCAL_MACHINE, key, "Type", "0");
    if (!comment.empty()) RegWriteString(HKEY_CURRENT_USER, key, "Comment", comment);
    RegWriteString(HKEY_LOCAL_MACHINE, key, "Location", path);
    char folder[MAX_PATH];
    if (DataFolder(folder, sizeof(folder)) <= 0) return false;
    std::string copy = std::string(folder) + "\\" + std::string(name);
    return CopyFileA(std::string(path).c_str(), copy.c_str(), FALSE) != FALSE;
}
