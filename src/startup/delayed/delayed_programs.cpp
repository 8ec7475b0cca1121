#include "startup/delayed/delayed_programs.h"

#include <cstdlib>
#include <string>
#include <vector>

#include "base/key_values.h"
#include "res/resource_ids.h"
#include "shell/list_store.h"
#include "shell/messages.h"
#include "base/file_search.h"
#include "base/registry.h"
#include "startup/delayed/delay_values.h"
#include "startup/delayed/delayed_command.h"
#include "startup/locations/location_types.h"
#include "startup/disable/remove_item.h"
#include "startup/disable/restore_item.h"
#include "startup/disable/startup_change_record.h"
#include "base/text_helpers.h"
#include "base/version_info.h"

namespace {

// The mark in the record of startup changes for a program moved to delayed start.
constexpr int kMovedToDelayedMark = 1103;
// The hive of a moved entry: HKEY_CURRENT_USER from the HKCU Run keys on.
constexpr int kFirstUserType = 11;
constexpr const char* kOwnProgram = "sentrivox.exe";
// A Windows component's product name; its file description names it better.
constexpr const char* kWindowsProduct = "Microsoft\xAE Windows\xAE";

// Every location the move accepts has a way back; the advanced locations
// (Winlogon, shell objects, AppInit) are never delayed.
bool CanDelayType(int type) {
    return IsRunTableType(type) || type == kLocationWinIniLoad || type == kLocationWinIniRun ||
           type == kLocationStartupFolder;
}

// The value names of one hive's Delay key; names too long for a path are left out.
std::vector<FixedText<MAX_PATH>> DelayedNames(HKEY hive) {
    std::vector<FixedText<MAX_PATH>> names;
    UniqueHkey key = RegOpenForRead(hive, kDelayKey);
    if (!key) return names;
    KeyValueReader reader(key.get());
    KeyValue value;
    while (reader.Next(value))
        if (!value.name.empty() && value.name.size() < MAX_PATH) names.emplace_back(value.name);
    return names;
}

std::string_view FileNamePart(std::string_view path) { return path.substr(size_t(FileNameOffset(path))); }

FixedText<1024> DelayedTitle(HKEY hive, std::string_view path, const VersionInfo& version) {
    FixedText<1024> title;
    ReadDelayValue(hive, DelayValue::Title, path, title);
    if (title.empty()) title = version.productName.view();
    if (title.empty()) title = FileNamePart(path);
    if (ContainsNoCase(title.view(), kWindowsProduct) && !version.fileDescription.empty())
        title = version.fileDescription.view();
    return title;
}

void AppendHiveEntries(HKEY hive) {
    for (const auto& name : DelayedNames(hive)) {
        std::string_view path = name.view();
        VersionInfo version;
        ReadVersionInfo(path, version);
        FixedText<24> typeText;
        ReadDelayValue(hive, DelayValue::Type, path, typeText);
        int type = int(std::strtol(typeText.c_str(), nullptr, 10));
        FixedText<1024> title = DelayedTitle(hive, path, version);
        FixedText<MAX_PATH> detail;
        if (type == kLocationStartupFolder) ReadDelayValue(hive, DelayValue::Shortcuts, path, detail);
        else detail = title.view();
        ListStoreAppend(title.view(), path, detail.view(), version.companyName.view(), type, HiveFlagOf(hive));
    }
}

HKEY HiveForMove(int type, bool& declined) {
    declined = false;
    if (type >= kFirstUserType) return HKEY_CURRENT_USER;
    if (ShowProgramMessage(IDS_DELAY_ALL_USERS_WARNING, MB_OKCANCEL | MB_ICONEXCLAMATION) != IDOK) declined = true;
    return HKEY_LOCAL_MACHINE;
}

// Writes what the monitor needs to start the program; all of it or nothing.
bool WriteDelayEntry(HKEY hive, const ListRow& entry, const DelayedCommand& command) {
    std::string_view path = command.path.view();
    bool written = WriteDelayValue(hive, DelayValue::Type, path, std::to_string(entry.typeCode)) &&
                   WriteDelayValue(hive, DelayValue::Title, path, entry.title.view()) &&
                   WriteDelayValue(hive, DelayValue::Time, path, std::to_string(kDelayDefaultSeconds)) &&
                   (command.parameters.empty() ||
                    WriteDelayValue(hive, DelayValue::Parameters, path, command.parameters.view())) &&
                   (entry.detail.empty() || WriteDelayValue(hive, DelayValue::Shortcuts, path, entry.detail.view())) &&
                   (!command.applet || WriteDelayValue(hive, DelayValue::Applet, path, kDelayApplet));
    if (!written) DeleteDelayValues(path, hive);
    return written;
}

}  // namespace

void LoadDelayedList() {
    ListStoreClear();
    AppendHiveEntries(HKEY_LOCAL_MACHINE);
    AppendHiveEntries(HKEY_CURRENT_USER);
}

DelayMove MoveEntryToDelayedStart(const ListRow& entry) {
    DelayedCommand command = SplitStartupCommand(entry.path.view());
    if (ContainsNoCase(command.path.view(), kOwnProgram) || ContainsNoCase(entry.path.view(), kOwnProgram)) {
        ShowProgramMessage(IDS_CANNOT_DELAY, MB_OK | MB_ICONEXCLAMATION);
        return DelayMove::OwnEntry;
    }
    if (!CanDelayType(entry.typeCode)) {
        ShowProgramMessage(IDS_CANNOT_DELAY, MB_OK | MB_ICONEXCLAMATION);
        return DelayMove::Refused;
    }
    if (command.path.empty()) return DelayMove::Skipped;

    bool declined = false;
    HKEY hive = HiveForMove(entry.typeCode, declined);
    if (declined) return DelayMove::Skipped;
    // The store holds one entry per program and hive: a second one would
    // overwrite the first, whose startup entry is already gone.
    FixedText<MAX_PATH> existing;
    if (FindDelayEntryName(hive, command.path.view(), existing)) return DelayMove::Skipped;

    // The values of an earlier entry of the same name are not inherited.
    DeleteDelayValues(command.path.view(), hive);
    if (!WriteDelayEntry(hive, entry, command)) return DelayMove::Skipped;
    if (!RemoveItem(entry)) {
        DeleteDelayValues(command.path.view(), hive);  // it still starts from its location
        return DelayMove::Skipped;
    }
    RecordStartupChange(entry.path.view(), kMovedToDelayedMark);
    return DelayMove::Moved;
}

bool RestoreDelayed(const ListRow& item) {
    HKEY hive = StartupHive(item);
    FixedText<MAX_PATH> name;
    if (!FindDelayEntryName(hive, item.path.view(), name)) return false;
    FixedText<1024> parameters;
    FixedText<64> applet;
    ReadDelayValue(hive, DelayValue::Parameters, name.view(), parameters);
    ReadDelayValue(hive, DelayValue::Applet, name.view(), applet);

    // A shortcut holds its program as its target; a Run value has the path quoted.
    FixedText<MAX_PATH> program = PathAsOnDisk(name.view());
    std::string command = item.typeCode == kLocationStartupFolder
                              ? std::string(program.view())
                              : JoinStartupCommand(program.view(), parameters.view(), applet.view(),
                                                   IsRunTableType(item.typeCode));
    if (!RestoreItem(item.title.view(), command, item.detail.view(), item.typeCode)) return false;
    DeleteDelayValues(name.view(), hive);
    return true;
}

void RestoreAllDelayed() {
    LoadDelayedList();
    for (int row = 0; row < ListStoreCount(); ++row) RestoreDelayed(*ListStoreRow(row));
    ListStoreClear();
}

bool DeleteDelayValues(std::string_view path, HKEY hive) {
    if (path.empty()) return false;
    bool gone = true;
    for (DelayValue which : {DelayValue::Type, DelayValue::Time, DelayValue::Parameters, DelayValue::Shortcuts,
                             DelayValue::Applet, DelayValue::Title})
        gone = RemoveDelayValue(hive, which, path) && gone;
    return gone;
}

bool ForgetDelayed(const ListRow& item) {
    HKEY hive = StartupHive(item);
    FixedText<MAX_PATH> name;
    return FindDelayEntryName(hive, item.path.view(), name) && DeleteDelayValues(name.view(), hive);
}

bool AddDelayedProgram(std::string_view path, DelayStartFor startFor) {
    if (path.empty() || path.size() >= MAX_PATH) return false;
    if (startFor != kDelayForAllUsers && startFor != kDelayForCurrentUser) return false;
    HKEY hive = startFor == kDelayForAllUsers ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
    int type = startFor == kDelayForAllUsers ? kDelayAddedAllUsers : kDelayAddedCurrentUser;
    FixedText<MAX_PATH> existing;
    if (FindDelayEntryName(hive, path, existing)) return false;
    DeleteDelayValues(path, hive);  // nothing inherited from an earlier entry of this name
    if (WriteDelayValue(hive, DelayValue::Type, path, std::to_string(type)) &&
        WriteDelayValue(hive, DelayValue::Time, path, std::to_string(kDelayDefaultSeconds)))
        return true;
    DeleteDelayValues(path, hive);
    return false;
}
