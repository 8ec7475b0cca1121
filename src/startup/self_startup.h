// The resident monitor's own place in the Windows startup.
#pragma once

inline constexpr const char* kMachineRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// On: writes the monitor's value "Sentrivox" into the machine's Run key (and
// records it as a change the user made); true when written. Off: removes every
// startup entry that runs the monitor or this program; true when one ran the
// monitor. The in-memory automatic-start flag follows.
bool SetSelfStartup(bool on);
// True when the machine's Run key holds the monitor's value.
bool SelfStartupPresent();
// Runs a full startup scan and finds the entries whose program is the monitor
// (Sentrivox.exe) or this program (SentrivoxEx.exe); with remove set they are
// removed. True when at least one entry runs the monitor.
bool RemoveSelfStartupEntries(bool remove);
