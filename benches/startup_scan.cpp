// Writes 1,000 values into HKCU Run, each running notepad.exe with its own
// arguments, and times the startup scan against the floor: a plain
// enumeration (RegEnumValueA, names and data) of the same Run keys. The values
// are removed again at the end, and any left by an interrupted run at the start.
#include <windows.h>
#include <objbase.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "shell/app_state.h"
#include "shell/list_store.h"
#include "shell/start_actions.h"
#include "startup/locations/location_types.h"
#include "startup/locations/startup_scanner.h"

#include "bench_support.h"
#include "base/windows_version.h"

namespace {

using bench::EnumerateRunTable;
using bench::Median;

constexpr int kValues = 1000;
constexpr int kRounds = 15;
constexpr const char* kPrefix = "sx-bench-";

std::string UserRunKey() { return std::string(kUserRunHive.prefix) + "Run"; }

void RemoveBenchValues() {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, UserRunKey().c_str(), 0, KEY_READ | KEY_WRITE, &key) != ERROR_SUCCESS) return;
    std::vector<std::string> names;
    char name[512];
    for (DWORD i = 0;; ++i) {
        DWORD len = sizeof(name);
        if (RegEnumValueA(key, i, name, &len, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        if (std::string(name, len).rfind(kPrefix, 0) == 0) names.emplace_back(name, len);
    }
    for (const std::string& n : names) RegDeleteValueA(key, n.c_str());
    RegCloseKey(key);
}

bool WriteBenchValues() {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, UserRunKey().c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        return false;
    char system[MAX_PATH];
    GetSystemDirectoryA(system, MAX_PATH);
    bool ok = true;
    for (int i = 0; i < kValues && ok; ++i) {
        char name[32];
        std::snprintf(name, sizeof(name), "%s%04d", kPrefix, i);
        std::string command = (i % 2 ? "\"" + std::string(system) + "\\notepad.exe\"" : std::string(system) + "\\notepad.exe") +
                              " /bench " + std::to_string(i * 7919 % 100000);
        ok = RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(command.c_str()),
                            DWORD(command.size() + 1)) == ERROR_SUCCESS;
    }
    RegCloseKey(key);
    return ok;
}

}  // namespace

int main() {
    DetectWindows64();
    CoInitialize(nullptr);
    RemoveBenchValues();
    if (!WriteBenchValues()) {
        std::printf("could not write the Run values\n");
        RemoveBenchValues();
        return 1;
    }

    int enumerated = 0;
    const double floorMs = Median(kRounds, [&] { enumerated = EnumerateRunTable(); });
    const double runTableMs = Median(kRounds, [] {
        ListStoreClear();
        ScanRunTable();
    });
    const int runRows = ListStoreCount();
    const double fullMs = Median(kRounds, [] { ScanStartupLocations(false); });
    const int fullRows = ListStoreCount();
    // What the shared store's own append rules cost (long-path look-up of every path).
    std::vector<std::pair<std::string, std::string>> rows;
    for (int i = 0; i < ListStoreCount(); ++i)
        rows.emplace_back(std::string(ListStoreRow(i)->title.view()), std::string(ListStoreRow(i)->path.view()));
    const double appendMs = Median(kRounds, [&] {
        ListStoreClear();
        for (const auto& row : rows) ListStoreAppend(row.first, row.second, {}, {}, 11, 0);
    });
    ListStoreClear();
    RemoveBenchValues();
    CoUninitialize();

    std::printf("64-bit Windows: %s; %d rounds, median times\n", IsWindows64() ? "yes" : "no", kRounds);
    std::printf("floor, RegEnumValueA over the Run keys (%d values):  %8.2f ms\n", enumerated, floorMs);
    std::printf("ScanRunTable (%d rows):                             %8.2f ms  ratio %.2f\n", runRows, runTableMs,
                runTableMs / floorMs);
    std::printf("ScanStartupLocations(false) (%d rows):              %8.2f ms  ratio %.2f\n", fullRows, fullMs,
                fullMs / floorMs);
    std::printf("  of which the store's appends of the same rows alone:  %8.2f ms\n", appendMs);
    return 0;
}
