#include "base/first_seen.h"

#include <windows.h>

#include <string>
#include <vector>

#include "base/key_values.h"
#include "base/registry.h"
#include "base/command_line.h"
#include "base/date_time.h"
#include "base/file_search.h"

namespace {

// The names the store records have at most this many characters.
constexpr size_t kFirstSeenNameMax = 255;

bool ProgramFileExists(std::string_view name) {
    FixedText<MAX_PATH> file;
    ExtractProgramFile(name, file);
    return FileExists(file.view());
}

}  // namespace

std::string FirstSeenCategoryPath(std::string_view categoryKey) {
    return std::string(kDetectedKey) + "\\" + std::string(categoryKey);
}

FixedText<25> TodayText() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    FixedText<25> text;
    FormatLocalDateTime(now, text);
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

int FirstSeenDate(int itemType, std::string_view name, TextBuffer out) {
    out.clear();
    if (name.empty()) return 0;
    FixedText<25> date;
    int length = RegReadString(FirstSeenCategoryPath(FirstSeenCategory(itemType)), name, HKEY_CURRENT_USER, date);
    // A date that does not fit whole is none.
    if (length <= 0 || size_t(length) >= out.capacity()) return 0;
    return int(out.assign(date.view()));
}

int RecordFirstSeen(std::string_view categoryKey, std::string_view name) {
    if (name.empty()) return 0;  // an empty name would be the key's default value
    if (categoryKey != "ActiveX" && !ProgramFileExists(name)) return 0;
    std::string path = FirstSeenCategoryPath(categoryKey);
    std::string valueName(name);
    {
        UniqueHkey key = RegOpenForRead(HKEY_CURRENT_USER, path);
        if (key && RegQueryValueExA(key.get(), valueName.c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS)
            return 1;
    }
    RegWriteString(HKEY_CURRENT_USER, path, name, TodayText().view());
    return 0;
}

void PruneFirstSeen(std::string_view categoryKey) {
    // Names are collected first and deleted after the enumeration, which deletion
    // would otherwise disturb. A name counts as gone when the program it names is
    // gone: the same test that recorded it, so a command line with arguments keeps
    // its date while its program exists.
    std::vector<std::string> gone;
    {
        UniqueHkey key = RegOpenForRead(HKEY_CURRENT_USER, FirstSeenCategoryPath(categoryKey));
        if (!key) return;
        KeyValueReader reader(key.get());
        KeyValue value;
        while (reader.Next(value)) {
            // The default value holds the category's own mark; longer names are none of ours.
            if (value.name.empty() || value.name.size() > kFirstSeenNameMax) continue;
            if (!ProgramFileExists(value.name)) gone.emplace_back(value.name);
        }
    }
    for (const auto& name : gone) RegRemoveValue(HKEY_CURRENT_USER, FirstSeenCategoryPath(categoryKey), name);
}
