// The location text of a startup entry: where it lives, as the user reads it.
#pragma once

#include <cstddef>

#include "base/fixed_text.h"

struct ListRow;

// A location text has at most 512 characters.
inline constexpr size_t kLocationTextSize = 513;

// The text for the item's location type, prefixed by " *    Disabled * " when the
// item is recorded as disabled. Returns its length.
int LocationText(const ListRow& item, char* out, size_t size);
template <size_t N>
int LocationText(const ListRow& item, FixedText<N>& out) { return LocationText(item, out.data(), N); }
