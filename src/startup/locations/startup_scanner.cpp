#include "startup/locations/startup_scanner.h"

#include <windows.h>

#include <string>
#include <vector>

#include "base/text_helpers.h"
#include "shell/app_state.h"
#include "shell/list_store.h"
#include "shell/options.h"
#include "base/registry.h"
#include "startup/locations/advanced_locations.h"
#include "base/command_line.h"
#include "startup/disable/disabled_index.h"
#include "base/key_values.h"
#include "startup/locations/location_types.h"
#include "base/program_folders.h"
#include "startup/disable/disable_or_enable.h"
#include "base/shared_keys.h"
#include "startup/locations/startup_folder_scan.h"
#include "base/version_info.h"
#include "base/windows_version.h"

namespace {

// Run values: names and commands are cut to 512 characters.
using RunText = FixedText<513>;
// Commands kept in the Disabled store: 255 characters.
using StoredText = FixedText<256>;
// Shorter names and commands are leftovers, not startup entries.
constexpr size_t kMinRunName = 2;
constexpr size_t kMinRunCommand = 5;
constexpr size_t kWinIniValueSize = 1024;

void AppendCommand(std::string_view title, std::string_view command, int type) {
    ListStoreAppend(title, command, {}, {}, type, NamesRundll32(command) ? 1 : 0);
}

bool IsListedRunValue(std::string_view name, std::string_view command) {
    return name.size() >= kMinRunName && command.size() >= kMinRunCommand &&
           static_cast<unsigned char>(name.front()) < 128;
}

struct WroteItselfBack {
    std::string name, command;
};

// State carried across the keys of one Run-table scan.
struct RunTableScan {
    DisabledRecords disabled;
    RunText previousName, previousCommand;
    bool hasPrevious = false;

    // The same value read twice in a row is listed once.
    bool RepeatsPrevious(const RunText& name, const RunText& command) {
        bool repeated = hasPrevious && EqualsNoCase(name.view(), previousName.view()) &&
                        EqualsNoCase(command.view(), previousCommand.view());
        previousName = name.view();
        previousCommand = command.view();
        hasPrevious = true;
        return repeated;
    }
};

void ScanRunKey(RunTableScan& scan, const RunTableHive& hive, int position) {
    const int type = hive.base + position + 1;
    std::vector<WroteItselfBack> wroteBack;
    RunText defaultCommand;
    {
        UniqueHkey key = RegOpenForRead(hive.root, std::string(hive.prefix) + kRunTableKeys[position]);
        if (!key) return;
        // A key that Windows shares between the views (Policies) was read as the native one.
        if (&hive == &kWow64RunHive && IsNativeKeyBehindWow64Path(key.get())) return;
        KeyValueReader reader(key.get());
        KeyValue value;
        while (reader.Next(value)) {
            if (!value.isText) continue;  // numbers and binary data start nothing
            RunText name(value.name), command(value.text);
            if (scan.RepeatsPrevious(name, command)) continue;
            if (value.name.empty()) {
                defaultCommand = command.view();
                continue;
            }
            // Recorded as disabled and back in a Run key: the disabling code decides whether it
            // is that very entry (and not one that only shares its title) and disables it again.
            if (scan.disabled.TypeOf(value.name) != 0) {
                wroteBack.push_back({std::string(value.name), std::string(value.text)});
                continue;
            }
            if (IsListedRunValue(name.view(), command.view())) AppendCommand(name.view(), command.view(), type);
        }
    }
    // After the enumeration: removing values while enumerating would skip the next one.
    for (const WroteItselfBack& entry : wroteBack) {
        if (DisableRunEntryAgain(entry.name, entry.command, type)) continue;  // listed from the Disabled store
        // Still in its key: listed here, so that nothing that runs is hidden.
        RunText name(entry.name), command(entry.command);
        if (IsListedRunValue(name.view(), command.view())) AppendCommand(name.view(), command.view(), type);
    }
    if (!defaultCommand.empty()) AppendCommand("(Default)", defaultCommand.view(), type);
}

void ScanRunHive(RunTableScan& scan, const RunTableHive& hive) {
    for (int position = 0; position < kRunTableKeyCount; ++position) ScanRunKey(scan, hive, position);
}

// win.ini [windows] run= (101) and load= (100): ";"-separated programs.
void ScanWinIni() {
    const struct { const char* key; int type; } entries[] = {
        {"run", kLocationWinIniRun},
        {"load", kLocationWinIniLoad},
    };
    for (const auto& entry : entries) {
        char value[kWinIniValueSize] = {};
        GetProfileStringA("windows", entry.key, "", value, sizeof(value));
        std::string_view rest(value, BoundedLength(value, sizeof(value)));
        while (!rest.empty()) {
            size_t semi = rest.find(';');
            std::string_view piece = rest.substr(0, semi);
            while (!piece.empty() && (piece.front() == ' ' || piece.front() == '\t')) piece.remove_prefix(1);
            while (!piece.empty() && (piece.back() == ' ' || piece.back() == '\t')) piece.remove_suffix(1);
            if (!piece.empty()) {
                FixedText<MAX_PATH> file;
                VersionInfo version;
                ExtractProgramFile(piece, file);
                std::string_view title;
                if (!file.empty() && ReadVersionInfo(file.view(), version)) title = version.productName.view();
                AppendCommand(title, piece, entry.type);
            }
            if (semi == std::string_view::npos) break;
            rest.remove_prefix(semi + 1);
        }
    }
}

// The entries the user disabled: their commands from the Disabled store, and the
// shortcuts moved to <program folder>\Disabled.
void ScanDisabledEntries() {
    const DisabledRecords disabled = CurrentDisabledRecords();
    for (const char* subkey : kDisabledCommandKeys) {
        UniqueHkey key = OpenDisabledStore(subkey);
        if (!key) continue;
        KeyValueReader reader(key.get());
        KeyValue value;
        while (reader.Next(value)) {
            if (value.name.empty() || !value.isText) continue;
            StoredText name(value.name), command(value.text);
            long type = disabled.TypeOf(value.name);
            if (type > 0) AppendCommand(name.view(), command.view(), int(type));
        }
    }
    FixedText<MAX_PATH> folder;
    if (ProgramFolder(folder) > 0 && folder.size() + 1 + std::char_traits<char>::length(kDisabledFolderName) < MAX_PATH) {
        folder.append("\\");
        folder.append(kDisabledFolderName);
        ListStartupFolderEntries(folder.view());
    }
}

bool ReadAdvancedLocations(bool respectAdvancedOption) {
    return !respectAdvancedOption || ReadOption("ShowAllStartup", 0) > 0;
}

}  // namespace

void ScanRunTable() {
    RunTableScan scan;
    scan.disabled = CurrentDisabledRecords();
    ScanRunHive(scan, kMachineRunHive);
    ScanRunHive(scan, kUserRunHive);
    if (IsWindows64()) ScanRunHive(scan, kWow64RunHive);
}

void ScanStartupLocations(bool respectAdvancedOption) {
    ListStoreClear();
    ScanRunTable();
    ScanStartupFolders();
    ScanWinIni();
    ScanDisabledEntries();
    if (!ReadAdvancedLocations(respectAdvancedOption)) return;
    if (IsWindowsNT()) ScanWinlogonLocations();
    ScanAdvancedLocations();
}
