// The registry routines through which the whole program reads and writes.
// Every open uses the masks below (the 64-bit view on 64-bit Windows).
#pragma once

#include <windows.h>

#include <string_view>

#include "base/fixed_text.h"
#include "base/unique_resource.h"

#undef RegDeleteTree  // the system's macro; ours below keeps the program's semantics

inline constexpr const char* kProgramKey = "Software\\Orvik Studios\\Sentrivox";
inline constexpr const char* kOptionsKey = "Software\\Orvik Studios\\Sentrivox\\Options";
inline constexpr const char* kDetectedKey = "Software\\Orvik Studios\\Detected";

// KEY_READ and KEY_WRITE, with the 64-bit view flag on 64-bit Windows.
REGSAM RegistryReadMask();
REGSAM RegistryWriteMask();

// Opens root\subkey with the read (or write) mask; an empty handle on failure.
UniqueHkey RegOpenForRead(HKEY root, std::string_view subkey);
UniqueHkey RegOpenForWrite(HKEY root, std::string_view subkey);
// Opens or creates root\subkey with the write mask.
UniqueHkey RegCreateForWrite(HKEY root, std::string_view subkey);
bool RegKeyExists(HKEY root, std::string_view subkey);

// Reads a text value (an empty name reads the default value). REG_EXPAND_SZ is
// expanded; a REG_DWORD reads as empty. A missing value, or a text that does not
// fit in outSize - 1 characters, leaves out empty and returns 0; otherwise the length.
int RegReadString(std::string_view subkey, std::string_view name, HKEY root, TextBuffer out);
// Reads a text value whole (up to 1023 characters) without refusing long ones,
// for the callers that cut instead. Returns the length; 0 when missing.
int RegReadStringRaw(HKEY key, std::string_view name, FixedText<1024>& out);

bool RegWriteString(HKEY root, std::string_view subkey, std::string_view name, std::string_view text);
DWORD RegReadDword(HKEY root, std::string_view subkey, std::string_view name);
bool RegWriteDword(HKEY root, std::string_view subkey, std::string_view name, const DWORD* value);
// The value, or -1 when it is missing; the key is closed either way.
long RegReadDwordOrMissing(UniqueHkey key, std::string_view name);
// True when the value is gone afterwards (an empty name empties the default value).
bool RegRemoveValue(HKEY root, std::string_view subkey, std::string_view name);
// Deletes a key with all its subkeys; a key that does not exist counts as deleted.
bool RegDeleteTree(HKEY root, std::string_view subkey);

// Entries of the [windows] section of win.ini, as ";"-separated lists.
void WinIniRemove(std::string_view entry, std::string_view name);
void WinIniAppend(std::string_view entry, std::string_view name);
