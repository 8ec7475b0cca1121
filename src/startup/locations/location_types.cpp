#include "startup/locations/location_types.h"

bool RunTableLocation(int type, const RunTableHive*& hive, int& position) {
    for (const RunTableHive* candidate : {&kMachineRunHive, &kUserRunHive, &kWow64RunHive}) {
        int offset = type - candidate->base;
        if (offset >= 1 && offset <= kRunTableKeyCount) {
            hive = candidate;
            position = offset - 1;
            return true;
        }
    }
    return false;
}

bool IsRunTableType(int type) {
    const RunTableHive* hive = nullptr;
    int position = 0;
    return RunTableLocation(type, hive, position);
}

bool RunTableKeyPath(int type, FixedText<MAX_PATH>& path) {
    const RunTableHive* hive = nullptr;
    int position = 0;
    path.clear();
    if (!RunTableLocation(type, hive, position)) return false;
    path = hive->prefix;
    path.append(kRunTableKeys[position]);
    return true;
}
