// The Options page's reports, history and export, one entry point each, so
// that the pieces behind them plug in here without touching the page.
#pragma once

#include <windows.h>

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
