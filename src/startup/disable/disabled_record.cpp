#include "startup/disable/disabled_record.h"

#include <string>
#include <vector>

#include "base/key_values.h"
#include "base/text_helpers.h"
#include "shell/options.h"
#include "base/unique_resource.h"
#include "startup/disable/disabled_index.h"
#include "startup/locations/location_types.h"

namespace {

// "<title> (2)" up to this number; a title disabled more often than that is refused.
constexpr int kMaxSameTitle = 99;

std::string CommandKeyPath(int type) {
    const char* subkey = DisabledCommandKey(type);
    return subkey ? std::string(kDisabledStoreKey) + "\\" + subkey : std::string();
}

bool ReadOrigin(std::string_view name, FixedText<MAX_PATH>& out) {
    RawValue value;
    out.clear();
    if (!ReadRawValue(HKEY_LOCAL_MACHINE, kDisabledOriginKey, name, kStoreView, value) || !value.IsText()) return false;
    out = value.Text();
    return !out.empty();
}

// The names that DisabledOrigin maps to a title.
std::vector<std::string> OriginNamesOf(std::string_view title) {
    std::vector<std::string> names;
    UniqueHkey key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kDisabledOriginKey, 0, KEY_READ | kStoreView, key.put()) != ERROR_SUCCESS)
        return names;
    KeyValueReader reader(key.get());
    KeyValue value;
    while (reader.Next(value)) {
        // Too long or odd: no title of ours.
        if (value.type != REG_SZ || value.name.size() >= StoredName::capacity() || value.text.size() >= MAX_PATH - 1)
            continue;
        if (EqualsNoCase(value.text, title)) names.emplace_back(value.name);
    }
    return names;
}

void TakeBack(const DisabledRecord& record, bool command, bool origin) {
    if (command) DeleteRawValue(HKEY_LOCAL_MACHINE, CommandKeyPath(record.type), record.name.view(), kStoreView);
    if (origin) DeleteRawValue(HKEY_LOCAL_MACHINE, kDisabledOriginKey, record.name.view(), kStoreView);
}

}  // namespace

const char* DisabledCommandKey(int type) {
    const RunTableHive* hive = nullptr;
    int position = 0;
    if (RunTableLocation(type, hive, position)) return kDisabledCommandKeys[position];
    switch (type) {
        case kLocationWinIniLoad: return kDisabledCommandKeys[7];
        case kLocationWinIniRun: return kDisabledCommandKeys[8];
        case kLocationNotify: return kDisabledNotifyKey;
        default: return nullptr;
    }
}

long RecordedType(std::string_view name) {
    RawValue value;
    if (name.empty() || !ReadRawValue(HKEY_LOCAL_MACHINE, kDisabledStoreKey, name, kStoreView, value)) return 0;
    return value.IsText() ? ParseOptionText(value.Text()) : 0;
}

bool FindDisabledRecord(std::string_view name, int type, DisabledRecord& out) {
    out = DisabledRecord();
    if (name.empty() || name.size() >= StoredName::capacity() || type <= 0 || RecordedType(name) != type) return false;
    out.name = name;
    out.type = type;
    out.title = name;
    FixedText<MAX_PATH> origin;
    if (ReadOrigin(name, origin)) {
        if (type == 200) out.origin = origin.view();
        else out.title = origin.view();
    }
    std::string commandKey = CommandKeyPath(type);
    if (!commandKey.empty()) {
        // A record whose command is gone cannot be put back; it is no record.
        if (!ReadRawValue(HKEY_LOCAL_MACHINE, commandKey, name, kStoreView, out.command) || !out.command.IsText())
            return false;
    }
    return true;
}

bool FindDisabledEntry(std::string_view title, int type, DisabledRecord& out) {
    if (FindDisabledRecord(title, type, out) && EqualsNoCase(out.title.view(), title)) return true;
    if (type == 200) return false;  // shortcuts are found by their file, not by title
    for (const std::string& name : OriginNamesOf(title))
        if (FindDisabledRecord(name, type, out)) return true;
    out = DisabledRecord();
    return false;
}

bool FindDisabledRow(std::string_view title, int type, DisabledRecord& out) {
    return FindDisabledRecord(title, type, out) || FindDisabledEntry(title, type, out);
}

bool IsDisabledEntry(std::string_view title, int type) {
    DisabledRecord record;
    return FindDisabledEntry(title, type, record);
}

StoredName FreeDisabledName(std::string_view title, const std::function<bool(std::string_view)>& alsoTaken) {
    if (title.empty() || title.size() >= StoredName::capacity()) return {};
    for (int n = 1; n <= kMaxSameTitle; ++n) {
        std::string candidate(title);
        if (n > 1) {
            std::string suffix = " (" + std::to_string(n) + ")";
            if (candidate.size() + suffix.size() >= StoredName::capacity()) return {};
            candidate += suffix;
        }
        if (RawValueExists(HKEY_LOCAL_MACHINE, kDisabledStoreKey, candidate, kStoreView)) continue;
        if (alsoTaken && alsoTaken(candidate)) continue;
        return StoredName(candidate);
    }
    return {};
}

bool WriteDisabledRecord(const DisabledRecord& record) {
    if (record.name.empty() || record.type <= 0) return false;
    std::string commandKey = CommandKeyPath(record.type);
    if (!commandKey.empty() &&
        !WriteRawValue(HKEY_LOCAL_MACHINE, commandKey, record.name.view(), kStoreView, record.command)) {
        TakeBack(record, true, false);
        return false;
    }
    std::string_view origin = record.type == 200 ? record.origin.view()
                              : EqualsNoCase(record.name.view(), record.title.view()) ? std::string_view()
                                                                                      : record.title.view();
    bool originOk = origin.empty()
                        ? DeleteRawValue(HKEY_LOCAL_MACHINE, kDisabledOriginKey, record.name.view(), kStoreView)
                        : WriteRawValue(HKEY_LOCAL_MACHINE, kDisabledOriginKey, record.name.view(), kStoreView,
                                        RawValue::FromText(origin));
    // Last the type: only a record that is whole counts as a disabled entry.
    if (!originOk || !WriteRawValue(HKEY_LOCAL_MACHINE, kDisabledStoreKey, record.name.view(), kStoreView,
                                    RawValue::FromText(std::to_string(record.type)))) {
        DeleteRawValue(HKEY_LOCAL_MACHINE, kDisabledStoreKey, record.name.view(), kStoreView);
        TakeBack(record, !commandKey.empty(), !origin.empty());
        return false;
    }
    return true;
}

bool UpdateDisabledCommand(const DisabledRecord& record, const RawValue& command) {
    std::string commandKey = CommandKeyPath(record.type);
    return !commandKey.empty() &&
           WriteRawValue(HKEY_LOCAL_MACHINE, commandKey, record.name.view(), kStoreView, command);
}

bool DeleteDisabledRecord(const DisabledRecord& record) {
    if (!DeleteRawValue(HKEY_LOCAL_MACHINE, kDisabledStoreKey, record.name.view(), kStoreView)) return false;
    TakeBack(record, !CommandKeyPath(record.type).empty(), true);
    return true;
}
