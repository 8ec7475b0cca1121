#include "sysobjects/service_control.h"

#include <string>
#include <vector>

#include "res/resource_ids.h"
#include "shell/load_text.h"

namespace {

// GetServiceDisplayNameA is given room for this many characters; a longer name
// counts as unknown and the caller falls back to the registry.
constexpr DWORD kDisplayNameRoom = 4096;
// QUERY_SERVICE_CONFIG with its strings never needs more than 8 KB.
constexpr DWORD kConfigBytesMax = 8192;

// A service handle together with the manager handle it was opened through;
// the service is closed first.
struct OpenedService {
    UniqueServiceHandle manager;
    UniqueServiceHandle service;
    explicit operator bool() const { return bool(service); }
};

// Copies a name into a terminated buffer; false when it is empty or longer
// than any key name, so that a cut name can never reach another service.
bool TerminatedName(std::string_view name, size_t limit, std::string& out) {
    if (name.empty() || name.size() > limit || name.find('\0') != std::string_view::npos) return false;
    out.assign(name);
    return true;
}

OpenedService OpenNamedService(std::string_view keyName, DWORD access) {
    OpenedService opened;
    std::string name;
    if (!TerminatedName(keyName, ServiceKeyName::kCapacity - 1, name)) return opened;
    opened.manager = OpenServiceManager();
    if (!opened.manager) return opened;
    opened.service.reset(OpenServiceA(opened.manager.get(), name.c_str(), access));
    return opened;
}

bool QueryProcessStatus(std::string_view keyName, SERVICE_STATUS_PROCESS& status) {
    status = SERVICE_STATUS_PROCESS();
    OpenedService opened = OpenNamedService(keyName, SERVICE_QUERY_STATUS);
    if (!opened) return false;
    DWORD needed = 0;
    return QueryServiceStatusEx(opened.service.get(), SC_STATUS_PROCESS_INFO, reinterpret_cast<BYTE*>(&status),
                                sizeof(status), &needed) != FALSE;
}

int StatusStringId(DWORD state) {
    if (state >= SERVICE_STOPPED && state <= SERVICE_PAUSED)
        return IDS_STATE_STOPPED + int(state - SERVICE_STOPPED);
    return IDS_STATE_STOPPED;
}

}  // namespace

UniqueServiceHandle OpenServiceManager() {
    return UniqueServiceHandle(OpenSCManagerA(nullptr, nullptr, SC_MANAGER_CONNECT));
}

DWORD QueryServiceStatusWord(std::string_view keyName) {
    SERVICE_STATUS_PROCESS status;
    if (!QueryProcessStatus(keyName, status)) return 0;
    return (status.dwCurrentState << 16) | (status.dwServiceType & 0xFFFF);
}

DWORD GetServiceStatusText(std::string_view keyName, ServiceStatusText& out) {
    DWORD word = QueryServiceStatusWord(keyName);
    LoadText(StatusStringId(word >> 16), out);
    return word;
}

DWORD GetServiceControlsAccepted(std::string_view keyName) {
    SERVICE_STATUS_PROCESS status;
    return QueryProcessStatus(keyName, status) ? status.dwControlsAccepted : 0;
}

bool StopService(std::string_view keyName) {
    OpenedService opened = OpenNamedService(keyName, SERVICE_STOP);
    if (!opened) return false;
    SERVICE_STATUS status{};
    return ControlService(opened.service.get(), SERVICE_CONTROL_STOP, &status) != FALSE;
}

bool SetServiceStartType(std::string_view keyName, DWORD startValue) {
    if (startValue < kFirstStartChoice || startValue > kLastStartChoice) return false;
    OpenedService opened = OpenNamedService(keyName, SERVICE_CHANGE_CONFIG);
    if (!opened) return false;
    return ChangeServiceConfigA(opened.service.get(), SERVICE_NO_CHANGE, startValue, SERVICE_NO_CHANGE, nullptr,
                                nullptr, nullptr, nullptr, nullptr, nullptr, nullptr) != FALSE;
}

long QueryServiceStartType(std::string_view keyName) {
    OpenedService opened = OpenNamedService(keyName, SERVICE_QUERY_CONFIG);
    if (!opened) return -1;
    DWORD needed = 0;
    QueryServiceConfigA(opened.service.get(), nullptr, 0, &needed);
    if (needed < sizeof(QUERY_SERVICE_CONFIGA) || needed > kConfigBytesMax) return -1;
    // DWORD elements keep the structure aligned.
    std::vector<DWORD> buffer((needed + sizeof(DWORD) - 1) / sizeof(DWORD));
    auto* config = reinterpret_cast<QUERY_SERVICE_CONFIGA*>(buffer.data());
    if (!QueryServiceConfigA(opened.service.get(), config, DWORD(buffer.size() * sizeof(DWORD)), &needed)) return -1;
    return long(config->dwStartType);
}

bool GetServiceDisplayName(SC_HANDLE manager, std::string_view keyName, ServiceTitle& out) {
    out.clear();
    std::string name;
    if (!manager || !TerminatedName(keyName, ServiceKeyName::kCapacity - 1, name)) return false;
    std::vector<char> display(kDisplayNameRoom + 1, '\0');
    DWORD size = kDisplayNameRoom;
    if (!GetServiceDisplayNameA(manager, name.c_str(), display.data(), &size)) return false;
    display[kDisplayNameRoom] = '\0';
    out.assign(std::string_view(display.data(), BoundedLength(display.data(), kDisplayNameRoom)));
    return true;
}

bool GetServiceDisplayName(std::string_view keyName, ServiceTitle& out) {
    UniqueServiceHandle manager = OpenServiceManager();
    if (!manager) {
        out.clear();
        return false;
    }
    return GetServiceDisplayName(manager.get(), keyName, out);
}

bool GetServiceKeyName(std::string_view displayName, ServiceKeyName& out) {
    out.clear();
    std::string name;
    if (!TerminatedName(displayName, kDisplayNameRoom, name)) return false;
    UniqueServiceHandle manager = OpenServiceManager();
    if (!manager) return false;
    DWORD size = DWORD(out.capacity());
    if (!GetServiceKeyNameA(manager.get(), name.c_str(), out.data(), &size)) {
        out.clear();
        return false;
    }
    return !out.empty();
}
