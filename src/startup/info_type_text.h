// What the information dialog shows that depends on the item's type: the
// built-in texts of startup entries, and the hooks through which the Parts
// of later item types (services, scheduled tasks, browser helpers, ActiveX
// controls, running tasks, file types) add their own.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

#include "shell/fixed_text.h"

struct InfoItem;

// A type's hooks; a hook that is not set, or that returns false, leaves the
// dialog's built-in behaviour.
struct InfoTypeHooks {
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
// set before for the same range). Each Part sets its own once.
void SetInfoTypeHooks(int firstType, int lastType, InfoTypeHooks hooks);
// The hooks of a type; an empty set when none were given.
const InfoTypeHooks& InfoTypeHooksOf(int type);

// The service description of a file (the services' own lookup, set by their
// Part): its length, 0 and empty when no service runs the file or no lookup is set.
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
// The text with its first "%s" replaced by argument; other '%' marks stay as
// they are, so that a text override cannot ask for arguments that are not there.
std::string FillFirstString(std::string_view pattern, std::string_view argument);
