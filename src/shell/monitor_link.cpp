#include "shell/monitor_link.h"

#include "shell/page_commands.h"

HWND FindMonitorWindow() { return FindWindowA(kMonitorWindowClass, nullptr); }

bool SendTrayIconSwitch(bool hide) {
    HWND monitor = FindMonitorWindow();
    if (!monitor) return false;
    SendMessageA(monitor, WM_COMMAND, WPARAM(kMonitorTrayIconCommand), LPARAM(hide ? 1 : 0));
    return true;
}

bool StartMonitor() {
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    return WinExec(kMonitorProgram, SW_SHOW) > 31;
#pragma GCC diagnostic pop
}
