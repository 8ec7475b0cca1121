#include "support/monitor_standin_client.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace driver {

MonitorRecords ReadMonitorRecords(const std::string& recordFile) {
    MonitorRecords records;
    std::ifstream in(recordFile, std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.rfind("START", 0) == 0) {
            records.starts.push_back(line.size() > 6 ? line.substr(6) : std::string());
        } else if (line.rfind("WM_COMMAND ", 0) == 0) {
            std::istringstream fields(line.substr(11));
            MonitorCommand command;
            if (fields >> command.wParam >> command.lParam) records.commands.push_back(command);
        }
    }
    return records;
}

MonitorStandIn::MonitorStandIn() {
    char folder[MAX_PATH] = {};
    char file[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    if (GetTempFileNameA(folder, "mon", 0, file)) recordFile_ = file;
}

MonitorStandIn::~MonitorStandIn() {
    Close();
    if (!recordFile_.empty()) DeleteFileA(recordFile_.c_str());
}

std::string MonitorStandIn::EnvironmentEntry() const { return "SENTRIVOX_MONITOR_RECORD=" + recordFile_; }

bool MonitorStandIn::Start(DWORD lifetimeSeconds, DWORD timeoutMs) {
    std::string args = "--record \"" + recordFile_ + "\" --seconds " + std::to_string(lifetimeSeconds);
    process_ = Process::Start(ToolPath("monitor_standin"), args);
    if (!process_.started()) return false;
    window_ = WaitForTopLevel(process_.id(), kMonitorWindowClass, timeoutMs);
    return window_ != nullptr;
}

bool MonitorStandIn::WaitForCommands(size_t count, DWORD timeoutMs) const {
    return WaitUntil([&] { return Records().commands.size() >= count; }, timeoutMs);
}

void MonitorStandIn::Close() {
    if (!process_.Running()) return;
    if (window_) PostMessageA(window_, WM_CLOSE, 0, 0);
    if (!process_.WaitExit(3000)) process_.Kill();
}

}  // namespace driver
