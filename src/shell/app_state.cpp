#include "shell/app_state.h"

AppState g_app;

HINSTANCE ResourceInstance() {
    return g_app.instance ? g_app.instance : GetModuleHandleA(nullptr);
}

void SetWindows64(bool is64) {
    g_app.is64BitWindows = is64;
    g_app.readMask = is64 ? (KEY_READ | KEY_WOW64_64KEY) : KEY_READ;
    g_app.writeMask = is64 ? (KEY_WRITE | KEY_WOW64_64KEY) : KEY_WRITE;
}

namespace {
OSVERSIONINFOA QueryVersion() {
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof(info);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    GetVersionExA(&info);
#pragma GCC diagnostic pop
    return info;
}
}  // namespace

bool IsWindowsNT() { return QueryVersion().dwPlatformId == VER_PLATFORM_WIN32_NT; }
bool IsVistaOrLater() { return QueryVersion().dwMajorVersion > 5; }
