// Fills the shared list store with 4096 rows whose paths name real program
// files of the system folder, builds a list view from it as a page does
// (icons, command, company, type, first-seen date) and sorts it by every
// column, printing the time of each step.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <cstdio>
#include <string>
#include <vector>

#include "shell/app_state.h"
#include "base/first_seen.h"
#include "shell/list_page_hooks.h"
#include "shell/list_sort.h"
#include "shell/list_store.h"
#include "shell/list_view.h"
#include "shell/page_commands.h"
#include "base/registry.h"
#include "shell/row_facts.h"
#include "base/command_line.h"

#include "bench_support.h"

namespace {

using bench::Stopwatch;

std::vector<std::string> SystemPrograms() {
    char system[MAX_PATH];
    GetSystemDirectoryA(system, MAX_PATH);
    std::vector<std::string> files;
    for (const char* pattern : {"\\*.exe", "\\*.dll"}) {
        WIN32_FIND_DATAA found;
        HANDLE find = FindFirstFileA((std::string(system) + pattern).c_str(), &found);
        if (find == INVALID_HANDLE_VALUE) continue;
        do {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                files.push_back(std::string(system) + "\\" + found.cFileName);
        } while (FindNextFileA(find, &found));
        FindClose(find);
    }
    return files;
}

std::string FirstSeenCategoryKey() { return std::string(kDetectedKey) + "\\Startup"; }

// A command line as the startup locations hold them: some quoted, some with switches.
std::string CommandLineFor(const std::string& file, int i) {
    switch (i % 3) {
        case 0: return file;
        case 1: return "\"" + file + "\" /background";
        default: return file + " -s";
    }
}

}  // namespace

int main() {
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&icc);
    g_app.currentPageId = kPageStartup;

    std::vector<std::string> files = SystemPrograms();
    if (files.empty()) {
        std::printf("no program files found in the system folder\n");
        return 1;
    }
    const int rows = kListStoreMaxRows;
    std::printf("rows %d, distinct program files %zu\n", rows, files.size() < size_t(rows) ? files.size() : size_t(rows));

    // First-seen dates for every file, as earlier visits of the page would have left them.
    for (size_t i = 0; i < files.size() && i < size_t(rows); ++i) {
        char date[32];
        std::snprintf(date, sizeof(date), "%02d/%02d/%04d %d:%02d %s", int(i % 12) + 1, int(i % 28) + 1,
                      2005 + int(i % 20), int(i % 12) + 1, int(i % 60), (i % 2) ? "PM" : "AM");
        FixedText<260> name;
        ExtractProgramFile(files[i], name);
        RegWriteString(HKEY_CURRENT_USER, FirstSeenCategoryKey(), name.view(), date);
    }
    ListPageHooks hooks;
    hooks.isDisabled = [](int row) { return row % 17 == 5; };
    SetListPageHooks(kPageStartup, hooks);

    HWND frame = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1000, 700, nullptr, nullptr, nullptr, nullptr);
    HWND list = CreateWindowExA(0, WC_LISTVIEWA, "", WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SHOWSELALWAYS, 0, 0,
                                980, 650, frame, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kListControl)), nullptr,
                                nullptr);
    const char* titles[] = {"Title", "Command", "Company", "Type", "First Detected"};
    for (int c = 0; c < 5; ++c) AddColumn(list, titles[c], c, kPageStartup);

    Stopwatch scan;
    ListStoreClear();
    const int types[] = {1, 11, 2, 12, 200, 21, 100, 101};
    for (int i = 0; i < rows; ++i) {
        const std::string& file = files[size_t(i) % files.size()];
        std::string title = "Entry " + std::to_string((i * 2741) % rows);
        ListStoreAppend(title, CommandLineFor(file, i), "", "", types[i % 8], 0);
    }
    const double appendMs = scan.Milliseconds();

    Stopwatch fill;
    double iconMs = 0, companyMs = 0, seenMs = 0;
    BeginListFill(list, 0);
    for (int i = 0; i < ListStoreCount(); ++i) {
        const ListRow* row = ListStoreRow(i);
        Stopwatch icon;
        int image = AddRowIcon(row->path.view(), 0, 0);
        iconMs += icon.Milliseconds();
        int item = InsertRow(i, row->title.view(), list, image);
        std::string_view path = row->path.view();
        SetRowText(list, item, 1, path.substr(path.rfind('\\') + 1));
        Stopwatch company;
        SetRowText(list, item, 2, CompanyOfProgram(path));
        companyMs += company.Milliseconds();
        SetRowText(list, item, 3, std::to_string(row->typeCode));
        Stopwatch seen;
        SetRowText(list, item, 4, FirstSeenOfProgram(row->typeCode, path));
        seenMs += seen.Milliseconds();
    }
    FinishListFill(list, 0);
    const double fillMs = fill.Milliseconds();

    std::printf("append 4096 rows to the store: %8.1f ms\n", appendMs);
    std::printf("fill the list (icons, company, first seen): %8.1f ms\n", fillMs);
    std::printf("  icons %8.1f ms, companies %8.1f ms, first-seen dates %8.1f ms\n", iconMs, companyMs, seenMs);
    for (int column = 0; column < 5; ++column) {
        ResetSortDirections();
        Stopwatch first;
        SortPageList(list, kPageStartup, column);
        const double firstMs = first.Milliseconds();
        SetSortDescending(column, true);
        Stopwatch again;
        SortPageList(list, kPageStartup, column);
        const double againMs = again.Milliseconds();
        std::printf("sort by column %d (%s): first %8.1f ms, descending again %8.1f ms\n", column, titles[column],
                    firstMs, againMs);
    }

    // Where the time of the append and the fill goes: the system calls alone.
    {
        Stopwatch longPaths;
        for (int i = 0; i < rows; ++i) {
            FixedText<260> out;
            LongPathOf(files[size_t(i) % files.size()], out);
        }
        std::printf("  of which long-path lookups (one per row): %8.1f ms\n", longPaths.Milliseconds());
        Stopwatch icons;
        HIMAGELIST images = ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 1, 1);
        for (size_t i = 0; i < files.size(); ++i) {
            HICON icon = ExtractIconA(GetModuleHandleA(nullptr), files[i].c_str(), 0);
            if (icon && icon != reinterpret_cast<HICON>(1)) {
                ImageList_AddIcon(images, icon);
                DestroyIcon(icon);
            }
        }
        ImageList_Destroy(images);
        std::printf("  of which icons of the distinct files: %8.1f ms\n", icons.Milliseconds());
        Stopwatch seen;
        for (int i = 0; i < rows; ++i) {
            FixedText<25> date;
            FirstSeenDate(1, files[size_t(i) % files.size()], date);
        }
        std::printf("  of which first-seen reads (one per row): %8.1f ms\n", seen.Milliseconds());
        Stopwatch resolve;
        for (int i = 0; i < rows; ++i) {
            FixedText<260> file;
            ExtractProgramFile(ListStoreRow(i)->path.view(), file);
        }
        std::printf("  of which program-file resolutions (one per row): %8.1f ms\n", resolve.Milliseconds());
        Stopwatch items;
        HWND other = CreateWindowExA(0, WC_LISTVIEWA, "", WS_CHILD | LVS_REPORT, 0, 0, 900, 600, frame, nullptr,
                                     nullptr, nullptr);
        for (int c = 0; c < 5; ++c) AddColumn(other, titles[c], c, kPageStartup);
        SendMessageA(other, WM_SETREDRAW, FALSE, 0);
        for (int i = 0; i < rows; ++i) {
            int item = InsertRow(i, "title", other, 0);
            for (int c = 1; c < 5; ++c) SetRowText(other, item, c, "text");
        }
        std::printf("  of which list items and texts: %8.1f ms\n", items.Milliseconds());
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        Stopwatch small;
        for (int i = 0; i < rows; ++i) {
            FixedText<260> out;
            LongPathOf(std::string(temp) + "file" + std::to_string(i % 50) + ".exe", out);
        }
        std::printf("  long-path lookups in a small folder, for comparison: %8.1f ms\n", small.Milliseconds());
    }

    // Sorting a fresh store by company, with nothing kept from the fill.
    ForgetRowFacts();
    ListStoreAppend("one more", files[0], "", "", 1, 0);
    Stopwatch cold;
    SortPageList(list, kPageStartup, 2);
    std::printf("sort by company after a new fill, files read again: %8.1f ms\n", cold.Milliseconds());

    DestroyWindow(frame);
    for (size_t i = 0; i < files.size() && i < size_t(rows); ++i) {
        FixedText<260> name;
        ExtractProgramFile(files[i], name);
        RegRemoveValue(HKEY_CURRENT_USER, FirstSeenCategoryKey(), name.view());
    }
    ListStoreClear();
    return 0;
}
