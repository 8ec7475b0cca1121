#include "startup/disable/disable_or_enable.h"

#include "shell/list_store.h"
#include "startup/disable/disabled_record.h"
#include "startup/disable/moved_shortcuts.h"
#include "startup/locations/location_types.h"
#include "startup/locations/run_entries.h"
#include "startup/locations/win_ini_entries.h"
#include "startup/locations/winlogon_notify.h"

namespace {

// Types 26 and 27 (the Wow6432Node RunOnce\Setup and Policies Run) are listed
// but never disabled here; a record of them can still be enabled.
bool CanDisableRunType(int type) { return IsRunTableType(type) && type != 26 && type != 27; }

bool DisableRunEntry(std::string_view title, int type) {
    RunKey key;
    DisabledRecord record;
    if (!CanDisableRunType(type) || !RunKeyOf(type, key) || !ReadRunValue(key, title, record.command)) return false;
    record.name = FreeDisabledName(title);
    if (record.name.empty()) return false;
    record.title = title;
    record.type = type;
    if (!WriteDisabledRecord(record)) return false;
    if (DeleteRunValue(key, title)) return true;
    DeleteDisabledRecord(record);  // it still runs: not disabled after all
    return false;
}

bool EnableRunEntry(const DisabledRecord& record) {
    RunKey key;
    if (!RunKeyOf(record.type, key)) return false;
    bool written = false;
    FixedText<256> name = PutRunValue(key, record.title.view(), record.command, &written);
    if (name.empty()) return false;
    if (DeleteDisabledRecord(record)) return true;
    if (written) DeleteRunValue(key, name.view());  // still recorded: it stays disabled
    return false;
}

bool DisableWinIniEntry(std::string_view title, const WinIniPiece& piece, int type) {
    DisabledRecord record;
    record.name = FreeDisabledName(title);
    if (record.name.empty()) return false;
    record.title = title;
    record.type = type;
    record.command = RawValue::FromText(piece.view());
    if (!WriteDisabledRecord(record)) return false;
    if (TakeOutOfWinIni(WinIniEntryOf(type), piece.view())) return true;
    DeleteDisabledRecord(record);
    return false;
}

bool EnableWinIniEntry(const DisabledRecord& record) {
    const char* entry = WinIniEntryOf(record.type);
    if (!entry || !PutIntoWinIni(entry, record.command.Text())) return false;
    if (DeleteDisabledRecord(record)) return true;
    TakeOutOfWinIni(entry, record.command.Text());
    return false;
}

// A win.ini title may be shared by two programs of the entry: the record is
// this row's when it holds this program, or when the program is not in win.ini.
bool ToggleWinIniEntry(std::string_view title, std::string_view file, int type) {
    WinIniPiece live;
    bool running = FindWinIniPiece(WinIniEntryOf(type), file, live);
    DisabledRecord record;
    if (FindDisabledRow(title, type, record)) {
        if (!running || PieceNames(record.command.Text(), file)) return EnableWinIniEntry(record);
    }
    return running && DisableWinIniEntry(title, live, type);
}

bool ToggleRecorded(std::string_view title, int type, bool (*enable)(const DisabledRecord&),
                    bool (*disable)(std::string_view, int)) {
    DisabledRecord record;
    if (FindDisabledRow(title, type, record)) return enable(record);
    return disable(title, type);
}

bool DisableNotify(std::string_view title, int) { return DisableNotifyPackage(title); }

}  // namespace

bool DisableItem(std::string_view title, std::string_view file, int type) {
    if (IsRunTableType(type)) return ToggleRecorded(title, type, EnableRunEntry, DisableRunEntry);
    switch (type) {
        case kLocationWinIniLoad:
        case kLocationWinIniRun:
            return ToggleWinIniEntry(title, file, type);
        case kLocationStartupFolder:
            return IsInDisabledShortcutFolder(file) ? EnableShortcut(file) : DisableShortcut(file);
        case kLocationNotify:
            return ToggleRecorded(title, type, EnableNotifyPackage, DisableNotify);
        default:
            return false;  // Winlogon, shell objects, AppInit: removed or reset only
    }
}

bool DisableItem(const ListRow& item) {
    std::string_view file = item.typeCode == kLocationStartupFolder ? item.detail.view() : item.path.view();
    return DisableItem(item.title.view(), file, item.typeCode);
}

bool DisableRunEntryAgain(std::string_view name, std::string_view, int type) {
    RunKey key;
    DisabledRecord record;
    RawValue present;
    if (!RunKeyOf(type, key) || !FindDisabledEntry(name, type, record)) return false;
    if (!ReadRunValue(key, name, present)) return !RawValueExists(key.root, key.path.view(), name, LocationView());
    // The command it wrote back is the one it runs with now; the store keeps that one.
    if (!(present == record.command) && !UpdateDisabledCommand(record, present)) return false;
    return DeleteRunValue(key, name);
}
