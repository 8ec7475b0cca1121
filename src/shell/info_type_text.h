// What the information dialog shows that depends on the item's type. The
// dialog knows no item type itself: the subsystem that lists a type
// registers its hooks at start (src/app): startup entries their location and
// descriptions, services their state and controls, tasks their status.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

#include "base/fixed_text.h"
#include "shell/info_item.h"

struct ListRow;

// A type's hooks; a hook that is not set, or that returns false, leaves the
// dialog's built-in behaviour.
struct InfoTypeHooks {
    // Where the item lives (1026), read when the dialog loads a row; without
    // the hook the location is empty.
    std::function<void(const ListRow& row, FixedText<kInfoLocationSize>& location)> location;
    // The text of the note box (1033) when the item has no note.
    std::function<bool(const InfoItem& item, std::string& text)> describe;
    // The line above the location (1039).
    std::function<bool(const InfoItem& item, std::string& line)> locationLine;
    // The status (1010), Kill (3), Run (4) and the type's own controls
    // (1090, 1091, 12), called on every fill after they are reset.
    std::function<bool(HWND dialog, const InfoItem& item)> showState;
    // A command of the dialog (Kill, Run, Apply, the start-type list): true
    // when the type handled it. RefreshInformationDialog refills afterwards.
    std::function<bool(HWND dialog, const InfoItem& item, int id, int notifyCode)> command;
};

// Sets the hooks of the item types firstType to lastType (replacing those
// set before for the same range). Each subsystem's are set once, at start.
void SetInfoTypeHooks(int firstType, int lastType, InfoTypeHooks hooks);
// The hooks of a type; an empty set when none were given.
const InfoTypeHooks& InfoTypeHooksOf(int type);

// The service description of a file (the services' own lookup, set by their
// subsystem): its length, 0 and empty when no service runs the file or no lookup is set.
using ServiceDescriptionFinder = std::function<int(std::string_view file, FixedText<1024>& out)>;
void SetServiceDescriptionFinder(ServiceDescriptionFinder finder);
int FindServiceDescriptionOf(std::string_view file, FixedText<1024>& out);

// Whether the dialog shows a running state with Kill and Run for the type:
// every type below 900 but hidden files (370).
bool ShowsRunningState(int type);
// The note box's text for an item that has no note: the type's own text,
// else the item's description, else the explanation of string 647.
std::string InfoDescriptionText(const InfoItem& item);
// The location line (1039): the type's own line, else string 646 "Startup
// Location: ", a blank and the location text.
std::string InfoLocationLine(const InfoItem& item);
