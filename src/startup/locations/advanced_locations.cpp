#include "startup/locations/advanced_locations.h"

#include <windows.h>

#include <string>

#include "base/clsid_server.h"
#include "base/command_line.h"
#include "base/key_values.h"
#include "base/registry.h"
#include "shell/list_store.h"
#include "startup/disable/disabled_index.h"
#include "startup/disable/disabled_record.h"
#include "startup/locations/location_types.h"
#include "startup/locations/system_entries.h"
#include "startup/locations/winlogon_notify.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The text after position at, leading blanks skipped; or the text before it when nothing follows.
bool ProgramAround(std::string_view value, size_t at, FixedText<1024>& file) {
    file.clear();
    if (at == std::string_view::npos) return false;
    std::string_view after = value.substr(at + 1);
    while (!after.empty() && IsBlank(after.front())) after.remove_prefix(1);
    file = after.empty() ? value.substr(0, at) : after;
    return !file.empty();
}

void Append(std::string_view title, std::string_view path, std::string_view detail, int type) {
    ListStoreAppend(title, path, detail, {}, type, NamesRundll32(path) ? 1 : 0);
}

// ShellServiceObjectDelayLoad: name = the object's name, data = its class id.
void ListDelayLoadObjects() {
    UniqueHkey key = RegOpenForRead(HKEY_LOCAL_MACHINE, kDelayLoadKey);
    if (!key) return;
    KeyValueReader reader(key.get());
    KeyValue value;
    FixedText<MAX_PATH> dll;
    while (reader.Next(value)) {
        if (value.name.empty() || !value.isText) continue;
        if (ClsidServerPath(value.text, dll)) Append(value.name, dll.view(), value.text, kLocationDelayLoad);
    }
}

// SharedTaskScheduler and ShellExecuteHooks: name = the class id, data = its description.
void ListClassHooks(const char* keyPath, int type) {
    UniqueHkey key = RegOpenForRead(HKEY_LOCAL_MACHINE, keyPath);
    if (!key) return;
    KeyValueReader reader(key.get());
    KeyValue value;
    FixedText<MAX_PATH> dll;
    while (reader.Next(value)) {
        if (value.name.empty()) continue;
        if (ClsidServerPath(value.name, dll)) Append(value.text, dll.view(), value.name, type);
    }
}

void ListAppInitDlls() {
    FixedText<1024> list;
    if (RegReadString(kAppInitKey, kAppInitValue, HKEY_LOCAL_MACHINE, list) <= 0) return;
    std::string_view rest = list.view();
    while (!rest.empty()) {
        size_t end = rest.find_first_of(", ");
        std::string_view name = rest.substr(0, end);
        if (!name.empty()) Append({}, name, {}, kLocationAppInit);
        if (end == std::string_view::npos) break;
        rest.remove_prefix(end + 1);
    }
}

// A package whose DllName was emptied by a disable keeps its DLL in OldName; it is
// listed from there so that it can be enabled again.
void ListNotifyPackages() {
    UniqueHkey key = RegOpenForRead(HKEY_LOCAL_MACHINE, kWinlogonNotifyKey);
    if (!key) return;
    const DisabledRecords& disabled = CurrentDisabledRecords();
    // Recorded under its own name, or under a further name of it when another
    // disabled entry held the name first.
    auto recorded = [&](const std::string& name) {
        return disabled.TypeOf(name) == kLocationNotify || IsDisabledEntry(name, kLocationNotify);
    };
    FixedText<1024> dll;
    for (const std::string& name : SubkeyNames(key.get())) {
        std::string package = std::string(kWinlogonNotifyKey) + "\\" + name;
        if (RegReadString(package, "DllName", HKEY_LOCAL_MACHINE, dll) > 0 ||
            (recorded(name) && RegReadString(package, "OldName", HKEY_LOCAL_MACHINE, dll) > 0))
            Append(name, dll.view(), {}, kLocationNotify);
    }
}

}  // namespace

bool UserinitProgram(std::string_view value, FixedText<1024>& file) { return ProgramAround(value, value.find(','), file); }

bool ShellProgram(std::string_view value, FixedText<1024>& file) { return ProgramAround(value, value.find(' '), file); }

void ScanWinlogonLocations() {
    FixedText<1024> value, file;
    if (RegReadString(kWinlogonKey, "Userinit", HKEY_LOCAL_MACHINE, value) > 0 && UserinitProgram(value.view(), file))
        Append("Winlogon Userinit", file.view(), {}, kLocationUserinit);
    if (RegReadString(kWinlogonKey, "Shell", HKEY_LOCAL_MACHINE, value) > 0 && ShellProgram(value.view(), file))
        Append("Winlogon Shell", file.view(), {}, kLocationShell);
}

void ScanAdvancedLocations() {
    ListDelayLoadObjects();
    ListClassHooks(kSharedTaskSchedulerKey, kLocationSharedTaskScheduler);
    ListClassHooks(kShellExecuteHooksKey, kLocationShellExecuteHooks);
    ListAppInitDlls();
    ListNotifyPackages();
}
