// Writing entries into the Disabled store and finding them there again.
//
// The ordinary layout is the one the resident monitor reads: the value
// Disabled\<title> = the location type, and the command under the title in the
// sub-key of its location. Two disabled entries with the same title (HKLM Run
// and HKCU Run, say) cannot share those names, so the second is stored under
// a name of its own, "<title> (2)", "<title> (3)" ..., and DisabledOrigin maps
// that name back to the entry's real title. A disabled Startup-folder shortcut
// also keeps its former path there, so that it goes back to the folder it
// came from.
#pragma once

#include <windows.h>

#include <functional>
#include <string_view>

#include "base/fixed_text.h"
#include "base/raw_values.h"

// Beside the Disabled key (not in it), so that nothing that walks the store meets it.
inline constexpr const char* kDisabledOriginKey = "Software\\Orvik Studios\\Sentrivox\\DisabledOrigin";

// Names and titles in the store: the scanner reads names of up to 255 characters.
using StoredName = FixedText<256>;

// The Disabled sub-key that keeps the command of a type: "Run" ... "Policy" by
// the key's position in the Run table, "WinLoad" (100), "WinRun" (101),
// "WinNotify" (256); nullptr for the types that keep none.
const char* DisabledCommandKey(int type);

struct DisabledRecord {
    StoredName name;              // value name in Disabled and in the command sub-key
    StoredName title;             // the entry's own title; equal to name but for a second entry of a title
    int type = 0;
    RawValue command;             // for the types with a command sub-key
    FixedText<MAX_PATH> origin;   // type 200: the shortcut's former path
};

// The type recorded for the name in Disabled; 0 when none (or not a number).
long RecordedType(std::string_view name);
// The record stored under this name when its type is the given one.
bool FindDisabledRecord(std::string_view name, int type, DisabledRecord& out);
// The record of the entry with this title and type, under its own title or
// under a further name of the same-title scheme.
bool FindDisabledEntry(std::string_view title, int type, DisabledRecord& out);
// The record of a listed row: stored under the row's title (a row listed from
// the store carries the name it is stored under), or the entry's own title.
bool FindDisabledRow(std::string_view title, int type, DisabledRecord& out);
// True when FindDisabledEntry finds one: the entry is disabled.
bool IsDisabledEntry(std::string_view title, int type);

// The name a new record of the title goes under: the title itself when no
// record uses it, else the first free "<title> (n)". alsoTaken may refuse
// further names. Empty when none is free.
StoredName FreeDisabledName(std::string_view title,
                            const std::function<bool(std::string_view)>& alsoTaken = {});

// Writes the command, the origin and then the type, each read back. When one
// fails, what was written is taken away again and false is returned.
bool WriteDisabledRecord(const DisabledRecord& record);
// Writes the command of an existing record anew (an entry that put itself back).
bool UpdateDisabledCommand(const DisabledRecord& record, const RawValue& command);
// Deletes the type first (the entry no longer counts as disabled), then the
// command and the origin. False when the type value stays.
bool DeleteDisabledRecord(const DisabledRecord& record);
