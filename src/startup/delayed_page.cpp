#include "startup/delayed_page.h"

#include <commctrl.h>
#include <prsht.h>

#include <cstdio>
#include <string>
#include <vector>

#include "res/resource_ids.h"
#include "shell/app_state.h"
#include "base/fixed_text.h"
#include "shell/frame_page.h"
#include "shell/list_page_hooks.h"
#include "shell/list_sort.h"
#include "shell/list_store.h"
#include "shell/list_view.h"
#include "shell/load_text.h"
#include "shell/messages.h"
#include "shell/page_commands.h"
#include "shell/page_layout.h"
#include "shell/page_menu.h"
#include "startup/delayed/delay_dialogs.h"
#include "startup/delayed/delay_values.h"
#include "startup/delayed/delayed_programs.h"
#include "base/file_search.h"
#include "shell/info_dialog.h"
#include "shell/browse_for_program.h"
#include "startup/delayed/delayed_launch.h"
#include "shell/online_lookup.h"
#include "base/processes.h"
#include "startup/selected_rows.h"
#include "base/text_helpers.h"
#include "base/windows_version.h"

namespace {

constexpr int kColumnCount = 4;
constexpr int kImageSlot = 0;
constexpr int kColumnTexts[kColumnCount] = {IDS_COL_TITLE, IDS_COL_COMMAND, IDS_COL_STATUS, IDS_COL_DELAY_TIME};

// What the Status and Delay Time columns show of a row, taken once per fill
// and kept for the sort.
struct DelayedRowFacts {
    bool running = false;
    int seconds = 0;
};

std::vector<DelayedRowFacts>& RowFacts() {
    static std::vector<DelayedRowFacts> facts;
    return facts;
}

void SortText(int row, int column, FixedText<260>& key) {
    key.clear();
    const auto& facts = RowFacts();
    if (row < 0 || size_t(row) >= facts.size()) return;
    const DelayedRowFacts& fact = facts[size_t(row)];
    if (column == 2) {
        key = fact.running ? "0" : "1";
    } else if (column == 3) {
        char text[16];
        std::snprintf(text, sizeof(text), "%04d", fact.seconds);
        key = text;
    }
}

HWND ListOf(HWND page) { return GetDlgItem(page, IDC_LIST); }

// The name the store holds a row's program under (the row's path as a rule).
FixedText<MAX_PATH> EntryName(const ListRow& row) {
    FixedText<MAX_PATH> name;
    if (!FindDelayEntryName(StartupHive(row), row.path.view(), name)) name = row.path.view();
    return name;
}

std::string_view FileNamePart(std::string_view path) { return path.substr(size_t(FileNameOffset(path))); }

FixedText<128> StatusText(bool running, std::string_view path) {
    FixedText<128> text;
    if (running) LoadText(IDS_STATE_RUNNING, text);
    else if (!FileExists(path)) LoadText(IDS_FILE_NOT_FOUND, text);
    return text;
}

void InitPage(HWND page) {
    SetItemText(page, IDS_DELAY_INTRO, IDC_DELAY_INTRO);
    SetItemText(page, IDS_DELAY_HINT, IDC_DELAY_HINT);
    SetItemText(page, IDS_INFO, IDC_INFO);
    SetItemText(page, IDS_ADD, IDC_ADD);
    SetItemText(page, IDS_DELAY_OPTIONS, IDC_DELAY_OPTIONS);
    SetItemText(page, IDS_REMOVE, IDC_REMOVE);
    SetItemText(page, IDS_CLOSE, IDC_PAGE_CLOSE);
    SetItemText(page, IDS_HELP, IDC_LABEL_HELP);
    if (!IsWindowsNT()) ShowWindow(GetDlgItem(page, IDC_PAGE_CLOSE), SW_HIDE);

    HWND list = ListOf(page);
    for (int column = 0; column < kColumnCount; ++column) {
        FixedText<64> title;
        LoadText(kColumnTexts[column], title);
        AddColumn(list, title.view(), column, kPageDelayed);
    }
    ResetSortDirections(kColumnCount);
    ListPageHooks hooks;
    hooks.sortText = SortText;
    SetListPageHooks(kPageDelayed, hooks);
}

void LayOut(HWND page) {
    LayoutPage(MakePageLayout(page, {{IDC_INFO, 0}, {IDC_ADD, 0}, {IDC_DELAY_OPTIONS, 0}, {IDC_REMOVE, 0},
                                     {IDC_PAGE_CLOSE, 0}}));
}

void SaveColumns(HWND page) {
    if (ListOf(page)) SaveColumnWidths(page, kPageDelayed, kColumnCount);
}

// The selected rows; string 57 when there are none.
std::vector<int> RowsToActOn(HWND page) {
    std::vector<int> rows = SelectedStoreRows(ListOf(page));
    if (rows.empty()) ShowProgramMessage(IDS_NO_SELECTION, MB_OK | MB_ICONINFORMATION);
    return rows;
}

// A copy of a row: the store is filled again before the commands end.
bool CopyRow(int row, ListRow& out) {
    const ListRow* stored = ListStoreRow(row);
    if (!stored) return false;
    out = *stored;
    return true;
}

void ShowInfo(HWND page) {
    std::vector<int> rows = RowsToActOn(page);
    if (!rows.empty()) ShowInformationDialog(page, ListOf(page), rows.front());
}

void LookUpOnline(HWND page) {
    ListRow row;
    int selected = SelectedRow(ListOf(page));
    if (selected >= 0 && CopyRow(selected, row)) OpenOnlineLookup(row.typeCode, row.path.view(), row.title.view());
}

void AddProgram(HWND page) {
    FixedText<MAX_PATH> path;
    if (!BrowseForProgram(page, path)) return;
    int startFor = AskStartupProgramType(page);
    if (startFor == kDelayForNobody) return;
    AddDelayedProgram(path.view(), DelayStartFor(startFor));
    FillDelayedList(page);
}

void LaunchSelected(HWND page) {
    std::vector<int> rows = RowsToActOn(page);
    if (rows.empty()) return;
    for (int index : rows) {
        ListRow row;
        if (!CopyRow(index, row)) continue;
        HKEY hive = StartupHive(row);
        FixedText<MAX_PATH> name = EntryName(row);
        FixedText<1024> parameters;
        FixedText<64> applet;
        ReadDelayValue(hive, DelayValue::Parameters, name.view(), parameters);
        ReadDelayValue(hive, DelayValue::Applet, name.view(), applet);
        LaunchProgram(hive, name.view(), parameters.view(), applet.view());
    }
    FillDelayedList(page);
}

void EditDelayOptions(HWND page) {
    std::vector<int> rows = RowsToActOn(page);
    ListRow row;
    if (rows.empty() || !CopyRow(rows.front(), row)) return;
    ShowDelayOptionsDialog(page, StartupHive(row), EntryName(row).view());
    FillDelayedList(page);
}

void RestoreSelected(HWND page) {
    std::vector<int> rows = RowsToActOn(page);
    if (rows.empty()) return;
    std::vector<ListRow> chosen(rows.size());
    for (size_t i = 0; i < rows.size(); ++i) CopyRow(rows[i], chosen[i]);
    for (const ListRow& row : chosen) RestoreDelayed(row);
    FillDelayedList(page);
}

void RemoveSelected(HWND page) {
    std::vector<int> rows = RowsToActOn(page);
    if (rows.empty()) return;
    for (int index : rows) {
        ListRow row;
        if (!CopyRow(index, row)) continue;
        int answer = ShowProgramMessage(IDS_CONFIRM_REMOVE_DELAYED, MB_YESNOCANCEL | MB_ICONQUESTION);
        if (answer == IDCANCEL) break;
        if (answer == IDYES) RestoreDelayed(row);
        else if (answer == IDNO) ForgetDelayed(row);
    }
    FillDelayedList(page);
}

bool OnCommand(HWND page, int id) {
    switch (id) {
        case IDOK:
        case IDC_INFO: ShowInfo(page); return true;
        case IDC_ADD: AddProgram(page); return true;
        case kCommandLaunchProgram: LaunchSelected(page); return true;
        case IDC_DELAY_OPTIONS: EditDelayOptions(page); return true;
        case kCommandRestoreToStartup: RestoreSelected(page); return true;
        case IDC_REMOVE: RemoveSelected(page); return true;
        case kCommandPlusInfo: LookUpOnline(page); return true;
        case kCommandExploreFolder:
        case kCommandOpenProperties:
        case kCommandViewNote:
            if (SelectedRow(ListOf(page)) < 0) ShowProgramMessage(IDS_NO_SELECTION, MB_OK | MB_ICONINFORMATION);
            else HandleSharedMenuCommand(page, kPageDelayed, id);
            return true;
        default: return false;
    }
}

bool OnListNotify(HWND page, const NMHDR* header) {
    switch (header->code) {
        case NM_DBLCLK: LookUpOnline(page); return true;
        case NM_RCLICK: ShowPageMenu(page, kPageDelayed); return true;
        case LVN_COLUMNCLICK: {
            const auto* view = reinterpret_cast<const NMLISTVIEW*>(header);
            OnColumnClick(header->hwndFrom, kPageDelayed, view->iSubItem, kColumnCount);
            return true;
        }
        default: return false;
    }
}

void Activate(HWND page) {
    FillDelayedList(page);
    if (ListView_GetItemCount(ListOf(page)) > 0) SelectOnly(ListOf(page), 0);
}

}  // namespace

void FillDelayedList(HWND page) {
    HWND list = ListOf(page);
    if (!list) return;
    SetCursor(LoadCursorA(nullptr, IDC_WAIT));
    BeginListFill(list, kImageSlot);
    LoadDelayedList();
    auto& facts = RowFacts();
    facts.assign(size_t(ListStoreCount()), DelayedRowFacts());
    for (int index = 0; index < ListStoreCount(); ++index) {
        const ListRow& row = *ListStoreRow(index);
        std::string_view path = row.path.view();
        DelayedRowFacts& fact = facts[size_t(index)];
        fact.running = IsProgramRunning(path) != 0;
        fact.seconds = ReadDelaySeconds(StartupHive(row), EntryName(row).view());

        int item = InsertRow(index, row.title.view(), list, AddRowIcon(path, 0, kImageSlot));
        SetRowText(list, item, 1, FileNamePart(path));
        SetRowText(list, item, 2, StatusText(fact.running, path).view());
        SetRowText(list, item, 3, DelayTimeText(fact.seconds).view());
    }
    FinishListFill(list, kPageDelayed);
}

INT_PTR CALLBACK DelayedPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    INT_PTR result = FALSE;
    switch (message) {
        case WM_INITDIALOG:
            InitPage(page);
            break;
        case WM_NOTIFY: {
            const auto* header = reinterpret_cast<const NMHDR*>(lParam);
            if (header->idFrom == IDC_LIST && OnListNotify(page, header)) return TRUE;
            if (header->code == PSN_KILLACTIVE) SaveColumns(page);
            if (HandlePageCommon(page, message, wParam, lParam, kPageDelayed, result)) {
                if (header->code == PSN_SETACTIVE) Activate(page);
                return result;
            }
            return FALSE;
        }
        case WM_COMMAND:
            if (OnCommand(page, LOWORD(wParam))) return TRUE;
            break;
        case kMessageLayout:
            LayOut(page);
            return TRUE;
        case WM_CLOSE:
        case WM_DESTROY:
            SaveColumns(page);
            if (message == WM_DESTROY) {
                SetListPageHooks(kPageDelayed, {});
                RowFacts().clear();
            }
            break;
    }
    HandlePageCommon(page, message, wParam, lParam, kPageDelayed, result);
    return result;
}
