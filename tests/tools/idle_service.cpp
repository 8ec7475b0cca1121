// A service that does nothing but run, for the tests of the service list and
// its controls. The service control manager starts it; it reports running,
// accepts a stop (unless its command line says "--no-stop") and ends on it.
// It ends by itself after ten minutes, so a failed test leaves nothing
// running for long.
//
//   idle_service [--no-stop]
#include <windows.h>

#include <cstring>

namespace {

constexpr DWORD kLifetimeMs = 10 * 60 * 1000;

SERVICE_STATUS_HANDLE g_status = nullptr;
HANDLE g_stop = nullptr;
bool g_acceptsStop = true;

void Report(DWORD state) {
    SERVICE_STATUS status{};
    status.dwServiceType = SERVICE_WIN32_OWN_PROCESS;
    status.dwCurrentState = state;
    status.dwControlsAccepted = state == SERVICE_RUNNING && g_acceptsStop ? SERVICE_ACCEPT_STOP : 0;
    status.dwWin32ExitCode = NO_ERROR;
    SetServiceStatus(g_status, &status);
}

DWORD WINAPI Control(DWORD control, DWORD, void*, void*) {
    switch (control) {
        case SERVICE_CONTROL_STOP:
            if (!g_acceptsStop) return ERROR_CALL_NOT_IMPLEMENTED;
            Report(SERVICE_STOP_PENDING);
            SetEvent(g_stop);
            return NO_ERROR;
        case SERVICE_CONTROL_INTERROGATE:
            return NO_ERROR;
        default:
            return ERROR_CALL_NOT_IMPLEMENTED;
    }
}

void WINAPI ServiceMain(DWORD argc, LPSTR* argv) {
    g_status = RegisterServiceCtrlHandlerExA(argc > 0 && argv[0] ? argv[0] : "", Control, nullptr);
    if (!g_status) return;
    Report(SERVICE_RUNNING);
    WaitForSingleObject(g_stop, kLifetimeMs);
    Report(SERVICE_STOPPED);
}

}  // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--no-stop") == 0) g_acceptsStop = false;
    g_stop = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    char name[] = "";  // an own-process service's name is not looked at
    SERVICE_TABLE_ENTRYA table[] = {{name, ServiceMain}, {nullptr, nullptr}};
    return StartServiceCtrlDispatcherA(table) ? 0 : 1;
}
