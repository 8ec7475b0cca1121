// The default browser, Internet Explorer, the AOL client, and program versions.
#pragma once

#include <cstddef>
#include <string_view>

#include "base/fixed_text.h"

// The default browser's command without quotes or switches; Internet Explorer when none.
int DefaultBrowserCommand(char* out, size_t size);
// <IEXPLORE.EXE App Path>\iexplore.exe.
int InternetExplorerPath(char* out, size_t size);
// 1 Internet Explorer, 2 Netscape, 3 Firefox, 4 Maxthon, 5 Avant, 6 Mozilla.
int BrowserKind();
bool AolRunning();
// True when comctl32.dll is newer than 4.70.
bool CommonControlsNewerThan470();
// "<monitor version>[:<explorer version>]" of the programs in the program folder.
int VersionPair(char* out, size_t size);
// The same for the programs in a given folder.
int VersionPairIn(std::string_view folder, char* out, size_t size);

template <size_t N> int DefaultBrowserCommand(FixedText<N>& o) { return DefaultBrowserCommand(o.data(), N); }
template <size_t N> int InternetExplorerPath(FixedText<N>& o) { return InternetExplorerPath(o.data(), N); }
template <size_t N> int VersionPair(FixedText<N>& o) { return VersionPair(o.data(), N); }
