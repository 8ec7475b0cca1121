// Page command ids: the WM_COMMAND identifiers that name the pages. They are also
// the values of CurrentPageId and of the option StartTab, and key column widths.
#pragma once

enum PageCommand : int {
    kPageStartup = 6026,
    kPageCookies = 6028,
    kPageActiveTasks = 6029,
    kCommandEndProgram = 6030,
    kCommandToggleMonitorAutoStart = 6031,
    kPageOptions = 6033,
    kCommandViewRestartCommands = 6034,
    kPageServices = 6038,
    kPageScheduledTasks = 6039,
    kPageIEHelpers = 6040,
    kListHistory = 6041,
    kPageFileTypes = 6042,
    kListCookieDialog = 6044,
    kPageCookiesForced = 6045,
    kCommandExitRequest = 6048,
    kMessageLayout = 6049,  // private message: the page re-anchors its controls
    kPageHidden = 6052,
    kMonitorTrayIconCommand = 6053,
    kPageDelayed = 6055,
    kPageActiveX = 6056,
    kPageRecent = 6060,
    kPageRegistryMonitoring = 6061,
};

inline constexpr int kFirstPageCommand = 6026;
inline constexpr int kLastPageCommand = 6061;
