// The DLL that implements a COM class: how shell objects are traced to files.
#pragma once

#include <cstddef>
#include <string_view>

#include "base/fixed_text.h"

// The default value of HKCR\CLSID\<clsid>\InprocServer32; false (and out empty)
// when it is missing, does not fit, or the class id is no single key name.
bool ClsidServerPath(std::string_view clsid, TextBuffer out);
