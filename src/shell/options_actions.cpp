#include "shell/options_actions.h"

#include <shellapi.h>

#include "base/file_search.h"
#include "res/resource_ids.h"
#include "shell/app_state.h"
#include "shell/history.h"
#include "shell/messages.h"

namespace {

OptionsActions& Actions() {
    static OptionsActions actions;
    return actions;
}

void Run(const std::function<void(HWND)>& action, HWND owner) {
    if (action) action(owner);
}

}  // namespace

void SetOptionsActions(OptionsActions actions) { Actions() = std::move(actions); }

// Until a History dialog lists and reverses events, the file is shown as it
// is, in the program the system opens text files with.
void OpenHistoryViewer(HWND owner) {
    if (Actions().viewHistory) {
        Actions().viewHistory(owner);
        return;
    }
    FixedText<MAX_PATH> path;
    if (HistoryFilePath(path) <= 0 || !FileExists(path.view())) {
        ShowProgramMessage(IDS_FILE_NOT_FOUND, MB_OK | MB_ICONINFORMATION);
        return;
    }
    ShellExecuteA(owner, "open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void RunSettingsExport(HWND owner) { Run(Actions().exportSettings, owner); }
void RunSystemReport(HWND owner) { Run(Actions().systemReport, owner); }
void RunScanLog(HWND owner) { Run(Actions().scanLog, owner); }
void RunSpreadsheetReport(HWND owner) { Run(Actions().spreadsheetReport, owner); }

void ViewHostsFile() {
    FixedText<MAX_PATH> hosts, folder;
    HostsFilePath(hosts);
    if (hosts.empty() || !FileExists(hosts.view())) {
        ShowProgramMessage(IDS_NO_HOSTS_FILE, MB_OK | MB_ICONINFORMATION);
        return;
    }
    FolderOfPath(hosts.view(), folder);
    ShellExecuteA(g_app.mainWindow, "open", "notepad.exe", hosts.c_str(), folder.c_str(), SW_SHOWNORMAL);
}
