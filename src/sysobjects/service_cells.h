// The texts of a service row that the Services page shows beside the row's
// own fields.
#pragma once

#include "base/fixed_text.h"
#include "shell/list_store.h"
#include "sysobjects/service_control.h"

// The Command column: the file name of the row's path, after "svchost.exe "
// for a service that svchost runs.
FixedText<272> ServiceCommandText(const ListRow& row);
// The Status column of a row of the shared store's last service scan: the
// status text, or a single blank when the service cannot be queried.
ServiceStatusText ServiceStatusCellText(int row);
