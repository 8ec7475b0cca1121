#include "shell/list_page_hooks.h"

#include <map>

namespace {

std::map<int, ListPageHooks>& Hooks() {
    static std::map<int, ListPageHooks> hooks;
    return hooks;
}

}  // namespace

void SetListPageHooks(int listId, ListPageHooks hooks) { Hooks()[listId] = std::move(hooks); }

const ListPageHooks& ListPageHooksOf(int listId) {
    static const ListPageHooks none;
    auto it = Hooks().find(listId);
    return it == Hooks().end() ? none : it->second;
}
