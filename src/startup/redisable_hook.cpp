#include "startup/redisable_hook.h"

#include "startup/disable_item.h"

// An entry the user disabled that wrote itself back into its Run key is taken
// out again; the store keeps the newest command.
bool RedisableRunEntry(std::string_view name, std::string_view command, int type) {
    return DisableRunEntryAgain(name, command, type);
}
