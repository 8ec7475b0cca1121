// Registers 300 demand-start services running the test suite's idle service
// and times the service scan against its floor: a plain enumeration of the
// same services key, each service's ImagePath read and its program's version
// resource read once. The services are deleted again at the end, and any left
// by an interrupted run at the start.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>
#include <vector>

#include "resource_ids.h"
#include "shell/app_state.h"
#include "shell/list_store.h"
#include "shell/start_actions.h"
#include "base/windows_version.h"
#include "base/command_line.h"
#include "base/version_info.h"
#include "support/window_driver.h"
#include "sysobjects/service_control.h"
#include "sysobjects/service_scanner.h"
#include "sysobjects/services_page.h"

#include "bench_support.h"

namespace {

using bench::Median;

constexpr int kServices = 300;
constexpr int kRounds = 9;
constexpr const char* kPrefix = "SxBench";
constexpr const char* kServicesKey = "SYSTEM\\CurrentControlSet\\Services";

std::vector<std::string> BenchServiceNames() {
    std::vector<std::string> names;
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kServicesKey, 0, RegistryReadMask(), &key) != ERROR_SUCCESS) return names;
    char name[256];
    for (DWORD i = 0;; ++i) {
        DWORD length = sizeof(name);
        if (RegEnumKeyExA(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        if (std::string(name, length).rfind(kPrefix, 0) == 0) names.emplace_back(name, length);
    }
    RegCloseKey(key);
    return names;
}

void DeleteBenchServices(SC_HANDLE manager) {
    for (const std::string& name : BenchServiceNames()) {
        if (SC_HANDLE service = OpenServiceA(manager, name.c_str(), DELETE)) {
            DeleteService(service);
            CloseServiceHandle(service);
        }
    }
}

bool CreateBenchServices(SC_HANDLE manager, const std::string& program) {
    for (int i = 0; i < kServices; ++i) {
        char name[32], display[64];
        std::snprintf(name, sizeof(name), "%s%03d", kPrefix, i);
        std::snprintf(display, sizeof(display), "Bench Lantern Service %03d", i);
        const std::string command = "\"" + program + "\" --bench " + std::to_string(i);
        SC_HANDLE service = CreateServiceA(manager, name, display, SERVICE_ALL_ACCESS, SERVICE_WIN32_OWN_PROCESS,
                                           SERVICE_DEMAND_START, SERVICE_ERROR_IGNORE, command.c_str(), nullptr,
                                           nullptr, nullptr, nullptr, nullptr);
        if (!service) return false;
        SERVICE_DESCRIPTIONA description{const_cast<char*>("A service of the services benchmark.")};
        ChangeServiceConfig2A(service, SERVICE_CONFIG_DESCRIPTION, &description);
        CloseServiceHandle(service);
    }
    return true;
}

// The floor: every service key opened, its ImagePath read and the version
// resource of its program read. Returns the number of versions read.
int EnumerateServicesWithVersions() {
    HKEY services = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kServicesKey, 0, RegistryReadMask(), &services) != ERROR_SUCCESS) return 0;
    int read = 0;
    char name[256], image[512];
    for (DWORD i = 0;; ++i) {
        DWORD length = sizeof(name);
        if (RegEnumKeyExA(services, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        HKEY key = nullptr;
        if (RegOpenKeyExA(services, name, 0, RegistryReadMask(), &key) != ERROR_SUCCESS) continue;
        DWORD size = sizeof(image) - 1, type = 0;
        if (RegQueryValueExA(key, "ImagePath", nullptr, &type, reinterpret_cast<BYTE*>(image), &size) == ERROR_SUCCESS) {
            image[size] = '\0';
            FixedText<MAX_PATH> file;
            ExtractProgramFile(image, file);
            VersionInfo version;
            ReadVersionInfo(file.view(), version);
            ++read;
        }
        RegCloseKey(key);
    }
    RegCloseKey(services);
    return read;
}

// The option as the scan reads it; removed again (the default, off) when on is false.
void SetHideMicrosoft(bool on) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Orvik Studios\\Sentrivox\\Options", 0, nullptr, 0,
                        KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return;
    if (on) RegSetValueExA(key, "HideMicrosoftServices", 0, REG_SZ, reinterpret_cast<const BYTE*>("1"), 2);
    else RegDeleteValueA(key, "HideMicrosoftServices");
    RegCloseKey(key);
}

}  // namespace

int main() {
    DetectWindows64();
    const std::string program = driver::ToolPath("idle_service");
    if (GetFileAttributesA(program.c_str()) == INVALID_FILE_ATTRIBUTES) {
        std::printf("build the idle service first: %s\n", program.c_str());
        return 1;
    }
    SC_HANDLE manager = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_ALL_ACCESS);
    if (!manager) {
        std::printf("the service control manager cannot be opened\n");
        return 1;
    }
    DeleteBenchServices(manager);
    if (!CreateBenchServices(manager, program)) {
        std::printf("could not create the services\n");
        DeleteBenchServices(manager);
        CloseServiceHandle(manager);
        return 1;
    }

    int versions = 0;
    const double floorMs = Median(kRounds, [&] { versions = EnumerateServicesWithVersions(); });
    SetHideMicrosoft(false);
    const double scanMs = Median(kRounds, [] { ScanServices(); });
    const int rows = ListStoreCount();
    // Another part alone: the shared store's append rules (long-path look-up of every path).
    std::vector<ListRow> copies;
    for (int i = 0; i < ListStoreCount(); ++i) copies.push_back(*ListStoreRow(i));
    const double appendMs = Median(kRounds, [&] {
        ListStoreClear();
        for (const ListRow& row : copies)
            ListStoreAppend(row.title.view(), row.path.view(), row.detail.view(), row.description.view(), row.typeCode, 0);
    });
    SetHideMicrosoft(true);
    const double filteredMs = Median(kRounds, [] { ScanServices(); });
    const int filteredRows = ListStoreCount();
    // One part of the scan alone: the service control manager's display name of every service.
    const std::vector<std::string> names = BenchServiceNames();
    const double displayNamesMs = Median(kRounds, [&] {
        UniqueServiceHandle lookup = OpenServiceManager();
        ServiceTitle title;
        for (const std::string& name : names) GetServiceDisplayName(lookup.get(), name, title);
    });
    SetHideMicrosoft(false);
    // The page: the scan, every row's status from the service manager, the
    // first-seen dates and the painting of the rows in view.
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    HWND host = CreateWindowExA(0, "STATIC", "Sentrivox", WS_POPUP, 0, 0, 1000, 760, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
    HWND page = CreateDialogParamA(ResourceInstance(), MAKEINTRESOURCEA(IDD_PAGE_SERVICES), host, ServicesPageProc, 0);
    double fillMs = 0;
    int items = 0;
    if (page) {
        HWND list = GetDlgItem(page, IDC_LIST);
        ShowWindow(host, SW_SHOWNOACTIVATE);
        ShowWindow(page, SW_SHOWNOACTIVATE);
        SetWindowPos(list, nullptr, 0, 0, 960, 600, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        FillServiceList(page);  // the first visit records the first-seen dates
        fillMs = Median(kRounds, [&] {
            FillServiceList(page);
            UpdateWindow(list);
        });
        items = int(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
        DestroyWindow(page);
    }
    DestroyWindow(host);
    ListStoreClear();
    DeleteBenchServices(manager);
    CloseServiceHandle(manager);

    std::printf("64-bit Windows: %s; %d bench services; %d rounds, median times\n",
                IsWindows64() ? "yes" : "no", kServices, kRounds);
    std::printf("floor, key walk + ImagePath + one version read (%d services):  %8.2f ms\n", versions, floorMs);
    std::printf("ScanServices, filter off (%d rows):                          %8.2f ms  ratio %.2f\n", rows, scanMs,
                scanMs / floorMs);
    std::printf("ScanServices, non-Microsoft only (%d rows):                  %8.2f ms  ratio %.2f\n", filteredRows,
                filteredMs, filteredMs / floorMs);
    std::printf("  of which the display names of the %zu bench services:       %8.2f ms\n", names.size(),
                displayNamesMs);
    std::printf("  of which the store's appends of the same rows:               %8.2f ms\n", appendMs);
    std::printf("FillServiceList and paint (%d items):                        %8.2f ms  ratio %.2f\n", items, fillMs,
                fillMs / floorMs);
    return 0;
}
