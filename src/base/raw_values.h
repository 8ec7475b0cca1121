// Registry values copied exactly, type and bytes, between a startup location
// and the Disabled store: a command that is disabled and enabled again comes
// back as it was (quotes, short paths, REG_EXPAND_SZ and all).
#pragma once

#include <windows.h>

#include <string_view>
#include <vector>

// Values longer than this are no startup commands; they are refused, not cut.
inline constexpr DWORD kRawValueMaxBytes = 32 * 1024;

struct RawValue {
    DWORD type = REG_NONE;
    std::vector<BYTE> data;

    bool IsText() const { return type == REG_SZ || type == REG_EXPAND_SZ; }
    // The text up to its first NUL; empty for other kinds.
    std::string_view Text() const;
    static RawValue FromText(std::string_view text, DWORD type = REG_SZ);
    bool operator==(const RawValue& other) const { return type == other.type && Text() == other.Text(); }
};

// The view a location key is opened in: the native keys on 64-bit Windows
// (Wow6432Node keys are named by their explicit path).
REGSAM LocationView();
// The view of the Disabled store: no view flag, where the monitor reads it.
inline constexpr REGSAM kStoreView = 0;

// Reads one value; false when the key or value is missing or it is too long.
bool ReadRawValue(HKEY root, std::string_view subkey, std::string_view name, REGSAM view, RawValue& out);
bool RawValueExists(HKEY root, std::string_view subkey, std::string_view name, REGSAM view);
// Writes the value (creating the key) and reads it back: true only when the
// registry now holds exactly these bytes.
bool WriteRawValue(HKEY root, std::string_view subkey, std::string_view name, REGSAM view, const RawValue& value);
// True when the value is gone afterwards (also when it was never there).
bool DeleteRawValue(HKEY root, std::string_view subkey, std::string_view name, REGSAM view);

// Every value write above passes through this hook, so that a test can make a
// write fail (Fail) or be lost without an error (Drop).
enum class WriteFault { None, Fail, Drop };
using WriteFaultHook = WriteFault (*)(HKEY root, std::string_view subkey, std::string_view name);
// Installs the hook (nullptr: none); returns the previous one.
WriteFaultHook SetWriteFaultHook(WriteFaultHook hook);
