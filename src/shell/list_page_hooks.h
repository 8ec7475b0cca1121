// What a list page's own code tells the shared list machinery about its rows:
// a state that only that code can read (a startup entry recorded as disabled)
// and sort keys that are its display texts (a service's
// state, the program of a file association). Each page sets its hooks once,
// when its dialog is created; a hook that is not set reads as false / empty.
#pragma once

#include <functional>

#include "base/fixed_text.h"

class ListStore;

struct ListPageHooks {
    // A startup row recorded as disabled: kept at the bottom by the sort,
    // offered "&Enable" instead of "&Disable" by the menu.
    std::function<bool(int row)> isDisabled;
    // The sort key of a column whose text the page's code defines (Services
    // column 3, File Types column 1). Asked once per row per fill.
    std::function<void(int row, int column, FixedText<260>& key)> sortText;
    // A command that the row does not allow (the page's CommandsFor): its menu
    // entry is left out, as its button is disabled.
    std::function<bool(int row, int command)> denies;
    // The rows of the list when they are not in the shared store (the cookie store).
    const ListStore* store = nullptr;
};

void SetListPageHooks(int listId, ListPageHooks hooks);
// The hooks of a list; an empty set when none were given.
const ListPageHooks& ListPageHooksOf(int listId);
