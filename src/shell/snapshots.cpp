#include "shell/snapshots.h"

#include <windows.h>

#include <string>

#include "base/file_facts.h"
#include "base/file_search.h"
#include "base/first_seen.h"
#include "base/program_folders.h"
#include "base/registry.h"
#include "base/text_helpers.h"
#include "shell/category_scanners.h"
#include "shell/list_store.h"

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

constexpr const char* kFirstSeenCategories[] = {"Startup", "IEHelper", "Services", "Tasks", "ActiveTasks",
                                                "FileTypes", "Hidden"};

bool DefaultValueEmpty(std::string_view subkey) {
    FixedText<260> value;
    return RegReadString(subkey, "", HKEY_CURRENT_USER, value) <= 0;
}

void RecordRows(std::string_view categoryKey) {
    for (int i = 0; i < ListStoreCount(); ++i)
        if (const ListRow* row = ListStoreRow(i)) RecordFirstSeen(categoryKey, row->path.view());
}

}  // namespace

void RecordApprovedBaseline() {
    if (RunCategoryScanner(ScanCategory::Startup)) {
        std::string path = ProgramSubkey("Run");
        FixedText<MAX_PATH> name;
        for (int i = 0; i < ListStoreCount(); ++i) {
            const ListRow* row = ListStoreRow(i);
            if (!row) continue;
            NoteName(row->path.view(), name);
            if (!name.empty()) RegWriteString(HKEY_CURRENT_USER, path, name.view(), std::to_string(row->typeCode));
        }
    }
    ListStoreClear();
    const struct { ScanCategory scan; const char* key; } byTitle[] = {
        {ScanCategory::IEHelpers, "IEHelpers"},
        {ScanCategory::ScheduledTasks, "Tasks"},
    };
    for (const auto& step : byTitle) {
        if (RunCategoryScanner(step.scan)) {
            std::string path = ProgramSubkey(step.key);
            for (int i = 0; i < ListStoreCount(); ++i)
                if (const ListRow* row = ListStoreRow(i); row && !row->title.empty())
                    RegWriteString(HKEY_CURRENT_USER, path, row->title.view(), std::to_string(row->typeCode));
        }
        ListStoreClear();
    }
}

void SeedFirstSeenStores() {
    if (DefaultValueEmpty(kDetectedKey)) {
        RegCreateForWrite(HKEY_CURRENT_USER, kDetectedKey);
        for (const char* category : kFirstSeenCategories)
            RegCreateForWrite(HKEY_CURRENT_USER, FirstSeenCategoryPath(category));
        RegWriteString(HKEY_CURRENT_USER, kDetectedKey, "", TodayText().view());
        const struct { ScanCategory scan; const char* key; } seeds[] = {
            {ScanCategory::Startup, "Startup"},       {ScanCategory::IEHelpers, "IEHelper"},
            {ScanCategory::ScheduledTasks, "Tasks"},  {ScanCategory::Services, "Services"},
            {ScanCategory::FileTypes, "FileTypes"},   {ScanCategory::RunningPrograms, "ActiveTasks"},
            {ScanCategory::Hidden, "Hidden"},
        };
        for (const auto& seed : seeds)
            if (RunCategoryScanner(seed.scan)) RecordRows(seed.key);
        ListStoreClear();
    }
    std::string activeX = FirstSeenCategoryPath("ActiveX");
    if (DefaultValueEmpty(activeX) && HasCategoryScanner(ScanCategory::ActiveX)) {
        RegWriteString(HKEY_CURRENT_USER, activeX, "", "P");
        RunCategoryScanner(ScanCategory::ActiveX);
        FixedText<25> date;
        for (int i = 0; i < ListStoreCount(); ++i) {
            const ListRow* row = ListStoreRow(i);
            if (row && FirstSeenDate(1200, row->detail.view(), date) == 0)
                RecordFirstSeen("ActiveX", row->detail.view());
        }
        ListStoreClear();
    }
}

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
    FixedText<MAX_PATH> folder;
    if (DataFolder(folder) <= 0) return false;
    std::string copy = std::string(folder.view()) + "\\" + std::string(name);
    return CopyFileA(std::string(path).c_str(), copy.c_str(), FALSE) != FALSE;
}
