// The short tags that name a startup entry's location type in the Type column.
#pragma once

#include <string_view>

// The tag of a location type ("HKLM_RUN", "STARTUP_FOLDER", "NOTIFY"...);
// empty for a type that has none.
std::string_view StartupTypeTag(int type);
