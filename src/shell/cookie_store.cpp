#include "shell/cookie_store.h"

ListStore& CookieListStore() {
    static ListStore store;
    return store;
}
