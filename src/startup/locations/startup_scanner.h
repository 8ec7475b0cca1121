// The startup location scanner: every place from which Windows starts a
// program at boot or logon, one row of the shared list store per entry.
#pragma once

// Empties the shared list store and fills it, in this order: the Run table, the
// Startup folders, win.ini, the entries recorded as disabled, and (in advanced
// mode) the Winlogon and shell-object locations. With respectAdvancedOption false
// the advanced locations are always read; with true only while ShowAllStartup is on.
void ScanStartupLocations(bool respectAdvancedOption);

// The Run table alone (types 1 to 27), appended to the shared store. Programs
// that wrote themselves back after being disabled are disabled again.
void ScanRunTable();
// The Startup folders alone (type 200), appended to the shared store.
void ScanStartupFolders();
