// Values of the Run-table keys (types 1 to 27), read and written in the native
// view; the Wow6432Node keys by their explicit path.
#pragma once

#include <windows.h>

#include <string_view>

#include "base/fixed_text.h"
#include "base/raw_values.h"

struct RunKey {
    HKEY root = nullptr;
    FixedText<MAX_PATH> path;
};

// The Run key of a Run-table type. False for other types, and for the
// Wow6432Node types (21 to 27) on 32-bit Windows, which has no such keys.
bool RunKeyOf(int type, RunKey& out);

bool ReadRunValue(const RunKey& key, std::string_view name, RawValue& out);
bool DeleteRunValue(const RunKey& key, std::string_view name);
// Puts the command back under name. A value of that name with the same
// command is taken as it is; one with another command is kept, and this one
// goes under the first free "name (2)", "name (3)" ... Returns the name used,
// or an empty text when nothing could be written; written tells whether a
// value was added.
FixedText<256> PutRunValue(const RunKey& key, std::string_view name, const RawValue& command,
                           bool* written = nullptr);
