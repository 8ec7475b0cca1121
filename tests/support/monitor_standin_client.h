// Starts the resident-monitor stand-in (tests/tools/monitor_standin.cpp) and
// reads what it recorded.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "support/window_driver.h"

namespace driver {

struct MonitorCommand {
    unsigned long long wParam = 0;
    long long lParam = 0;
    bool operator==(const MonitorCommand& o) const { return wParam == o.wParam && lParam == o.lParam; }
};

// The records of a stand-in's file: its START lines and its WM_COMMANDs.
struct MonitorRecords {
    std::vector<std::string> starts;   // the command-line arguments of each start
    std::vector<MonitorCommand> commands;
};
MonitorRecords ReadMonitorRecords(const std::string& recordFile);

class MonitorStandIn {
public:
    // A record file in the temporary folder, removed when this object goes.
    MonitorStandIn();
    ~MonitorStandIn();
    MonitorStandIn(const MonitorStandIn&) = delete;
    MonitorStandIn& operator=(const MonitorStandIn&) = delete;

    // Starts the stand-in; true once its window exists.
    bool Start(DWORD lifetimeSeconds = 60, DWORD timeoutMs = kDefaultTimeoutMs);
    HWND window() const { return window_; }
    const std::string& recordFile() const { return recordFile_; }
    // "SENTRIVOX_MONITOR_RECORD=<file>", for a program that starts the monitor by name.
    std::string EnvironmentEntry() const;
    MonitorRecords Records() const { return ReadMonitorRecords(recordFile_); }
    // Waits until at least count commands are recorded.
    bool WaitForCommands(size_t count, DWORD timeoutMs = kDefaultTimeoutMs) const;
    // WM_CLOSE, then kill when it does not end.
    void Close();

private:
    std::string recordFile_;
    Process process_;
    HWND window_ = nullptr;
};

}  // namespace driver
