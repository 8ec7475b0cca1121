// Timing and the registry floor that the benchmarks share.
#pragma once

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "shell/app_state.h"
#include "startup/locations/location_types.h"
#include "base/windows_version.h"
#include "base/registry.h"

namespace bench {

class Stopwatch {
public:
    Stopwatch() {
        QueryPerformanceFrequency(&frequency_);
        QueryPerformanceCounter(&start_);
    }
    double Milliseconds() const {
        LARGE_INTEGER now;
        QueryPerformanceCounter(&now);
        return 1000.0 * static_cast<double>(now.QuadPart - start_.QuadPart) / static_cast<double>(frequency_.QuadPart);
    }

private:
    LARGE_INTEGER frequency_{}, start_{};
};

// The median time of rounds runs of fn, in milliseconds.
template <class Fn>
double Median(int rounds, Fn fn) {
    std::vector<double> times;
    for (int round = 0; round < rounds; ++round) {
        Stopwatch watch;
        fn();
        times.push_back(watch.Milliseconds());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// The floor of a startup scan: every key of the Run table opened and its
// values read, nothing more. Returns the number of values.
inline int EnumerateRunTable() {
    std::vector<const RunTableHive*> hives = {&kMachineRunHive, &kUserRunHive};
    if (IsWindows64()) hives.push_back(&kWow64RunHive);
    int values = 0;
    char name[513];
    BYTE data[513];
    for (const RunTableHive* hive : hives) {
        for (const char* subkey : kRunTableKeys) {
            HKEY key = nullptr;
            std::string path = std::string(hive->prefix) + subkey;
            if (RegOpenKeyExA(hive->root, path.c_str(), 0, RegistryReadMask(), &key) != ERROR_SUCCESS) continue;
            for (DWORD i = 0;; ++i) {
                DWORD nameLen = sizeof(name), dataLen = sizeof(data), type = 0;
                LONG rc = RegEnumValueA(key, i, name, &nameLen, nullptr, &type, data, &dataLen);
                if (rc == ERROR_MORE_DATA) continue;
                if (rc != ERROR_SUCCESS) break;
                ++values;
            }
            RegCloseKey(key);
        }
    }
    return values;
}

}  // namespace bench
