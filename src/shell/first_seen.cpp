#include "shell/first_seen.h"

#include <windows.h>

#include <string>
#include <vector>

#include "shell/app_state.h"
#include "shell/category_scanners.h"
#include "shell/list_store.h"
#include "shell/registry.h"
#include "startup/command_line.h"
#include "startup/date_time.h"
#include "startup/file_search.h"

namespace {

constexpr const char* kCategories[] = {"Startup", "IEHelper", "Services", "Tasks", "ActiveTasks", "FileTypes", "Hidden"};

std::string CategoryPath(std::string_view categoryKey) {
    return std::string(kDetectedKey) + "\\" + std::string(categoryKey);
}

bool ProgramFileExists(std::string_view name) {
    char file[MAX_PATH];
    ExtractProgramFile(name, file, sizeof(file));
    return FileExists(file);
}

bool DefaultValueEmpty(std::string_view subkey) {
    FixedText<260> value;
    return RegReadString(subkey, "", HKEY_CURRENT_USER, value) <= 0;
}

void RecordRows(std::string_view categoryKey) {
    for (int i = 0; i < ListStoreCount(); ++i)
        if (const ListRow* row = ListStoreRow(i)) RecordFirstSeen(categoryKey, row->path.view());
}

}  // namespace

FixedText<25> TodayText() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    FixedText<25> text;
    FormatLocalDateTime(now, text.data(), text.capacity());
    return text;
}

const char* FirstSeenCategory(int itemType) {
    if (itemType < 300) return "Startup";
    switch (itemType) {
        case 370: case 1030: return "Hidden";
        case 400: return "FileTypes";
        case 700: case 701: case 1060: return "Services";
        case 800: case 1050: return "Tasks";
        case 900: case 901: case 902: case 1040: return "IEHelper";
        case 1020: case 1200: return "ActiveX";
        case 1070: return "Startup";
        default: return "ActiveTasks";
    }
}

int FirstSeenDate(int itemType, std::string_view name, char* out, size_t size) {
    if (!out || size == 0) return 0;
    out[0] = '\0';
    if (name.empty()) return 0;
    return RegReadString(CategoryPath(FirstSeenCategory(itemType)), name, HKEY_CURRENT_USER, out,
                         size < 25 ? size : 25);
}

int RecordFirstSeen(std::string_view categoryKey, std::string_view name) {
    if (name.empty()) return 0;  // an empty name would be the key's default value
    if (categoryKey != "ActiveX" && !ProgramFileExists(name)) return 0;
    std::string path = CategoryPath(categoryKey);
    std::string valueName(name);
    {
        UniqueHkey key = RegOpenForRead(HKEY_CURRENT_USER, path);
        if (key && RegQueryValueExA(key.get(), valueName.c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS)
            return 1;
    }
    RegWriteString(HKEY_CURRENT_USER, path, name, TodayText().view());
    return 0;
}

void SeedFirstSeenStores() {
    if (DefaultValueEmpty(kDetectedKey)) {
        RegCreateForWrite(HKEY_CURRENT_USER, kDetectedKey);
        for (const char* category : kCategories) RegCreateForWrite(HKEY_CURRENT_USER, CategoryPath(category));
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
    std::string activeX = CategoryPath("ActiveX");
    if (DefaultValueEmpty(activeX) && HasCategoryScanner(ScanCategory::ActiveX)) {
        RegWriteString(HKEY_CURRENT_USER, activeX, "", "P");
        RunCategoryScanner(ScanCategory::ActiveX);
        char date[25];
        for (int i = 0; i < ListStoreCount(); ++i) {
            const ListRow* row = ListStoreRow(i);
            if (row && FirstSeenDate(1200, row->detail.view(), date, sizeof(date)) == 0)
                RecordFirstSeen("ActiveX", row->detail.view());
        }
        ListStoreClear();
    }
}

void PruneFirstSeen(std::string_view categoryKey) {
    // Names are collected first and deleted after the enumeration, which deletion
    // would otherwise disturb. A name counts as gone when the program it names is
    // gone: the same test that recorded it, so a command line with arguments keeps
    // its date while its program exists.
    std::vector<std::string> gone;
    {
        UniqueHkey key = RegOpenForRead(HKEY_CURRENT_USER, CategoryPath(categoryKey));
        if (!key) return;
        DWORD count = 0;
        RegQueryInfoKeyA(key.get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count, nullptr, nullptr,
                         nullptr, nullptr);
        char name[256];
        for (DWORD i = 0; i <= count; ++i) {
            DWORD len = sizeof(name);
            if (RegEnumValueA(key.get(), i, name, &len, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) continue;
            if (len == 0) continue;  // the default value holds the category's own mark
            if (!ProgramFileExists(std::string_view(name, len))) gone.emplace_back(name, len);
        }
    }
    for (const auto& name : gone) RegRemoveValue(HKEY_CURRENT_USER, CategoryPath(categoryKey), name);
}
