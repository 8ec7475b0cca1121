#include "base/first_detected.h"

#include <windows.h>

#include "base/text_helpers.h"
#include "base/first_seen.h"
#include "base/registry.h"
#include "base/command_line.h"
#include "base/key_values.h"

namespace {

// The store's dates have at most this many characters (FirstSeenDate's limit).
constexpr size_t kDateLength = 24;

}  // namespace

const FirstDetectedDates::Dates& FirstDetectedDates::Category(const char* category) {
    auto found = categories_.find(category);
    if (found != categories_.end()) return found->second;
    Dates& dates = categories_[category];
    UniqueHkey key = RegOpenForRead(HKEY_CURRENT_USER, std::string(kDetectedKey) + "\\" + category);
    if (!key) return dates;
    KeyValueReader reader(key.get());
    KeyValue value;
    while (reader.Next(value))
        if (value.isText && !value.name.empty())
            dates.emplace(FoldCase(value.name), std::string(value.text.substr(0, kDateLength)));
    return dates;
}

std::string FirstDetectedDates::DateOf(int itemType, std::string_view commandLine) {
    const char* category = FirstSeenCategory(itemType);
    const Dates& dates = Category(category);
    FixedText<260> file;
    ExtractProgramFile(commandLine, file);
    for (std::string_view name : {file.view(), commandLine}) {
        if (name.empty()) continue;
        auto found = dates.find(FoldCase(name));
        if (found != dates.end()) return found->second;
    }
    // Recorded under the command, as the store's first seeding records startup entries.
    RecordFirstSeen(category, commandLine);
    FixedText<25> date;
    FirstSeenDate(itemType, commandLine, date);
    if (!date.empty()) categories_[category].emplace(FoldCase(commandLine), std::string(date.view()));
    return std::string(date.view());
}
