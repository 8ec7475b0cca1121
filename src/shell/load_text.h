// Every text the program shows comes through LoadText: the string table, or
// its machine-wide override "LString<id>".
#pragma once

#include <string>

#include "base/fixed_text.h"

inline constexpr int kOverrideMax = 772;   // characters of an override text
inline constexpr int kOverridableIds = 1166;  // ids 0 to 1165

// Copies the text of string id into out (size counts the terminator).
// Returns its length; 0 when the string does not exist.
int LoadText(int id, char* out, size_t size);
template <size_t N>
int LoadText(int id, FixedText<N>& out) { return LoadText(id, out.data(), N); }
// Convenience for callers that build longer texts from it.
std::string LoadTextString(int id, size_t size = 1024);
