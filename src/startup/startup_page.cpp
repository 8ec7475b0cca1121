#include "startup/startup_page.h"

#include <commctrl.h>
#include <prsht.h>

#include <vector>

#include "resource_ids.h"
#include "shell/app_state.h"
#include "shell/frame_page.h"
#include "shell/list_page_hooks.h"
#include "shell/list_sort.h"
#include "shell/list_store.h"
#include "shell/list_view.h"
#include "shell/load_text.h"
#include "shell/messages.h"
#include "shell/options.h"
#include "shell/page_commands.h"
#include "shell/page_layout.h"
#include "shell/page_menu.h"
#include "shell/row_facts.h"
#include "shell/sheet_chrome.h"
#include "shell/wait_cursor.h"
#include "startup/disable/disabled_index.h"
#include "base/first_detected.h"
#include "startup/locations/location_text.h"
#include "startup/locations/location_types.h"
#include "startup/startup_page_commands.h"
#include "startup/locations/startup_scanner.h"
#include "startup/locations/startup_type_tags.h"
#include "base/text_helpers.h"
#include "base/windows_version.h"

namespace {

constexpr int kColumnCount = 5;
constexpr int kCompanyColumn = 2;
constexpr int kImageSlot = 0;
constexpr const char* kAdvancedOption = "ShowAllStartup";
constexpr std::string_view kRundllPrefix = "RunDLL32.exe ";

// What the last fill learnt about each row, so that the buttons, the menu,
// the sort and the painting never ask the registry or the file again. The
// company and the icon are read when the list first shows a row (a list of
// thousands shows a few dozen), then kept.
struct FillFacts {
    std::vector<char> disabled;
    std::vector<int> image;            // kUnknownImage until shown
    std::vector<std::string> company;
    std::vector<char> companyKnown;
    unsigned generation = 0;  // the shared store's generation at the fill
    bool valid = false;

    void Reset(size_t rows) {
        disabled.assign(rows, 0);
        image.assign(rows, kUnknownImage);
        company.assign(rows, std::string());
        companyKnown.assign(rows, 0);
        valid = false;
    }
    // True when row belongs to the fill that the store still holds.
    bool Holds(int row) const {
        return valid && generation == SharedListStore().Generation() && row >= 0 &&
               static_cast<size_t>(row) < disabled.size();
    }

    static constexpr int kUnknownImage = -2;
};

FillFacts& Facts() {
    static FillFacts facts;
    return facts;
}

// Selection notifications that the fill itself causes are not the user's.
bool& Filling() {
    static bool filling = false;
    return filling;
}

bool RowDisabled(int row) {
    const FillFacts& facts = Facts();
    if (facts.Holds(row)) return facts.disabled[static_cast<size_t>(row)] != 0;
    const ListRow* item = ListStoreRow(row);
    return item && IsRecordedDisabled(*item);
}

HWND ListOf(HWND page) { return GetDlgItem(page, kListControl); }

// A column whose text the list asks for when it shows the row.
void SetCallbackText(HWND list, int item, int column) {
    LVITEMA lvi = {};
    lvi.iSubItem = column;
    lvi.pszText = LPSTR_TEXTCALLBACKA;
    SendMessageA(list, LVM_SETITEMTEXTA, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&lvi));
}

const std::string& RowCompany(int row) {
    FillFacts& facts = Facts();
    const size_t at = static_cast<size_t>(row);
    if (!facts.companyKnown[at]) {
        if (const ListRow* item = ListStoreRow(row)) facts.company[at] = CompanyOfProgram(item->path.view());
        facts.companyKnown[at] = 1;
    }
    return facts.company[at];
}

int RowImage(int row) {
    FillFacts& facts = Facts();
    int& image = facts.image[static_cast<size_t>(row)];
    if (image == FillFacts::kUnknownImage) {
        const ListRow* item = ListStoreRow(row);
        image = item ? AddRowIcon(item->path.view(), 0, kImageSlot) : 0;
    }
    return image;
}

// LVN_GETDISPINFO: the company column and the icon of a row being shown.
template <class DisplayInfo>
void AnswerDisplayInfo(DisplayInfo& info) {
    auto& item = info.item;
    const int row = static_cast<int>(item.lParam);
    const bool known = Facts().Holds(row);
    if (item.mask & LVIF_IMAGE) item.iImage = known ? RowImage(row) : 0;
    if (!(item.mask & LVIF_TEXT) || !item.pszText || item.cchTextMax <= 0) return;
    std::string_view text = known && item.iSubItem == kCompanyColumn ? RowCompany(row) : std::string_view();
    if constexpr (sizeof(*item.pszText) == 1) {
        CopyBounded(item.pszText, static_cast<size_t>(item.cchTextMax), text);
    } else {
        const int written = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), item.pszText,
                                                item.cchTextMax - 1);
        item.pszText[written > 0 ? written : 0] = L'\0';
    }
}

void SetTexts(HWND page) {
    static constexpr struct {
        int stringId, itemId;
    } kTexts[] = {
        {IDS_STARTUP_INTRO, IDC_STARTUP_INTRO}, {IDS_INFO, IDC_INFO},       {IDS_ADD, IDC_ADD},
        {IDS_REMOVE, IDC_REMOVE},               {IDS_ENABLE, IDC_ENABLE},   {IDS_DISABLE, IDC_DISABLE},
        {IDS_CLOSE, IDC_PAGE_CLOSE},            {IDS_STARTUP_ADVANCED, IDC_STARTUP_ADVANCED},
        {IDS_HELP, IDC_LABEL_HELP},             {IDS_MONITOR, IDC_LABEL_MONITOR},
    };
    for (const auto& text : kTexts) SetItemText(page, text.stringId, text.itemId);
}

void AddColumns(HWND list) {
    static constexpr int kTitles[kColumnCount] = {IDS_COL_TITLE, IDS_COL_COMMAND, IDS_COL_COMPANY, IDS_COL_TYPE,
                                                  IDS_COL_FIRST_DETECTED};
    for (int column = 0; column < kColumnCount; ++column) {
        FixedText<64> title;
        LoadText(kTitles[column], title);
        AddColumn(list, title.view(), column, kPageStartup);
    }
}

void OnInitDialog(HWND page) {
    SetTexts(page);
    AddColumns(ListOf(page));
    ResetSortDirections(kColumnCount);
    ListPageHooks hooks;
    hooks.isDisabled = RowDisabled;
    SetListPageHooks(kPageStartup, std::move(hooks));
    if (!IsWindowsNT()) ShowWindow(GetDlgItem(page, IDC_PAGE_CLOSE), SW_HIDE);
}

// The item whose row carries title, else the first item.
int ItemOfTitle(HWND list, std::string_view title) {
    if (title.empty()) return 0;
    const int count = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    for (int item = 0; item < count; ++item) {
        LVITEMA lvi = {};
        lvi.mask = LVIF_PARAM;
        lvi.iItem = item;
        if (!SendMessageA(list, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&lvi))) continue;
        const ListRow* row = ListStoreRow(static_cast<int>(lvi.lParam));
        if (row && row->title.view() == title) return item;
    }
    return 0;
}

// Fills the list and selects the entry titled title again (after a change to
// it), else the first entry.
void Refill(HWND page, std::string_view title = {}) {
    FillStartupList(page);
    HWND list = ListOf(page);
    if (SendMessageA(list, LVM_GETITEMCOUNT, 0, 0) > 0) SelectOnly(list, ItemOfTitle(list, title));
    UpdateStartupButtons(page);
}

FixedText<128> SelectedTitle(HWND page) {
    FixedText<128> title;
    if (const ListRow* row = ListStoreRow(SelectedRow(ListOf(page)))) title = row->title.view();
    return title;
}

void OnActivate(HWND page) {
    HWND advanced = GetDlgItem(page, IDC_STARTUP_ADVANCED);
    EnableWindow(advanced, TRUE);
    CheckDlgButton(page, IDC_STARTUP_ADVANCED, ReadOption(kAdvancedOption, 0) > 0 ? BST_CHECKED : BST_UNCHECKED);
    Refill(page);
}

void OnAdvancedClicked(HWND page) {
    const bool on = IsDlgButtonChecked(page, IDC_STARTUP_ADVANCED) == BST_CHECKED;
    WriteOption(kAdvancedOption, on ? 1 : 0);
    Refill(page, SelectedTitle(page).view());
}

// The check box sits between the list and the buttons, which the shared layout places.
void PlaceAdvancedBox(HWND page) {
    HWND box = GetDlgItem(page, IDC_STARTUP_ADVANCED);
    HWND list = ListOf(page);
    HWND button = GetDlgItem(page, IDC_INFO);
    if (!box || !list || !button) return;
    RECT listRect, buttonRect, boxRect;
    GetWindowRect(list, &listRect);
    GetWindowRect(button, &buttonRect);
    GetWindowRect(box, &boxRect);
    MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&listRect), 2);
    MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&buttonRect), 2);
    const int height = boxRect.bottom - boxRect.top;
    int top = (listRect.bottom + buttonRect.top - height) / 2;
    if (top < listRect.bottom) top = listRect.bottom;
    SetWindowPos(box, nullptr, listRect.left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void OnLayout(HWND page) {
    LayoutPage(MakePageLayout(page, {{IDC_INFO, 0}, {IDC_ADD, 0}, {IDC_REMOVE, 0}, {IDC_DISABLE, IDC_ENABLE},
                                     {IDC_PAGE_CLOSE, 0}}));
    PlaceAdvancedBox(page);
}

bool IsSelectionChange(const NMLISTVIEW& change) {
    return (change.uChanged & LVIF_STATE) && ((change.uOldState ^ change.uNewState) & LVIS_SELECTED);
}

// Notifications of list 1000; true when handled.
bool OnListNotify(HWND page, const NMHDR& header) {
    switch (header.code) {
        case NM_CLICK:
        case NM_CHAR:
            UpdateStartupButtons(page);
            return true;
        case LVN_ITEMCHANGED:
            if (!Filling() && IsSelectionChange(reinterpret_cast<const NMLISTVIEW&>(header)))
                UpdateStartupButtons(page);
            return true;
        case LVN_GETDISPINFOA:
            AnswerDisplayInfo(*reinterpret_cast<NMLVDISPINFOA*>(const_cast<NMHDR*>(&header)));
            return true;
        case LVN_GETDISPINFOW:
            AnswerDisplayInfo(*reinterpret_cast<NMLVDISPINFOW*>(const_cast<NMHDR*>(&header)));
            return true;
        case NM_DBLCLK:
            LookUpSelectedStartup(page);
            return true;
        case NM_RCLICK:
            ShowPageMenu(page, kPageStartup);
            return true;
        case LVN_COLUMNCLICK:
            OnColumnClick(header.hwndFrom, kPageStartup, reinterpret_cast<const NMLISTVIEW&>(header).iSubItem,
                          kColumnCount);
            return true;
        default:
            return false;
    }
}

// Commands that change startup entries: the list is filled again afterwards.
bool OnChangeCommand(HWND page, int command) {
    const FixedText<128> title = SelectedTitle(page);
    bool changed = false;
    switch (command) {
        case IDC_ADD: changed = AddStartupProgram(page); break;
        case IDC_REMOVE: changed = RemoveSelectedStartup(page); break;
        case IDC_DISABLE: changed = DisableSelectedStartup(page, false); break;
        case IDC_ENABLE: changed = DisableSelectedStartup(page, true); break;
        case kCommandMoveToDelayed: changed = MoveSelectedToDelayedStart(page); break;
        default: return false;
    }
    if (changed) Refill(page, title.view());
    return true;
}

bool OnCommand(HWND page, int command, int code) {
    switch (command) {
        case IDOK:
        case IDC_INFO:
            ShowSelectedStartupInfo(page);
            return true;
        case IDC_STARTUP_ADVANCED:
            if (code == BN_CLICKED) OnAdvancedClicked(page);
            return true;
        case kCommandDeleteOnReboot:
            DeleteSelectedOnReboot(page);
            return true;
        case kCommandPlusInfo:
            LookUpSelectedStartup(page);
            return true;
        case kCommandExploreFolder:
        case kCommandOpenProperties:
        case kCommandViewNote:
            HandleSharedMenuCommand(page, kPageStartup, command);
            return true;
        default:
            return OnChangeCommand(page, command);
    }
}

}  // namespace

std::string StartupCommandText(const ListRow& row) {
    std::string_view path = row.path.view();
    std::string text;
    if (row.flag == 1) text.assign(kRundllPrefix);
    text.append(path.substr(static_cast<size_t>(FileNameOffset(path))));
    return text;
}

void FillStartupList(HWND page) {
    WaitCursor wait;
    HWND list = ListOf(page);
    Filling() = true;
    ScanStartupLocations(true);
    BeginListFill(list, kImageSlot);

    FixedText<64> disabledText;
    LoadText(IDS_DISABLED_MARK, disabledText);
    FillFacts& facts = Facts();
    const int count = ListStoreCount();
    facts.Reset(static_cast<size_t>(count));
    facts.generation = SharedListStore().Generation();
    facts.valid = true;
    FirstDetectedDates dates;
    for (int index = 0; index < count; ++index) {
        const ListRow* row = ListStoreRow(index);
        if (!row) continue;
        const bool disabled = IsRecordedDisabled(*row);
        facts.disabled[static_cast<size_t>(index)] = disabled ? 1 : 0;
        const int item = InsertRow(index, row->title.view(), list, I_IMAGECALLBACK);
        SetRowText(list, item, 1, StartupCommandText(*row));
        SetCallbackText(list, item, kCompanyColumn);
        SetRowText(list, item, 3, disabled ? disabledText.view() : StartupTypeTag(row->typeCode));
        // Every row is dated now, shown or not: a first visit records it.
        SetRowText(list, item, 4, dates.DateOf(row->typeCode, row->path.view()));
    }
    FinishListFill(list, kPageStartup);
    Filling() = false;
}

void UpdateStartupButtons(HWND page) {
    HWND enable = GetDlgItem(page, IDC_ENABLE), disable = GetDlgItem(page, IDC_DISABLE);
    HWND remove = GetDlgItem(page, IDC_REMOVE);
    const int index = SelectedRow(ListOf(page));
    const ListRow* row = ListStoreRow(index);
    if (!row) {
        ShowWindow(enable, SW_HIDE);
        ShowWindow(disable, SW_HIDE);
        return;
    }
    EnableWindow(remove, TRUE);
    SetItemText(page, IDS_REMOVE, IDC_REMOVE);
    const bool disabled = RowDisabled(index);
    ShowWindow(enable, disabled ? SW_SHOW : SW_HIDE);
    EnableWindow(enable, disabled);
    ShowWindow(disable, disabled ? SW_HIDE : SW_SHOW);
    EnableWindow(disable, !disabled);

    FixedText<64 + kLocationTextSize> status;
    LoadText(IDS_STARTUP_LOCATION, status);
    FixedText<kLocationTextSize> location;
    LocationText(*row, location);
    status.append(location.view());
    SetStatusText(status.c_str());

    const int type = row->typeCode;
    if (type == kLocationUserinit || type == kLocationShell) SetItemText(page, IDS_RESET, IDC_REMOVE);
    if (type >= kLocationUserinit && type <= kLocationAppInit) {
        EnableWindow(enable, FALSE);
        EnableWindow(disable, FALSE);
    }
    if (type == kLocationNotify) EnableWindow(remove, FALSE);
}

INT_PTR CALLBACK StartupPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    INT_PTR result = FALSE;
    switch (message) {
        case WM_INITDIALOG:
            OnInitDialog(page);
            break;
        case WM_NOTIFY: {
            const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
            if (header.idFrom == static_cast<UINT_PTR>(kListControl) && OnListNotify(page, header)) return FALSE;
            if (header.code == PSN_KILLACTIVE) SaveColumnWidths(page, kPageStartup, kColumnCount);
            if (header.code == PSN_SETACTIVE) {
                HandlePageCommon(page, message, wParam, lParam, kPageStartup, result);
                OnActivate(page);
                return result;
            }
            break;
        }
        case WM_COMMAND:
            if (OnCommand(page, LOWORD(wParam), HIWORD(wParam))) return TRUE;
            break;
        case kMessageLayout:
            OnLayout(page);
            return TRUE;
        case WM_CLOSE:
        case WM_DESTROY:
            SaveColumnWidths(page, kPageStartup, kColumnCount);
            break;
    }
    HandlePageCommon(page, message, wParam, lParam, kPageStartup, result);
    return result;
}
