// How the events of the history file are reversed. The subsystem that made a
// change registers, at start (src/app), the restore of its event code; the
// History viewer asks here. An event without a registered restore is not
// reversed.
#pragma once

#include <functional>
#include <string_view>

// One line of the history file, as the viewer read it back.
struct HistoryEvent {
    std::string_view title, command, detail;
    int itemType = 0;
    int eventCode = 0;
};

// Puts the change back; true when it is back.
using HistoryRestore = std::function<bool(const HistoryEvent& event)>;

// Registers (or, with an empty function, removes) the restore of an event code.
void SetHistoryRestore(int eventCode, HistoryRestore restore);
// True when the event's code has a restore.
bool CanRestoreHistoryEvent(int eventCode);
// The restore of the event's code; false when there is none or it failed.
bool RestoreHistoryEvent(const HistoryEvent& event);
