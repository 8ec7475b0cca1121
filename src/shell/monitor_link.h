// What passes between this program and the resident monitor, Sentrivox.exe.
#pragma once

#include <windows.h>

inline constexpr const char* kMonitorWindowClass = "Sentrivox";
inline constexpr const char* kMonitorProgram = "Sentrivox.exe";

// The monitor's main window, or nullptr when it is not running.
HWND FindMonitorWindow();
// Tells the monitor to hide (true) or show (false) its taskbar icon; nothing
// is sent when the monitor is not running. Returns whether it was sent.
bool SendTrayIconSwitch(bool hide);
// Starts the monitor through the normal search path.
bool StartMonitor();
