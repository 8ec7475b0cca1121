// The service control manager's side of a service: its status, its display
// name, stopping it and changing how it starts. Every operation names the
// service by its key name (the name of its key under the services key), the
// one name that is unique and never cut; a display name can be turned into it
// with GetServiceKeyName.
#pragma once

#include <windows.h>

#include <string_view>

#include "base/fixed_text.h"
#include "base/unique_resource.h"

using UniqueServiceHandle = UniqueResource<SC_HANDLE, CloseServiceHandle>;

// Key names are registry key names: at most 255 characters.
using ServiceKeyName = FixedText<256>;
// The status text field of the pages and the information dialog.
using ServiceStatusText = FixedText<256>;
// The display name as the rows keep it (the title field's size).
using ServiceTitle = FixedText<128>;

// The start values that the service control manager takes for a program
// service, in the order of the start-type choices: Automatic, Manual, Disabled.
inline constexpr DWORD kFirstStartChoice = SERVICE_AUTO_START;  // 2
inline constexpr DWORD kLastStartChoice = SERVICE_DISABLED;     // 4

// The service's current state (1 to 7) in the upper 16 bits and the low 16
// bits of its service type in the lower; 0 when it cannot be queried.
DWORD QueryServiceStatusWord(std::string_view keyName);
// The status text of the state in the status word (strings 652 to 658; any
// other state reads "Stopped"). Returns the status word; 0 with "Stopped"
// when the service cannot be queried.
DWORD GetServiceStatusText(std::string_view keyName, ServiceStatusText& out);
// The controls the service accepts now (SERVICE_ACCEPT_*), from its last
// reported status; 0 when it cannot be queried. The service itself is not
// asked, so a hung service cannot hold the caller.
DWORD GetServiceControlsAccepted(std::string_view keyName);
// Asks the service to stop; true when the request was delivered. Does not
// wait for the service to stop.
bool StopService(std::string_view keyName);
// Changes the start type through the service control manager, which writes
// the registry itself: startValue is 2 (automatic), 3 (manual) or 4
// (disabled); other values are refused. True when the change was made.
bool SetServiceStartType(std::string_view keyName, DWORD startValue);
// The configured start type (SERVICE_BOOT_START to SERVICE_DISABLED); -1 when
// it cannot be read.
long QueryServiceStartType(std::string_view keyName);
// The display name from the service control manager, cut to the title's
// size. False (out empty) when the manager does not know the service.
bool GetServiceDisplayName(std::string_view keyName, ServiceTitle& out);
// The key name of a service by its display name (whole, not cut). False (out
// empty) when no service has that display name.
bool GetServiceKeyName(std::string_view displayName, ServiceKeyName& out);

// The same lookup with a service control manager handle the caller holds, for
// a scan that asks once per service.
bool GetServiceDisplayName(SC_HANDLE manager, std::string_view keyName, ServiceTitle& out);
// The service control manager opened for connecting and looking up; empty on failure.
UniqueServiceHandle OpenServiceManager();
