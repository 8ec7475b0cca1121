// The key name of each service row, kept beside the list store by the
// service scan. A row's title is the display name cut to 127 characters (or
// the file name when there is none), so it cannot name the service; every
// action on a row names it by the key name kept here. The names hold for the
// fill that made them: once the store is appended to or cleared, they are gone.
#pragma once

#include <string>
#include <vector>

#include "shell/list_store.h"
#include "sysobjects/service_control.h"

// Replaces the kept names with those of the store's present fill: names[i]
// is the key name of row i.
void KeepServiceKeyNames(const ListStore& store, std::vector<std::string> names);
// The key name of a row of the store's present fill; false (out empty) when
// the row is not a service row of the last service scan into that store.
bool ServiceKeyNameOfRow(const ListStore& store, int row, ServiceKeyName& out);
// The same for the shared list store.
bool ServiceKeyNameOfRow(int row, ServiceKeyName& out);
