#include "shell/start_hooks.h"

namespace {

StartHooks& Hooks() {
    static StartHooks hooks;
    return hooks;
}

}  // namespace

void SetStartHooks(StartHooks hooks) { Hooks() = std::move(hooks); }

void InitFileTypeSnapshots() {
    if (Hooks().initFileTypeSnapshots) Hooks().initFileTypeSnapshots();
}

void RefreshActiveTasksList() {
    if (Hooks().refreshActiveTasks) Hooks().refreshActiveTasks();
}
