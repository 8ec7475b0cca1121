#include "shell/list_page.h"

#include <commctrl.h>
#include <prsht.h>

#include <algorithm>

#include "resource_ids.h"
#include "base/command_line.h"
#include "base/file_search.h"
#include "base/program_folders.h"
#include "base/windows_version.h"
#include "shell/app_state.h"
#include "shell/confirm_system_file.h"
#include "shell/delete_on_reboot.h"
#include "shell/frame_page.h"
#include "shell/info_dialog.h"
#include "shell/list_page_hooks.h"
#include "shell/list_sort.h"
#include "shell/list_view.h"
#include "shell/load_text.h"
#include "shell/messages.h"
#include "shell/online_lookup.h"
#include "shell/page_commands.h"
#include "shell/page_layout.h"
#include "shell/page_menu.h"
#include "shell/row_facts.h"
#include "shell/selected_rows.h"
#include "shell/sheet_chrome.h"
#include "shell/wait_cursor.h"

namespace {

constexpr int kUnknownImage = -2;

void ShowNoSelection() { ShowProgramMessage(IDS_NO_SELECTION, MB_OK | MB_ICONINFORMATION); }

bool IsSelectionChange(const NMLISTVIEW& change) {
    return (change.uChanged & LVIF_STATE) && ((change.uOldState ^ change.uNewState) & LVIS_SELECTED);
}

// A column whose text the list asks for when it shows the row.
void SetCallbackText(HWND list, int item, int column) {
    LVITEMA lvi = {};
    lvi.iSubItem = column;
    lvi.pszText = LPSTR_TEXTCALLBACKA;
    SendMessageA(list, LVM_SETITEMTEXTA, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&lvi));
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

// Brings the list back to the top row it showed before a dialog moved it.
void ScrollBackTo(HWND list, int top) {
    const int now = static_cast<int>(SendMessageA(list, LVM_GETTOPINDEX, 0, 0));
    if (now == top) return;
    RECT item = {LVIR_BOUNDS, 0, 0, 0};
    if (!SendMessageA(list, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item))) return;
    SendMessageA(list, LVM_SCROLL, 0, (top - now) * (item.bottom - item.top));
}

// A check box sits between the list and the buttons, which the shared layout places.
void PlaceBoxUnderList(HWND page, int boxId) {
    HWND box = GetDlgItem(page, boxId);
    HWND list = GetDlgItem(page, kListControl);
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

}  // namespace

void CommandSet::Remove(int id) { ids_.erase(std::remove(ids_.begin(), ids_.end(), id), ids_.end()); }

bool CommandSet::Has(int id) const { return std::find(ids_.begin(), ids_.end(), id) != ids_.end(); }

ListPage::ListPage(ListPageSpec spec) : spec_(std::move(spec)) {}

ListPage::~ListPage() = default;

int ListPage::ColumnCount() const { return static_cast<int>(spec_.columnTitles.size()); }

HWND ListPage::ListOf(HWND page) { return GetDlgItem(page, kListControl); }

CommandSet ListPage::CommandsFor(int row) const {
    CommandSet all;
    if (!ListStoreRow(row)) return all;
    for (int id : spec_.rowCommands) all.Add(id);
    return all;
}

void ListPage::RegisterHooks() {
    ListPageHooks hooks;
    hooks.isDisabled = [this](int row) { return RowDisabled(row); };
    hooks.sortText = [this](int row, int column, FixedText<260>& key) { SortText(row, column, key); };
    hooks.denies = [this](int row, int command) {
        const auto& own = spec_.rowCommands;
        return std::find(own.begin(), own.end(), command) != own.end() && !CommandsFor(row).Has(command);
    };
    SetListPageHooks(spec_.pageId, std::move(hooks));
}

void ListPage::Init(HWND page) {
    for (const PageText& text : spec_.texts) SetItemText(page, text.stringId, text.controlId);
    SetItemText(page, IDS_INFO, IDC_INFO);
    SetItemText(page, IDS_CLOSE, IDC_PAGE_CLOSE);
    SetItemText(page, IDS_HELP, IDC_LABEL_HELP);
    SetItemText(page, IDS_MONITOR, IDC_LABEL_MONITOR);
    if (!IsWindowsNT()) ShowWindow(GetDlgItem(page, IDC_PAGE_CLOSE), SW_HIDE);
    HWND list = ListOf(page);
    for (int column = 0; column < ColumnCount(); ++column) {
        FixedText<64> title;
        LoadText(spec_.columnTitles[static_cast<size_t>(column)], title);
        AddColumn(list, title.view(), column, spec_.pageId);
    }
    ResetSortDirections(ColumnCount());
    RegisterHooks();
    OnInit(page);
}

void ListPage::Fill(HWND page, std::string_view selectTitle) {
    WaitCursor wait;
    HWND list = ListOf(page);
    if (!list) return;
    filling_ = true;
    Scan();
    BeginListFill(list, spec_.imageSlot);
    const int count = ListStoreCount();
    const size_t rows = static_cast<size_t>(count);
    images_.assign(rows, kUnknownImage);
    companies_.assign(rows, std::string());
    companyKnown_.assign(rows, 0);
    generation_ = SharedListStore().Generation();
    factsValid_ = true;
    OnFillStart(count);
    for (int index = 0; index < count; ++index) {
        const ListRow* row = ListStoreRow(index);
        if (!row || !ShowsRow(*row)) continue;
        const int item = InsertRow(index, CellText(index, *row, 0), list, I_IMAGECALLBACK);
        for (int column = 1; column < ColumnCount(); ++column) {
            if (IsCompanyColumn(spec_.pageId, column)) SetCallbackText(list, item, column);
            else SetRowText(list, item, column, CellText(index, *row, column));
        }
    }
    FinishListFill(list, spec_.pageId);
    filling_ = false;
    if (SendMessageA(list, LVM_GETITEMCOUNT, 0, 0) > 0) SelectOnly(list, ItemOfTitle(list, selectTitle));
    UpdateButtons(page);
}

const std::string& ListPage::RowCompany(int row) {
    const size_t at = static_cast<size_t>(row);
    if (!companyKnown_[at]) {
        if (const ListRow* item = ListStoreRow(row)) companies_[at] = CompanyOfProgram(item->path.view());
        companyKnown_[at] = 1;
    }
    return companies_[at];
}

int ListPage::RowImage(int row) {
    int& image = images_[static_cast<size_t>(row)];
    if (image == kUnknownImage) {
        const ListRow* item = ListStoreRow(row);
        image = item ? AddRowIcon(item->path.view(), 0, spec_.imageSlot) : 0;
    }
    return image;
}

// LVN_GETDISPINFO: the company columns and the icon of a row being shown.
template <class DisplayInfo>
void ListPage::AnswerDisplayInfo(DisplayInfo& info) {
    auto& item = info.item;
    const int row = static_cast<int>(item.lParam);
    const bool known = factsValid_ && generation_ == SharedListStore().Generation() && row >= 0 &&
                       static_cast<size_t>(row) < images_.size();
    if (item.mask & LVIF_IMAGE) item.iImage = known ? RowImage(row) : 0;
    if (!(item.mask & LVIF_TEXT) || !item.pszText || item.cchTextMax <= 0) return;
    std::string_view text =
        known && IsCompanyColumn(spec_.pageId, item.iSubItem) ? RowCompany(row) : std::string_view();
    if constexpr (sizeof(*item.pszText) == 1) {
        CopyBounded(item.pszText, static_cast<size_t>(item.cchTextMax), text);
    } else {
        const int written = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), item.pszText,
                                                item.cchTextMax - 1);
        item.pszText[written > 0 ? written : 0] = L'\0';
    }
}

void ListPage::UpdateButtons(HWND page) {
    const int index = SelectedRow(ListOf(page));
    const ListRow* row = ListStoreRow(index);
    const CommandSet allowed = CommandsFor(index);
    for (int id : spec_.rowCommands)
        if (HWND button = GetDlgItem(page, id)) EnableWindow(button, row && allowed.Has(id));
    if (row) SetStatusText(StatusText(*row).c_str());
    OnSelection(page, row, row ? index : -1);
}

// The rows behind the selected items, in list order, while the store still
// holds the fill the items were made from.
static std::vector<int> ItemRows(HWND list) {
    std::vector<int> rows;
    for (int item = -1; (item = static_cast<int>(SendMessageA(list, LVM_GETNEXTITEM, WPARAM(item), LVNI_SELECTED))) >= 0;) {
        LVITEMA lvi = {};
        lvi.mask = LVIF_PARAM;
        lvi.iItem = item;
        if (SendMessageA(list, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&lvi)) && ListStoreRow(int(lvi.lParam)))
            rows.push_back(static_cast<int>(lvi.lParam));
    }
    return rows;
}

std::vector<int> ListPage::SelectedRows(HWND page, bool tell) const {
    // Items made from the store's present fill name their rows; after another
    // fill of the store they are found again by title.
    const bool sameFill = factsValid_ && generation_ == SharedListStore().Generation();
    std::vector<int> rows = sameFill ? ItemRows(ListOf(page)) : SelectedStoreRows(ListOf(page));
    if (rows.empty() && tell) ShowNoSelection();
    return rows;
}

std::vector<ListRow> ListPage::SelectedRowCopies(HWND page, bool tell) const {
    std::vector<ListRow> copies;
    for (int index : SelectedRows(page, tell))
        if (const ListRow* row = ListStoreRow(index)) copies.push_back(*row);
    return copies;
}

int ListPage::SelectedIndex(HWND page, bool tell) const {
    const int row = SelectedRow(ListOf(page));
    if (ListStoreRow(row)) return row;
    if (tell) ShowNoSelection();
    return -1;
}

void ListPage::ShowInfo(HWND page) {
    HWND list = ListOf(page);
    const int row = SelectedIndex(page);
    if (row < 0) return;
    const int top = static_cast<int>(SendMessageA(list, LVM_GETTOPINDEX, 0, 0));
    ShowInformationDialog(page, list, row);
    if (spec_.refillAfterInfo) {
        FixedText<128> title;
        if (const ListRow* shown = ListStoreRow(SelectedRow(list))) title = shown->title.view();
        Fill(page, title.view());
    }
    ScrollBackTo(list, top);
}

void ListPage::LookUpOnline(HWND page) {
    const int row = SelectedIndex(page);
    if (const ListRow* item = ListStoreRow(row)) OpenOnlineLookup(item->typeCode, item->path.view(), item->title.view());
}

// The question names the file. A file of Windows' own (explorer.exe,
// svchost.exe, rundll32.exe) is asked about through the protection dialog,
// where the user has to tick that they know what they are doing.
static bool ConfirmDeleteOnReboot(HWND page, const ListRow& row, std::string_view file) {
    if (IsInWindowsFolders(file)) {
        ListRow shown = row;
        shown.path = file;
        return ConfirmSystemFile(page, shown);
    }
    FixedText<1400> question;
    LoadText(IDS_CONFIRM_DELETE_ON_REBOOT, question);
    question.append(file);
    return ShowProgramMessageText(question.c_str(), MB_YESNO | MB_ICONSTOP) == IDYES;
}

void ListPage::DeleteSelectedOnReboot(HWND page) {
    const int index = SelectedIndex(page);
    if (index < 0) return;
    const ListRow row = *ListStoreRow(index);  // the question's message loop may refill the store
    FixedText<MAX_PATH> program, file;
    if (ExtractProgramFile(row.path.view(), program) <= 0) program = row.path.view();
    // Named as it is spelt on disk: the program file comes upper-cased.
    file = PathAsOnDisk(program.view());
    if (ConfirmDeleteOnReboot(page, row, file.view())) DeleteOnReboot(file.view());
}

void ListPage::SaveWidths(HWND page) const {
    if (ListOf(page)) SaveColumnWidths(page, spec_.pageId, ColumnCount());
}

void ListPage::LayOut(HWND page) {
    PageLayout layout = MakePageLayout(page, {});
    for (const ButtonSlot& slot : spec_.buttons) {
        if (layout.buttonCount >= kLayoutButtonSlots) break;
        LayoutButton& place = layout.buttons[static_cast<size_t>(layout.buttonCount++)];
        place.button = GetDlgItem(page, slot.button);
        place.alternative = slot.alternative ? GetDlgItem(page, slot.alternative) : nullptr;
    }
    LayoutPage(layout);
    if (spec_.checkBox) PlaceBoxUnderList(page, spec_.checkBox);
    OnLayout(page);
}

void ListPage::Activate(HWND page) {
    OnActivate(page);
    if (spec_.fillOnEveryActivation || ListStoreCount() == 0) Fill(page);
}

bool ListPage::OnListNotify(HWND page, NMHDR& header) {
    switch (header.code) {
        case NM_CLICK:
        case NM_CHAR:
            UpdateButtons(page);
            return true;
        case LVN_ITEMCHANGED:
            if (!filling_ && IsSelectionChange(reinterpret_cast<const NMLISTVIEW&>(header))) UpdateButtons(page);
            return true;
        case LVN_GETDISPINFOA:
            AnswerDisplayInfo(reinterpret_cast<NMLVDISPINFOA&>(header));
            return true;
        case LVN_GETDISPINFOW:
            AnswerDisplayInfo(reinterpret_cast<NMLVDISPINFOW&>(header));
            return true;
        case NM_DBLCLK:
            LookUpOnline(page);
            return true;
        case NM_RCLICK:
            ShowPageMenu(page, spec_.pageId);
            return true;
        case LVN_COLUMNCLICK:
            OnColumnClick(header.hwndFrom, spec_.pageId, reinterpret_cast<const NMLISTVIEW&>(header).iSubItem,
                          ColumnCount());
            return true;
        default:
            return false;
    }
}

bool ListPage::OnSharedCommand(HWND page, int id, int code) {
    switch (id) {
        case IDOK:
        case IDC_INFO:
            ShowInfo(page);
            return true;
        case kCommandPlusInfo:
            LookUpOnline(page);
            return true;
        case kCommandDeleteOnReboot:
            DeleteSelectedOnReboot(page);
            return true;
        case kCommandExploreFolder:
        case kCommandOpenProperties:
        case kCommandViewNote:
            if (SelectedIndex(page) >= 0) HandleSharedMenuCommand(page, spec_.pageId, id);
            return true;
        default:
            return false;
    }
}

INT_PTR ListPage::Handle(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    INT_PTR result = FALSE;
    switch (message) {
        case WM_INITDIALOG:
            Init(page);
            break;
        case WM_NOTIFY: {
            auto& header = *reinterpret_cast<NMHDR*>(lParam);
            if (header.idFrom == static_cast<UINT_PTR>(kListControl) && OnListNotify(page, header)) return FALSE;
            if (header.code == PSN_KILLACTIVE) SaveWidths(page);
            if (header.code == PSN_SETACTIVE) {
                HandlePageCommon(page, message, wParam, lParam, spec_.pageId, result);
                Activate(page);
                return result;
            }
            break;
        }
        case WM_COMMAND: {
            const int id = LOWORD(wParam), code = HIWORD(wParam);
            if (OnCommand(page, id, code) || OnSharedCommand(page, id, code)) return TRUE;
            break;
        }
        case kMessageLayout:
            LayOut(page);
            return TRUE;
        case WM_CLOSE:
        case WM_DESTROY:
            SaveWidths(page);
            if (message == WM_DESTROY) {
                factsValid_ = false;
                SetListPageHooks(spec_.pageId, {});
            }
            break;
    }
    HandlePageCommon(page, message, wParam, lParam, spec_.pageId, result);
    return result;
}
