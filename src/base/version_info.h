// The version resource of a file: the five texts every page shows.
#pragma once

#include <string_view>

#include "base/fixed_text.h"

// A version text of this many characters or more is stored empty.
inline constexpr size_t kVersionTextLimit = 128;
// Version resources larger than this are not read.
inline constexpr unsigned long kVersionResourceMax = 8191;

struct VersionInfo {
    FixedText<1024> productName, productVersion, companyName, fileDescription, legalCopyright;
};

// Fills out from the file's version resource; true when a product name was found.
bool ReadVersionInfo(std::string_view path, VersionInfo& out);
