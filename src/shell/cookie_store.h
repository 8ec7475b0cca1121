// The cookie store: a list store of its own for the cookie lists, with the
// same rows and append rules as the shared store, and its own count.
#pragma once

#include "shell/list_store.h"

ListStore& CookieListStore();
