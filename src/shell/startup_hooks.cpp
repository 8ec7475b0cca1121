#include "shell/startup_hooks.h"

namespace {

StartupHooks& Hooks() {
    static StartupHooks hooks;
    return hooks;
}

}  // namespace

void SetStartupHooks(StartupHooks hooks) { Hooks() = std::move(hooks); }

bool SwitchMonitorAutoStart(bool on) { return Hooks().setSelfStartup && Hooks().setSelfStartup(on); }

bool MonitorAutoStartPresent() { return Hooks().selfStartupPresent && Hooks().selfStartupPresent(); }

void LoadDelayedStartList() {
    if (Hooks().loadDelayedList) Hooks().loadDelayedList();
}

void RestoreDelayedStartPrograms() {
    if (Hooks().restoreAllDelayed) Hooks().restoreAllDelayed();
}
