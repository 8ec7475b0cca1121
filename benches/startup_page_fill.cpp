// Fills the Startup Programs page with 4,096 HKCU Run entries whose files are
// real programs and DLLs (a few Wine system files under distinct names in a
// scratch folder, so every company and icon is a file of its own to read),
// paints it, then sorts it by each of its five columns. Prints the times
// against the scan alone (ScanStartupLocations) and against a plain
// enumeration of the Run keys, and the ratio fill / scan. The Run values, the
// first-seen dates the fill records and the scratch folder are removed again,
// also those an interrupted run left behind.
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>
#include <prsht.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "resource_ids.h"
#include "shell/app_state.h"
#include "shell/list_sort.h"
#include "shell/list_store.h"
#include "shell/page_commands.h"
#include "base/registry.h"
#include "shell/start_actions.h"
#include "startup/locations/location_types.h"
#include "startup/startup_page.h"
#include "startup/locations/startup_scanner.h"

#include "bench_support.h"
#include "base/windows_version.h"

namespace {

using bench::EnumerateRunTable;
using bench::Median;
using bench::Stopwatch;

constexpr int kEntries = 4096;
constexpr int kRounds = 5;
constexpr int kFilesPerFolder = 64;
constexpr const char* kPrefix = "sx-page-bench-";
constexpr const char* kFolder = "C:\\sx-page-bench";
constexpr const char* kFirstSeenKey = "Software\\Orvik Studios\\Detected\\Startup";
constexpr const char* kColumns[] = {"Title", "Command", "Company", "Type", "First Detected"};

std::string UserRunKey() { return std::string(kUserRunHive.prefix) + "Run"; }

bool StartsWithNoCase(const std::string& text, const std::string& prefix) {
    return text.size() >= prefix.size() &&
           CompareStringA(LOCALE_SYSTEM_DEFAULT, NORM_IGNORECASE, text.data(), int(prefix.size()), prefix.data(),
                          int(prefix.size())) == CSTR_EQUAL;
}

// Deletes the values of a key whose names begin with prefix.
void RemoveValuesStartingWith(HKEY root, const std::string& subkey, const std::string& prefix) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, subkey.c_str(), 0, KEY_READ | KEY_WRITE, &key) != ERROR_SUCCESS) return;
    std::vector<std::string> names;
    char name[1024];
    for (DWORD i = 0;; ++i) {
        DWORD len = sizeof(name);
        if (RegEnumValueA(key, i, name, &len, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        if (StartsWithNoCase(std::string(name, len), prefix)) names.emplace_back(name, len);
    }
    for (const std::string& n : names) RegDeleteValueA(key, n.c_str());
    RegCloseKey(key);
}

void RemoveFolder(const std::string& folder) {
    WIN32_FIND_DATAA found;
    HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = found.cFileName;
            if (name == "." || name == "..") continue;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveFolder(folder + "\\" + name);
            else
                DeleteFileA((folder + "\\" + name).c_str());
        } while (FindNextFileA(find, &found));
        FindClose(find);
    }
    RemoveDirectoryA(folder.c_str());
}

void CleanUp() {
    RemoveValuesStartingWith(HKEY_CURRENT_USER, UserRunKey(), kPrefix);
    RemoveValuesStartingWith(HKEY_CURRENT_USER, kFirstSeenKey, kFolder);
    RemoveValuesStartingWith(HKEY_CURRENT_USER, kFirstSeenKey, std::string("\"") + kFolder);
    RemoveFolder(kFolder);
}

// Program files with version resources and icons, and DLLs, from the prefix.
std::vector<std::string> SourceFiles() {
    char windows[MAX_PATH], system[MAX_PATH];
    GetWindowsDirectoryA(windows, MAX_PATH);
    GetSystemDirectoryA(system, MAX_PATH);
    const std::string candidates[] = {
        std::string(windows) + "\\regedit.exe", std::string(system) + "\\winver.exe",
        std::string(system) + "\\control.exe",  std::string(system) + "\\notepad.exe",
        std::string(system) + "\\comctl32.dll", std::string(system) + "\\shell32.dll",
    };
    std::vector<std::string> files;
    for (const std::string& file : candidates)
        if (GetFileAttributesA(file.c_str()) != INVALID_FILE_ATTRIBUTES) files.push_back(file);
    return files;
}

std::string ExtensionOf(const std::string& file) { return file.substr(file.rfind('.')); }

// Distinct names for the same few files, a few dozen to a folder as programs
// are installed: hard links where the file system has them (no disk space),
// copies otherwise.
bool MakeFiles(const std::vector<std::string>& sources, std::vector<std::string>& files) {
    CreateDirectoryA(kFolder, nullptr);
    for (int i = 0; i < kEntries; ++i) {
        const std::string& source = sources[size_t(i) % sources.size()];
        char name[64];
        std::snprintf(name, sizeof(name), "\\vendor%02d", i / kFilesPerFolder);
        const std::string folder = std::string(kFolder) + name;
        if (i % kFilesPerFolder == 0) CreateDirectoryA(folder.c_str(), nullptr);
        std::snprintf(name, sizeof(name), "\\prog%04d", i);
        std::string file = folder + name + ExtensionOf(source);
        if (!CreateHardLinkA(file.c_str(), source.c_str(), nullptr) && !CopyFileA(source.c_str(), file.c_str(), FALSE))
            return false;
        files.push_back(file);
    }
    return true;
}

// A command line as the Run keys hold them: some quoted, some with switches,
// some through RUNDLL32 for the DLLs.
std::string CommandFor(const std::string& file, int i) {
    if (ExtensionOf(file) == ".dll") return "rundll32.exe " + file + ",Control_RunDLL";
    switch (i % 3) {
        case 0: return file;
        case 1: return "\"" + file + "\" /background";
        default: return file + " -s";
    }
}

bool WriteRunValues(const std::vector<std::string>& files) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, UserRunKey().c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        return false;
    bool ok = true;
    for (int i = 0; i < kEntries && ok; ++i) {
        char name[32];
        std::snprintf(name, sizeof(name), "%s%04d", kPrefix, (i * 2741) % kEntries);
        std::string command = CommandFor(files[size_t(i)], i);
        ok = RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(command.c_str()),
                            DWORD(command.size() + 1)) == ERROR_SUCCESS;
    }
    RegCloseKey(key);
    return ok;
}

// Values of a key that the page writes (options, the sheet's placement), put back afterwards.
class SavedValues {
public:
    SavedValues(const char* key, std::vector<const char*> names) : key_(key), names_(std::move(names)) {
        for (const char* name : names_) {
            FixedText<64> value;
            saved_.push_back(RegReadString(key_, name, HKEY_CURRENT_USER, value) > 0 ? value.c_str() : "");
        }
    }
    ~SavedValues() {
        for (size_t i = 0; i < saved_.size(); ++i) {
            if (saved_[i].empty())
                RegRemoveValue(HKEY_CURRENT_USER, key_, names_[i]);
            else
                RegWriteString(HKEY_CURRENT_USER, key_, names_[i], saved_[i]);
        }
    }

private:
    const char* key_;
    std::vector<const char*> names_;
    std::vector<std::string> saved_;
};


void Activate(HWND page, HWND host) {
    NMHDR header{host, 0, UINT(PSN_SETACTIVE)};
    SendMessageA(page, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&header));
}

}  // namespace

int main() {
    DetectWindows64();
    CoInitialize(nullptr);
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    CleanUp();

    std::vector<std::string> sources = SourceFiles(), files;
    if (sources.empty() || !MakeFiles(sources, files) || !WriteRunValues(files)) {
        std::printf("could not prepare the %d entries\n", kEntries);
        CleanUp();
        return 1;
    }
    SavedValues options(kOptionsKey, {"SortStartup", "Update", "Column60260", "Column60261", "Column60262",
                                      "Column60263", "Column60264"});
    SavedValues placement(kProgramKey, {"xPos", "yPos", "dxPos", "dyPos", "StartTab"});
    RegRemoveValue(HKEY_CURRENT_USER, kOptionsKey, "SortStartup");

    HWND host = CreateWindowExA(0, "STATIC", "Sentrivox", WS_POPUP, 0, 0, 1000, 760, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
    HWND page = CreateDialogParamA(ResourceInstance(), MAKEINTRESOURCEA(IDD_PAGE_STARTUP), host, StartupPageProc, 0);
    if (!page) {
        std::printf("could not create the page\n");
        CleanUp();
        return 1;
    }
    HWND list = GetDlgItem(page, IDC_LIST);
    // Shown, so that a fill includes reading the rows in view.
    ShowWindow(host, SW_SHOWNOACTIVATE);
    ShowWindow(page, SW_SHOWNOACTIVATE);
    SetWindowPos(list, nullptr, 0, 0, 960, 600, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    const auto fillAndPaint = [&] {
        FillStartupList(page);
        UpdateWindow(list);
    };
    Activate(page, host);  // the first visit records a first-seen date for every entry

    int enumerated = 0;
    const double floorMs = Median(15, [&] { enumerated = EnumerateRunTable(); });
    const double scanMs = Median(kRounds, [] { ScanStartupLocations(true); });
    const int rows = ListStoreCount();

    Stopwatch firstVisit;
    RemoveValuesStartingWith(HKEY_CURRENT_USER, kFirstSeenKey, kFolder);
    RemoveValuesStartingWith(HKEY_CURRENT_USER, kFirstSeenKey, std::string("\"") + kFolder);
    const double cleanMs = firstVisit.Milliseconds();
    Stopwatch firstFill;
    fillAndPaint();
    const double firstFillMs = firstFill.Milliseconds();
    const double fillMs = Median(kRounds, fillAndPaint);
    const int items = int(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));

    std::printf("64-bit Windows: %s; %d entries from %zu source files; medians of %d rounds\n",
                IsWindows64() ? "yes" : "no", kEntries, sources.size(), kRounds);
    std::printf("plain enumeration of the Run keys (%d values):   %9.1f ms\n", enumerated, floorMs);
    std::printf("ScanStartupLocations(true) (%d rows):            %9.1f ms\n", rows, scanMs);
    std::printf("FillStartupList and paint, first visit (dates recorded): %9.1f ms  (%.1f ms to forget them)\n",
                firstFillMs, cleanMs);
    std::printf("FillStartupList and paint, later visits (%d items):    %9.1f ms\n", items, fillMs);
    std::printf("  ratio fill / scan %.2f, fill / plain enumeration %.1f\n", fillMs / scanMs, fillMs / floorMs);

    for (int column = 0; column < 5; ++column) {
        // The first click after a fill takes the column's keys; a second one reuses them.
        ResetSortDirections();
        Stopwatch first;
        SortPageList(list, kPageStartup, column);
        const double firstMs = first.Milliseconds();
        SetSortDescending(column, true);
        Stopwatch again;
        SortPageList(list, kPageStartup, column);
        std::printf("sort by %-15s first %8.1f ms, reversed %8.1f ms%s\n", kColumns[column], firstMs,
                    again.Milliseconds(), column == 2 ? "  (reads every program's version resource)" : "");
    }
    ResetSortDirections();

    DestroyWindow(page);
    DestroyWindow(host);
    ListStoreClear();
    CleanUp();
    CoUninitialize();
    return 0;
}
