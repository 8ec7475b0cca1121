// A stand-in for the resident monitor, for tests: a hidden top-level window of
// class "Sentrivox" that records every WM_COMMAND it receives.
//
//   monitor_standin [--record <file>] [--seconds <n>]
//
// Each record is one line appended to the file: "START <command line>" once,
// then "WM_COMMAND <wParam> <lParam>" per message, in decimal. Without
// --record the file named by SENTRIVOX_MONITOR_RECORD is used (the program
// starts the monitor by name, with no arguments, and passes its environment
// on). The window ends on WM_CLOSE or after n seconds (default 60).
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr UINT_PTR kLifetimeTimer = 1;
std::string g_recordFile;

void AppendRecord(const std::string& line) {
    if (g_recordFile.empty()) return;
    // Opened per line so that each record is on disk before the next message.
    HANDLE file = CreateFileA(g_recordFile.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    std::string text = line + "\r\n";
    DWORD written = 0;
    WriteFile(file, text.data(), DWORD(text.size()), &written, nullptr);
    CloseHandle(file);
}

LRESULT CALLBACK MonitorProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND: {
        char line[96];
        std::snprintf(line, sizeof(line), "WM_COMMAND %llu %lld", static_cast<unsigned long long>(wParam),
                      static_cast<long long>(lParam));
        AppendRecord(line);
        return 0;
    }
    case WM_TIMER:
        if (wParam == kLifetimeTimer) DestroyWindow(window);
        return 0;
    case WM_CLOSE:
        DestroyWindow(window);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

// The arguments after the program name, as given.
std::string ArgumentsOf(const char* commandLine) {
    const char* p = commandLine;
    if (*p == '"') {
        ++p;
        while (*p && *p != '"') ++p;
        if (*p) ++p;
    } else {
        while (*p && *p != ' ' && *p != '\t') ++p;
    }
    while (*p == ' ' || *p == '\t') ++p;
    return p;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    UINT seconds = 60;
    for (int i = 1; i + 1 < __argc; ++i) {
        std::string arg = __argv[i];
        if (arg == "--record") g_recordFile = __argv[++i];
        else if (arg == "--seconds") seconds = UINT(std::strtoul(__argv[++i], nullptr, 10));
    }
    if (g_recordFile.empty()) {
        char path[MAX_PATH] = {};
        DWORD n = GetEnvironmentVariableA("SENTRIVOX_MONITOR_RECORD", path, MAX_PATH);
        if (n > 0 && n < MAX_PATH) g_recordFile = path;
    }

    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = MonitorProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = "Sentrivox";
    if (!RegisterClassA(&windowClass)) return 1;
    HWND window = CreateWindowExA(0, "Sentrivox", "Sentrivox", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr,
                                  nullptr, instance, nullptr);
    if (!window) return 1;
    AppendRecord("START " + ArgumentsOf(GetCommandLineA()));
    if (seconds > 0) SetTimer(window, kLifetimeTimer, seconds * 1000, nullptr);

    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
