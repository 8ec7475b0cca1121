#include "startup/delayed/delay_values.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "base/key_values.h"
#include "res/resource_ids.h"
#include "shell/list_store.h"
#include "shell/load_text.h"
#include "base/registry.h"
#include "base/command_line.h"
#include "base/raw_values.h"
#include "base/text_helpers.h"

namespace {

constexpr int kSecondsPerMinute = 60;

}  // namespace

const char* DelayKeyOf(DelayValue which) {
    switch (which) {
        case DelayValue::Type: return kDelayKey;
        case DelayValue::Time: return "Software\\Orvik Studios\\Sentrivox\\Delay\\Time";
        case DelayValue::Title: return "Software\\Orvik Studios\\Sentrivox\\Delay\\Title";
        case DelayValue::Parameters: return "Software\\Orvik Studios\\Sentrivox\\Delay\\Parameters";
        case DelayValue::Shortcuts: return "Software\\Orvik Studios\\Sentrivox\\Delay\\Shortcuts";
        case DelayValue::Applet: return "Software\\Orvik Studios\\Sentrivox\\Delay\\Applet";
        case DelayValue::OpenAs: return "Software\\Orvik Studios\\Sentrivox\\Delay\\OpenAs";
    }
    return kDelayKey;
}

HKEY StartupHive(int flag) { return flag == kDelayHiveUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE; }
HKEY StartupHive(const ListRow& item) { return StartupHive(item.flag); }
int HiveFlagOf(HKEY hive) { return hive == HKEY_CURRENT_USER ? kDelayHiveUser : kDelayHiveMachine; }

int ReadDelayValue(HKEY hive, DelayValue which, std::string_view path, char* out, size_t size) {
    CopyBounded(out, size, {});
    RawValue value;
    if (path.empty() || !ReadRawValue(hive, DelayKeyOf(which), path, LocationView(), value)) return 0;
    return int(CopyBounded(out, size, value.Text()));
}

bool WriteDelayValue(HKEY hive, DelayValue which, std::string_view path, std::string_view text) {
    return !path.empty() && WriteRawValue(hive, DelayKeyOf(which), path, LocationView(), RawValue::FromText(text));
}

bool DelayValueExists(HKEY hive, DelayValue which, std::string_view path) {
    return !path.empty() && RawValueExists(hive, DelayKeyOf(which), path, LocationView());
}

bool RemoveDelayValue(HKEY hive, DelayValue which, std::string_view path) {
    return DeleteRawValue(hive, DelayKeyOf(which), path, LocationView());
}

int ReadDelaySeconds(HKEY hive, std::string_view path) {
    FixedText<24> text;
    if (ReadDelayValue(hive, DelayValue::Time, path, text) <= 0) return 0;
    long seconds = std::strtol(text.c_str(), nullptr, 10);
    // A negative or absurd number is no delay the list can show.
    if (seconds < 0) return 0;
    return seconds > 0x7FFFFFFFL ? 0x7FFFFFFF : int(seconds);
}

bool FindDelayEntryName(HKEY hive, std::string_view path, FixedText<MAX_PATH>& name) {
    name.clear();
    if (path.empty()) return false;
    if (DelayValueExists(hive, DelayValue::Type, path)) {
        name = path;
        return true;
    }
    // The list shows the name without quotes and in its long form; look for
    // the stored name that reads as this one.
    UniqueHkey key = RegOpenForRead(hive, kDelayKey);
    if (!key) return false;
    KeyValueReader reader(key.get());
    KeyValue value;
    while (reader.Next(value)) {
        if (value.name.size() >= MAX_PATH) continue;  // too long to be a listed entry
        std::string_view stored = value.name;
        FixedText<MAX_PATH> plain, shown;
        StripQuotes(stored, plain);
        if (plain.size() >= 4) LongPathOf(plain.view(), shown);
        else shown = plain.view();
        if (EqualsNoCase(shown.view(), path) || EqualsNoCase(plain.view(), path)) {
            name = stored;
            return true;
        }
    }
    return false;
}

FixedText<64> DelayTimeText(int seconds) {
    if (seconds < 0) seconds = 0;
    FixedText<16> minutes, secondsUnit;
    LoadText(IDS_MIN, minutes);
    LoadText(IDS_SEC, secondsUnit);
    char text[64];
    if (seconds < kSecondsPerMinute)
        std::snprintf(text, sizeof(text), "%d %s", seconds, secondsUnit.c_str());
    else
        std::snprintf(text, sizeof(text), "%d %s : %d %s", seconds / kSecondsPerMinute, minutes.c_str(),
                      seconds % kSecondsPerMinute, secondsUnit.c_str());
    return FixedText<64>(text);
}
