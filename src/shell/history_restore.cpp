#include "shell/history_restore.h"

#include <map>

namespace {

std::map<int, HistoryRestore>& Restores() {
    static std::map<int, HistoryRestore> restores;
    return restores;
}

}  // namespace

void SetHistoryRestore(int eventCode, HistoryRestore restore) {
    if (restore) Restores()[eventCode] = std::move(restore);
    else Restores().erase(eventCode);
}

bool CanRestoreHistoryEvent(int eventCode) { return Restores().count(eventCode) != 0; }

bool RestoreHistoryEvent(const HistoryEvent& event) {
    auto found = Restores().find(event.eventCode);
    return found != Restores().end() && found->second(event);
}
