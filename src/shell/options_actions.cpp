#include "shell/options_actions.h"

#include <shellapi.h>

#include "res/resource_ids.h"
#include "shell/history.h"
#include "shell/messages.h"
#include "startup/file_search.h"

// Until the History dialog lists and reverses events, the file is shown as it
// is, in the program the system opens text files with.
void OpenHistoryViewer(HWND owner) {
    FixedText<MAX_PATH> path;
    if (HistoryFilePath(path) <= 0 || !FileExists(path.view())) {
        ShowProgramMessage(IDS_FILE_NOT_FOUND, MB_OK | MB_ICONINFORMATION);
        return;
    }
    ShellExecuteA(owner, "open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

// The export and the reports are written by their own pieces; these buttons
// stay without effect until those are in.
void RunSettingsExport(HWND) {}
void RunSystemReport(HWND) {}
void RunScanLog(HWND) {}
void RunSpreadsheetReport(HWND) {}
