// What the shell asks of the startup subsystem: the monitor's place in the
// Windows startup (the Options page's box, the main window's toggle, a first
// start) and the delayed-start list (the start, "-Restore", the Options
// button). src/app sets the hooks at start; without them the shell acts as a
// build without the startup subsystem: nothing changes and nothing is present.
#pragma once

#include <functional>

struct StartupHooks {
    std::function<bool(bool on)> setSelfStartup;  // SetSelfStartup
    std::function<bool()> selfStartupPresent;     // SelfStartupPresent
    std::function<void()> loadDelayedList;        // LoadDelayedList
    std::function<void()> restoreAllDelayed;      // RestoreAllDelayed
};

// Replaces the registered hooks.
void SetStartupHooks(StartupHooks hooks);

// The callers. Puts the monitor into the Windows startup (on) or takes it and
// this program out (off); false when nothing was changed.
bool SwitchMonitorAutoStart(bool on);
// True when the machine's Run key starts the monitor.
bool MonitorAutoStartPresent();
// Reads the delayed-start list into the shared list store.
void LoadDelayedStartList();
// Puts every delayed program back into its startup location.
void RestoreDelayedStartPrograms();
