#include "base/windows_version.h"

#include <windows.h>

namespace {

bool g_windows64 = false;

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
bool IsWindows95() {
    OSVERSIONINFOA info = QueryVersion();
    return info.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS && info.dwMinorVersion == 0;
}

void SetWindows64(bool is64) { g_windows64 = is64; }
bool IsWindows64() { return g_windows64; }
