// Reading the values of a service's registry key: its texts cut to the
// caller's size, and the file the service runs.
#pragma once

#include <windows.h>

#include <cstddef>
#include <functional>
#include <string_view>

#include "base/fixed_text.h"

inline constexpr const char* kServicesKey = "SYSTEM\\CurrentControlSet\\Services";
// ImagePath and ServiceDll are read with room for this many characters.
using ServiceFileText = FixedText<512>;
// Descriptions and registry display names are read up to this size, then cut by whoever keeps them.
using ServiceLongText = FixedText<4096>;

// A text value of the open key (REG_SZ, REG_EXPAND_SZ expanded, the first
// string of a REG_MULTI_SZ), cut to out's size however long it is stored.
// Any other kind, or a missing value, reads as empty. Returns the length.
size_t ReadServiceText(HKEY key, const char* name, char* out, size_t size);
template <size_t N>
size_t ReadServiceText(HKEY key, const char* name, FixedText<N>& out) {
    return ReadServiceText(key, name, out.data(), N);
}
// A path value (ImagePath, ServiceDll) as the service control manager uses
// it: environment strings are expanded whether it is stored as REG_EXPAND_SZ
// or as REG_SZ (as some installers and Wine's CreateService store it).
size_t ReadServicePath(HKEY key, const char* name, char* out, size_t size);
template <size_t N>
size_t ReadServicePath(HKEY key, const char* name, FixedText<N>& out) {
    return ReadServicePath(key, name, out.data(), N);
}
// A REG_DWORD of the open key; -1 when it is missing or of another kind.
long ReadServiceNumber(HKEY key, const char* name);

// The svchost rule: when imagePath contains hostMark (any case), the value
// ServiceDll of the key's Parameters subkey replaces it, when not empty.
// True when imagePath contains hostMark, whether or not it was replaced.
bool ApplyServiceDll(HKEY serviceKey, std::string_view hostMark, ServiceFileText& imagePath);

// Calls visit with the key name and the opened key (read access) of every
// subkey of the services key, in enumeration order, until it returns false.
// Subkeys that cannot be enumerated or opened are passed over. False when the
// services key cannot be opened.
bool ForEachServiceKey(const std::function<bool(std::string_view keyName, HKEY key)>& visit);
