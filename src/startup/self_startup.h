// The resident monitor's own place in the Windows startup.
#pragma once

inline constexpr const char* kMachineRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// Puts the monitor into (true) or takes it out of (false) the machine's Run key.
bool SetSelfStartup(bool on);
// True when the machine's Run key holds the monitor's value.
bool SelfStartupPresent();
