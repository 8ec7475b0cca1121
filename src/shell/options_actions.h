// The Options page's reports, history, export and HOSTS buttons, one entry
// point each. The reports and the export belong to later subsystems, and the
// history viewer may be replaced by one that lists and reverses events: each
// registers its action at start (src/app). An action that is not registered
// does what the page did before it existed.
#pragma once

#include <windows.h>

#include <functional>

struct OptionsActions {
    std::function<void(HWND owner)> viewHistory;        // unset: history.txt opened as a text file
    std::function<void(HWND owner)> exportSettings;     // unset: nothing happens
    std::function<void(HWND owner)> systemReport;       // unset: nothing happens
    std::function<void(HWND owner)> scanLog;            // unset: nothing happens
    std::function<void(HWND owner)> spreadsheetReport;  // unset: nothing happens
};

// Replaces the registered actions.
void SetOptionsActions(OptionsActions actions);

// "&View History...": the history of events (history.txt in the program folder).
void OpenHistoryViewer(HWND owner);
// "E&xport Settings": the settings as a registry script in the program folder.
void RunSettingsExport(HWND owner);
// "Sentrivox &Log": the system report.
void RunSystemReport(HWND owner);
// "&Hijack Log": the scan log HijackWarden.log in the program folder.
void RunScanLog(HWND owner);
// "&Spreadsheet Report": SentrivoxLog.csv in the program folder.
void RunSpreadsheetReport(HWND owner);
// "View &HOSTS File": the HOSTS file in Notepad, or a note that there is none.
void ViewHostsFile();
