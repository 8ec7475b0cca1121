#include "shell/list_view.h"

#include <shellapi.h>

#include <array>
#include <cstdio>
#include <map>
#include <string>

#include "resource_ids.h"
#include "shell/app_state.h"
#include "shell/options.h"
#include "shell/page_commands.h"
#include "base/registry.h"
#include "base/unique_resource.h"
#include "base/command_line.h"
#include "base/file_search.h"

namespace {

constexpr int kMaxWidthColumns = 6;

// Default widths in hundredths of the usable width; 0 is no entry.
struct ColumnFractions {
    int listId;
    int hundredths[kMaxWidthColumns];
};
const ColumnFractions kColumnFractions[] = {
    {kPageStartup, {30, 16, 18, 15, 20, 0}},
    {kPageCookies, {60, 39, 0, 0, 0, 0}},
    {kPageActiveTasks, {25, 35, 20, 20, 0, 0}},
    {kPageServices, {30, 18, 18, 9, 10, 20}},
    {kPageScheduledTasks, {28, 16, 18, 18, 18, 0}},
    {kPageIEHelpers, {30, 20, 20, 9, 20, 0}},
    {kListHistory, {35, 22, 22, 38, 0, 0}},
    {kPageFileTypes, {30, 17, 20, 12, 8, 10}},
    {kListCookieDialog, {40, 20, 10, 20, 9, 0}},
    {kPageHidden, {23, 30, 20, 20, 12, 0}},
    {kPageDelayed, {35, 30, 15, 20, 0, 0}},
    {kPageActiveX, {30, 20, 20, 10, 19, 25}},
    {kPageRecent, {30, 18, 18, 12, 21, 0}},
    {kPageRegistryMonitoring, {25, 50, 15, 10, 0, 0}},
};

// The width the fractions apply to.
int UsableWidth(int listId, int column, int listWidth) {
    if (listId == kPageScheduledTasks || listId == kPageIEHelpers) return listWidth;
    if (listId == kPageFileTypes && (column == 1 || column == 4)) return listWidth - GetSystemMetrics(SM_CXVSCROLL);
    return listWidth - GetSystemMetrics(SM_CYVSCROLL);
}

std::string ColumnOptionName(int listId, int column) {
    char name[32];
    std::snprintf(name, sizeof(name), "Column%d%d", listId, column);
    return name;
}

// Tab icons of the pages, the fallback of a row whose program gives none.
struct PageIcon {
    int pageId;
    int icon;
};
const PageIcon kPageIcons[] = {
    {kPageServices, IDI_TAB_SERVICES},   {kPageStartup, IDI_TAB_STARTUP},   {kPageIEHelpers, IDI_TAB_IEHELPERS},
    {kPageActiveTasks, IDI_TAB_ACTIVETASKS}, {kPageFileTypes, IDI_TAB_FILETYPES}, {kPageHidden, IDI_TAB_HIDDEN},
    {kPageDelayed, IDI_TAB_DELAYED},     {kPageActiveX, IDI_TAB_ACTIVEX},   {kPageRecent, IDI_TAB_RECENT},
    {kPageScheduledTasks, IDI_TAB_TASKS},
};
constexpr int kOtherPageIcon = IDI_GENERIC;
constexpr int kProgramIcon = IDI_PROGRAM;

HICON LoadSmallIcon(int id) {
    return static_cast<HICON>(LoadImageA(ResourceInstance(), MAKEINTRESOURCEA(id), IMAGE_ICON,
                                         GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
}

// One image list with what was added to it, so each icon goes in once.
struct ImageSlot {
    UniqueImageList list;
    std::map<std::string, int> imageByFile;  // "<file>,<index>" -> image, -1: the file gave none
    int pageImage = -1;
};

std::array<ImageSlot, kImageListSlots>& Slots() {
    static std::array<ImageSlot, kImageListSlots> slots;
    return slots;
}

ImageSlot* SlotAt(int slot) { return slot >= 0 && slot < kImageListSlots ? &Slots()[static_cast<size_t>(slot)] : nullptr; }

int AddIcon(HIMAGELIST list, HICON icon) {
    UniqueIcon owned(icon);
    return owned ? ImageList_AddIcon(list, owned.get()) : -1;
}

int PageIconImage(ImageSlot& slot) {
    if (slot.pageImage >= 0) return slot.pageImage;
    int icon = kOtherPageIcon;
    for (const PageIcon& entry : kPageIcons)
        if (entry.pageId == g_app.currentPageId) icon = entry.icon;
    int image = AddIcon(slot.list.get(), LoadSmallIcon(icon));
    if (image < 0 && icon != kOtherPageIcon) image = AddIcon(slot.list.get(), LoadSmallIcon(kOtherPageIcon));
    slot.pageImage = image < 0 ? 0 : image;
    return slot.pageImage;
}

}  // namespace

int DefaultColumnWidth(int listId, int column, int listWidth) {
    if (column < 0 || column >= kMaxWidthColumns) return -1;
    for (const ColumnFractions& entry : kColumnFractions) {
        if (entry.listId != listId) continue;
        int hundredths = entry.hundredths[column];
        if (hundredths == 0) return -1;
        int usable = UsableWidth(listId, column, listWidth);
        return usable > 0 ? usable * hundredths / 100 : 0;
    }
    return -1;
}

int SavedColumnWidth(int listId, int column) {
    long width = ReadOption(ColumnOptionName(listId, column), 0);
    return width > 0 && width < 0x7fff ? static_cast<int>(width) : 0;
}

bool AddColumn(HWND list, std::string_view title, int column, int listId) {
    std::string text(title);
    LVCOLUMNA lvc = {};
    lvc.mask = LVCF_FMT | LVCF_TEXT | LVCF_SUBITEM;
    lvc.fmt = LVCFMT_LEFT;
    lvc.pszText = text.data();
    lvc.iSubItem = column;

    int width = SavedColumnWidth(listId, column);
    if (width <= 0) {
        RECT rect = {};
        GetWindowRect(list, &rect);
        width = DefaultColumnWidth(listId, column, rect.right - rect.left);
    }
    if (width >= 0) {
        lvc.mask |= LVCF_WIDTH;
        lvc.cx = width;
    }
    return SendMessageA(list, LVM_INSERTCOLUMNA, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&lvc)) >= 0;
}

void SaveListColumnWidths(HWND list, int listId, int columnCount) {
    if (!list) return;
    for (int column = 0; column < columnCount; ++column) {
        int width = static_cast<int>(SendMessageA(list, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column), 0));
        RegWriteString(HKEY_CURRENT_USER, kOptionsKey, ColumnOptionName(listId, column), std::to_string(width));
    }
}

void SaveColumnWidths(HWND dialog, int listId, int columnCount) {
    SaveListColumnWidths(GetDlgItem(dialog, kListControl), listId, columnCount);
}

HIMAGELIST CreateSmallImageList(HWND list, int slot) {
    ImageSlot* entry = SlotAt(slot);
    if (!entry) return nullptr;
    DestroyImageList(slot);
    entry->list.reset(ImageList_Create(GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON),
                                       ILC_COLOR32 | ILC_MASK, 1, 1));
    if (!entry->list) return nullptr;
    // Image 0 is the program's icon; a stand-in keeps the numbering when it cannot be loaded.
    if (AddIcon(entry->list.get(), LoadSmallIcon(kProgramIcon)) < 0)
        ImageList_AddIcon(entry->list.get(), LoadIconA(nullptr, IDI_APPLICATION));
    if (list) {
        // The slot owns the image list: the list view must not destroy it too.
        SetWindowLongPtrA(list, GWL_STYLE, GetWindowLongPtrA(list, GWL_STYLE) | LVS_SHAREIMAGELISTS);
        SendMessageA(list, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(entry->list.get()));
    }
    return entry->list.get();
}

void DestroyImageList(int slot) {
    ImageSlot* entry = SlotAt(slot);
    if (!entry) return;
    *entry = ImageSlot();  // the slot's image list goes with it
}

HIMAGELIST ImageListOf(int slot) {
    ImageSlot* entry = SlotAt(slot);
    return entry ? entry->list.get() : nullptr;
}

int AddRowIcon(std::string_view path, int iconIndex, int slot) {
    ImageSlot* entry = SlotAt(slot);
    if (!entry || !entry->list) return 0;

    FixedText<260> file;
    ExtractProgramFile(path, file);
    std::string key = std::string(file.view()) + "," + std::to_string(iconIndex);
    auto known = entry->imageByFile.find(key);
    int image = -1;
    if (known != entry->imageByFile.end()) {
        image = known->second;
    } else {
        if (!file.empty() && FileExists(file.view())) {
            HICON icon = ExtractIconA(ResourceInstance(), file.c_str(), static_cast<UINT>(iconIndex));
            // ExtractIcon gives 1 for a file that is no program or icon file.
            if (icon == reinterpret_cast<HICON>(1)) icon = nullptr;
            image = AddIcon(entry->list.get(), icon);
        }
        entry->imageByFile.emplace(std::move(key), image);
    }
    return image >= 0 ? image : PageIconImage(*entry);
}

void BeginListFill(HWND list, int slot) {
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    SendMessageA(list, LVM_DELETEALLITEMS, 0, 0);
    CreateSmallImageList(list, slot);
}

int InsertRow(int row, std::string_view text, HWND list, int image) {
    std::string copy(text);
    LVITEMA item = {};
    item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
    item.iItem = row;
    item.pszText = copy.data();
    item.iImage = image;
    item.lParam = row;
    return static_cast<int>(SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
}

void SetRowText(HWND list, int item, int column, std::string_view text) {
    std::string copy(text);
    LVITEMA lvi = {};
    lvi.iSubItem = column;
    lvi.pszText = copy.data();
    SendMessageA(list, LVM_SETITEMTEXTA, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&lvi));
}

int SelectedItem(HWND list) {
    return static_cast<int>(SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

int SelectedRow(HWND list) {
    int item = SelectedItem(list);
    if (item < 0) return -1;
    LVITEMA lvi = {};
    lvi.mask = LVIF_PARAM;
    lvi.iItem = item;
    if (!SendMessageA(list, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&lvi))) return -1;
    return static_cast<int>(lvi.lParam);
}

void SelectOnly(HWND list, int item) {
    LVITEMA state = {};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = 0;
    SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&state));
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&state));
    SendMessageA(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(item), FALSE);
}
