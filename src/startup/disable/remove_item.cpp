#include "startup/disable/remove_item.h"

#include <string>

#include "shell/app_state.h"
#include "shell/history.h"
#include "shell/list_store.h"
#include "shell/confirm_system_file.h"
#include "startup/disable/disabled_record.h"
#include "startup/disable/moved_shortcuts.h"
#include "startup/locations/location_types.h"
#include "shell/removal_report.h"
#include "startup/locations/run_entries.h"
#include "startup/disable/startup_change_record.h"
#include "startup/locations/system_entries.h"
#include "base/text_helpers.h"
#include "startup/locations/win_ini_entries.h"

namespace {

// History event codes of the removals (the history file's event table).
constexpr int kEventStartRemove = 0;
constexpr int kEventResetUserinit = 21;
constexpr int kEventResetShell = 22;
constexpr int kEventRemoveTaskScheduler = 23;
constexpr int kEventRemoveDelayLoad = 24;
constexpr int kEventRemoveShellExecuteHook = 25;

// What was removed, for the history line and the report: the entry's own
// title and its command as it was stored.
struct Removed {
    std::string title, command;
};

bool RemoveRecord(const DisabledRecord& record, Removed& removed) {
    if (!DeleteDisabledRecord(record)) return false;
    removed = {std::string(record.title.view()), std::string(record.command.Text())};
    return true;
}

bool RemoveRunEntry(std::string_view title, int type, Removed& removed) {
    DisabledRecord record;
    if (FindDisabledRow(title, type, record)) return RemoveRecord(record, removed);
    RunKey key;
    RawValue command;
    if (!RunKeyOf(type, key) || !ReadRunValue(key, title, command) || !DeleteRunValue(key, title)) return false;
    removed = {std::string(title), std::string(command.Text())};
    return true;
}

bool RemoveWinIniEntry(std::string_view title, std::string_view file, int type, Removed& removed) {
    WinIniPiece live;
    bool running = FindWinIniPiece(WinIniEntryOf(type), file, live);
    DisabledRecord record;
    if (FindDisabledRow(title, type, record) && (!running || PieceNames(record.command.Text(), file)))
        return RemoveRecord(record, removed);
    if (!running || !TakeOutOfWinIni(WinIniEntryOf(type), live.view())) return false;
    removed = {std::string(title), std::string(live.view())};
    return true;
}

// The common end of a removal from the Run table, win.ini or a Startup folder.
// listed is the command as a scan lists it (the name the approved baseline uses).
void AfterStartupRemoval(const Removed& removed, std::string_view listed, std::string_view detail, int type) {
    bool ownEntry = ContainsNoCase(removed.title, "Sentrivox") || ContainsNoCase(removed.command, "Sentrivox");
    if (!ownEntry) WriteHistory(removed.title, removed.command, detail, type, kEventStartRemove);
    ForgetStartupChange(removed.command, removed.title);
    if (listed != removed.command) ForgetStartupChange(listed, {});
    ReportRemoval(removed.title, removed.command);
}

bool ResetWinlogon(std::string_view title, std::string_view path, int type) {
    std::string previous;
    if (!ResetWinlogonValue(type, previous)) return false;
    std::string value = type == kLocationUserinit ? DefaultUserinit() : std::string(kDefaultShell);
    RecordStartupChange(value, type, HKEY_LOCAL_MACHINE);
    // The value it replaced goes into the line's detail: the only trace of it left.
    WriteHistory(title, path, previous, type, type == kLocationUserinit ? kEventResetUserinit : kEventResetShell);
    return true;
}

int ShellObjectEvent(int type) {
    switch (type) {
        case kLocationDelayLoad: return kEventRemoveDelayLoad;
        case kLocationSharedTaskScheduler: return kEventRemoveTaskScheduler;
        case kLocationShellExecuteHooks: return kEventRemoveShellExecuteHook;
        default: return kEventStartRemove;  // AppInit DLLs
    }
}

bool RemoveProtectedEntry(std::string_view title, std::string_view path, std::string_view detail, int type) {
    ListRow item;
    item.title = title;
    item.path = path;
    item.detail = detail;
    item.typeCode = type;
    // Owned by the window the user works in (the sheet), so that it waits for the answer.
    HWND owner = GetActiveWindow();
    if (!ConfirmSystemFile(owner ? owner : g_app.mainWindow, item)) return false;
    bool removed = type == kLocationAppInit ? RemoveAppInitDll(path) : RemoveShellObject(type, title, detail);
    if (removed) WriteHistory(title, path, detail, type, ShellObjectEvent(type));
    return removed;
}

}  // namespace

bool RemoveItem(std::string_view title, std::string_view path, std::string_view detail, int type) {
    Removed removed;
    bool done = false;
    if (IsRunTableType(type)) {
        done = RemoveRunEntry(title, type, removed);
    } else {
        switch (type) {
            case kLocationWinIniLoad:
            case kLocationWinIniRun:
                done = RemoveWinIniEntry(title, path, type, removed);
                break;
            case kLocationStartupFolder:
                done = DeleteStartupShortcut(detail);
                removed = {std::string(title), std::string(path)};
                break;
            case kLocationUserinit:
            case kLocationShell:
                return ResetWinlogon(title, path, type);
            case kLocationDelayLoad:
            case kLocationSharedTaskScheduler:
            case kLocationShellExecuteHooks:
            case kLocationAppInit:
                return RemoveProtectedEntry(title, path, detail, type);
            default:
                return false;  // Winlogon Notify entries are disabled, never removed
        }
    }
    if (done) AfterStartupRemoval(removed, path, detail, type);
    return done;
}

bool RemoveItem(const ListRow& item) {
    return RemoveItem(item.title.view(), item.path.view(), item.detail.view(), item.typeCode);
}
