// The service scan: one row per service that runs a program file, read from
// the services key of the registry. The scan knows nothing of windows or of
// the first-seen store; the pages and the settings store act on its rows.
#pragma once

#include "shell/list_store.h"

// Item types of the service rows (also their history and first-seen types).
inline constexpr int kServiceExeType = 700;      // SERVICE_EXE
inline constexpr int kServiceSvchostType = 701;  // SERVICE_SVCHOST: a DLL that svchost.exe runs

// Empties the store and appends one row per service whose image path names
// an .exe or svchost: title = display name, path = the program file (the
// ServiceDll of a svchost service), detail = the start-type text, description
// = the service's description. With the option HideMicrosoftServices at 1,
// services whose file's company contains "Microsoft" are left out and the
// path is stored resolved. Keeps each row's key name (service_rows.h).
// Returns the number of rows.
int ScanServices(ListStore& store);
// The same into the shared list store.
int ScanServices();
