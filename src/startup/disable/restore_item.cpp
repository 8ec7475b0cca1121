#include "startup/disable/restore_item.h"

#include <windows.h>
#include <objbase.h>

#include <string>

#include "base/fixed_text.h"
#include "base/unique_resource.h"
#include "startup/disable/moved_shortcuts.h"
#include "base/file_search.h"
#include "startup/locations/location_types.h"
#include "startup/locations/run_entries.h"
#include "base/shortcuts.h"
#include "startup/disable/startup_change_record.h"
#include "startup/locations/system_entries.h"
#include "base/text_helpers.h"
#include "startup/locations/win_ini_entries.h"
#include "startup/locations/winlogon_notify.h"

namespace {

bool RestoreRunEntry(std::string_view title, std::string_view command, int type) {
    RunKey key;
    if (command.empty() || !RunKeyOf(type, key)) return false;
    // A command with an environment variable only works as an expandable text.
    DWORD kind = command.find('%') != std::string_view::npos ? REG_EXPAND_SZ : REG_SZ;
    return !PutRunValue(key, title, RawValue::FromText(command, kind)).empty();
}

// The title as a file name: characters that a file name cannot hold become "_".
std::string ShortcutFileName(std::string_view title) {
    std::string name;
    for (char c : title) {
        bool bad = static_cast<unsigned char>(c) < 32 || std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos;
        name += bad ? '_' : c;
    }
    while (!name.empty() && (name.back() == ' ' || name.back() == '.')) name.pop_back();
    return name;
}

bool IsFile(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool RestoreShortcut(std::string_view title, std::string_view target, std::string_view formerShortcut) {
    FixedText<MAX_PATH> folder;
    bool formerFolder = !formerShortcut.empty() && IsInStartupFolder(formerShortcut) &&
                        !IsInDisabledShortcutFolder(formerShortcut) && FolderOfPath(formerShortcut, folder) > 0;
    if (!formerFolder && !UserStartupFolder(folder)) return false;
    std::string name = ShortcutFileName(title);
    if (name.empty() || target.empty()) return false;
    std::string shortcut;
    for (int n = 1; n < 100 && shortcut.empty(); ++n) {
        std::string candidate = std::string(folder.view()) + "\\" + name;
        if (n > 1) candidate += " (" + std::to_string(n) + ")";
        candidate += ".lnk";
        if (candidate.size() >= MAX_PATH) return false;
        if (!IsFile(candidate)) shortcut = candidate;
    }
    if (shortcut.empty()) return false;
    FixedText<MAX_PATH> workingFolder;
    FolderOfPath(target, workingFolder);
    ComScope com;
    return SUCCEEDED(CreateShortcut(shortcut, workingFolder.view(), title, target, target)) && IsFile(shortcut);
}

bool RestoreByType(std::string_view title, std::string_view path, std::string_view detail, int type) {
    if (IsRunTableType(type)) return RestoreRunEntry(title, path, type);
    switch (type) {
        case kLocationWinIniLoad:
        case kLocationWinIniRun:
            return PutIntoWinIni(WinIniEntryOf(type), path);
        case kLocationStartupFolder:
            return RestoreShortcut(title, path, detail);
        case kLocationDelayLoad:
        case kLocationSharedTaskScheduler:
        case kLocationShellExecuteHooks:
            return RestoreShellObject(type, title, detail);
        case kLocationAppInit:
            return AppendAppInitDll(path);
        case kLocationNotify:
            return RestoreNotifyPackage(title, path);
        default:
            return false;  // Userinit and Shell are reset, not restored
    }
}

}  // namespace

bool RestoreItem(std::string_view title, std::string_view path, std::string_view detail, int type) {
    if (!RestoreByType(title, path, detail, type)) return false;
    RecordStartupChange(path, type);
    return true;
}

bool ReRegisterServer(std::string_view dll) {
    if (dll.empty() || dll.size() >= MAX_PATH || dll.find('"') != std::string_view::npos) return false;
    std::string command = "regsvr32 /s \"" + std::string(dll) + "\"";
    return WinExec(command.c_str(), SW_SHOW) > 31;
}
