// The Windows the program runs on: its family and version, and whether it is
// 64-bit Windows, where the program reads and writes the 64-bit registry view
// and turns off file-system redirection around its probes.
#pragma once

// The NT family (NT 4 to Windows 7) rather than Windows 9x.
bool IsWindowsNT();
// Windows Vista or later.
bool IsVistaOrLater();
// The first Windows 95, whose kernel names calls that it does not implement.
bool IsWindows95();

// Settled once at start, before anything touches the registry, so that every
// start reads and writes the same view; tests change it for a scope.
void SetWindows64(bool is64);
bool IsWindows64();
