// Starting a delayed-start program by hand, as the monitor starts it after logon.
#pragma once

#include <windows.h>

#include <string_view>

// The show mode stored for a delayed-start program under Delay\OpenAs in hive:
// SW_SHOWNORMAL, SW_MINIMIZE or SW_MAXIMIZE (a missing or unknown value is normal).
int DelayedShowMode(HKEY hive, std::string_view path);
// Starts a delayed-start program with the window state of its Delay\OpenAs
// value in hive (LaunchFile). A DLL recorded with an applet (RUNDLL32) is
// started through the applet, its path and parameters being the applet's arguments.
bool LaunchProgram(HKEY hive, std::string_view path, std::string_view parameters, std::string_view applet = {});
