#include "shell/list_sort.h"

#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "base/first_seen.h"
#include "shell/list_page_hooks.h"
#include "shell/list_store.h"
#include "shell/options.h"
#include "shell/page_commands.h"
#include "shell/recent_store.h"
#include "shell/row_facts.h"
#include "base/file_facts.h"
#include "base/file_search.h"
#include "base/text_helpers.h"

namespace {

bool g_descending[kSortColumns] = {};

// What a column is ordered by.
enum class Key {
    None,             // every pair compares equal
    Title,
    FileName,         // the path after its last backslash
    Folder,           // the path before its last backslash
    Company,          // of the path's program file
    TypeText,         // the type code as decimal text: "10" before "9"
    TypeNumber,
    Description,      // its first 512 characters
    Path,
    Detail,
    FlagNumber,
    FirstSeen,        // first-seen date of the program file, as date sort key
    LastWrite,        // the file's last-write time, as date sort key
    KillBit,          // "Disabled" or "Enabled" by the compatibility flags kept in the row
    DetailDate,       // the detail as date sort key
    DescriptionDate,  // the description as date sort key
    PageText,         // a text the page's own code defines (ListPageHooks::sortText)
};

struct ListSortRule {
    int listId;
    Key keys[kSortColumns];
    bool cutToShorter;   // both keys compared only as far as the shorter one goes
    bool disabledLast;   // disabled rows after the others in both directions (columns 0 to 3)
    int firstSeenType;   // item type of the first-seen category; 0: the row's own type code
};

using K = Key;
const ListSortRule kSortRules[] = {
    {kPageStartup, {K::Title, K::FileName, K::Company, K::TypeText, K::FirstSeen}, true, true, 0},
    {kPageDelayed, {K::Title, K::FileName, K::PageText, K::PageText}, true, false, 0},
    {kPageCookies, {K::FileName, K::Description, K::TypeNumber}, false, false, 0},
    {kListCookieDialog, {K::Title, K::Description, K::Path, K::Detail, K::FlagNumber}, false, false, 0},
    {kPageRegistryMonitoring, {K::Title, K::Path, K::Detail, K::Description}, false, false, 0},
    {kListHistory, {}, false, false, 0},
    {kPageServices, {K::Title, K::FileName, K::Company, K::PageText, K::Detail, K::FirstSeen}, false, false, 700},
    {kPageIEHelpers, {K::Title, K::FileName, K::Company, K::TypeText, K::FirstSeen}, false, false, 900},
    // Next and last run times are shown in columns 3 and 4 and ordered as dates.
    {kPageScheduledTasks, {K::Title, K::FileName, K::Company, K::DetailDate, K::DescriptionDate}, false, false, 0},
    {kPageFileTypes, {K::Title, K::PageText, K::Company, K::Detail, K::Description}, false, false, 0},
    {kPageActiveTasks,
     {K::FileName, K::Title, K::Company, K::FirstSeen, K::FirstSeen, K::FirstSeen, K::FirstSeen, K::FirstSeen},
     false, false, 600},
    {kPageActiveX, {K::Title, K::FileName, K::Company, K::KillBit, K::FirstSeen, K::Detail}, false, false, 1200},
    {kPageHidden, {K::FileName, K::Folder, K::FirstSeen, K::LastWrite, K::FlagNumber}, false, false, 370},
    // Recent rows: the type code is the record's category, which is also its first-seen item type.
    {kPageRecent, {K::FileName, K::Title, K::Company, K::TypeText, K::FirstSeen}, false, false, 0},
};

const ListSortRule* RuleOf(int listId) {
    for (const ListSortRule& rule : kSortRules)
        if (rule.listId == listId) return &rule;
    return nullptr;
}

struct SortOption {
    int listId;
    const char* name;
};
const SortOption kSortOptions[] = {
    {kPageStartup, "SortStartup"},          {kPageDelayed, "SortPrograms"},
    {kPageIEHelpers, "SortIEHelper"},       {kPageScheduledTasks, "SortScheduledTask"},
    {kPageServices, "SortService"},         {kPageActiveTasks, "SortActiveTask"},
    {kPageCookies, "SortCookie"},           {kListCookieDialog, "SortCookie"},
    {kPageFileTypes, "SortFileType"},       {kPageHidden, "SortHidden"},
    {kPageRecent, "SortRecent"},            {kPageActiveX, "SortActiveX"},
    {kPageRegistryMonitoring, "SortRegOptions"}, {kListHistory, "SortHistory"},
};

bool ValidColumn(int column) { return column >= 0 && column < kSortColumns; }

// The order the lists show their texts in: lstrcmpiA's, the user's collation
// without regard to case (so "Émile" sorts beside "Emil", not after "Zeta"),
// over the keys' own lengths. Names are matched by the case-blind rule of
// text_helpers.h instead; this is for the eye only.
int CompareAsListed(std::string_view a, std::string_view b) {
    const int result = CompareStringA(GetThreadLocale(), NORM_IGNORECASE, a.data(), static_cast<int>(a.size()),
                                      b.data(), static_cast<int>(b.size()));
    return result == 0 ? CompareNoCase(a, b) : result - CSTR_EQUAL;
}

// One row as the keys see it, from whichever store holds the list's rows.
struct RowView {
    std::string_view title, path, detail, description;
    int typeCode = 0;
    int flag = 0;
};

// The store of a list and its generation, so kept keys know when they are stale.
struct StoreStamp {
    const void* store = nullptr;
    unsigned generation = 0;
    bool operator==(const StoreStamp& o) const { return store == o.store && generation == o.generation; }
};

const ListStore& ListStoreOf(int listId) {
    const ListStore* own = ListPageHooksOf(listId).store;
    return own ? *own : SharedListStore();
}

// Stands for the Recent store, which is no ListStore, in a stamp.
const char kRecentStoreMark = 0;

StoreStamp StampOf(int listId) {
    if (listId == kPageRecent) return {&kRecentStoreMark, RecentStoreGeneration()};
    const ListStore& store = ListStoreOf(listId);
    return {&store, store.Generation()};
}

int RowCountOf(int listId) { return listId == kPageRecent ? RecentStoreCount() : ListStoreOf(listId).Count(); }

bool ReadRow(int listId, int index, RowView& out) {
    if (listId == kPageRecent) {
        const RecentRow* row = RecentStoreRow(index);
        if (!row) return false;
        out = {row->title.view(), row->path.view(), row->detail.view(), {}, row->category, row->flag};
        return true;
    }
    const ListRow* row = ListStoreOf(listId).Row(index);
    if (!row) return false;
    out = {row->title.view(), row->path.view(), row->detail.view(), row->description.view(), row->typeCode, row->flag};
    return true;
}

std::string FileNameOf(std::string_view path) {
    return std::string(path.substr(static_cast<size_t>(FileNameOffset(path))));
}

std::string DateKeyOf(std::string_view date) {
    FixedText<260> key;
    DateSortKey(date, key);
    return std::string(key.view());
}

// The first-seen date under the name the page shows it by (the resolved
// program file), else under the name a scanner may have recorded (the path as
// stored, and for ActiveX the class id).
std::string FirstSeenKey(int itemType, const RowView& row, bool withDetail) {
    const std::string& shown = FirstSeenOfProgram(itemType, row.path);
    if (!shown.empty()) return DateKeyOf(shown);
    FixedText<25> date;
    FirstSeenDate(itemType, row.path, date);
    if (date.empty() && withDetail) FirstSeenDate(itemType, row.detail, date);
    return DateKeyOf(date.view());
}

std::string LastWriteKey(std::string_view path) {
    FixedText<32> size;
    FixedText<25> written;
    FileSizeAndWriteTime(path, size.data(), size.capacity(), written.data(), written.capacity());
    return DateKeyOf(written.view());
}

// The keys of one column for every row of the store.
struct ColumnKeys {
    StoreStamp stamp;
    bool numeric = false;
    bool none = true;
    std::vector<std::string> text;
    std::vector<long long> number;
    std::vector<char> disabled;
};

std::string TextKey(const ListSortRule& rule, int listId, int column, int index, const RowView& row) {
    constexpr size_t kDescriptionKey = 513;  // 512 characters and the terminator
    switch (rule.keys[column]) {
        case Key::Title: return std::string(row.title);
        case Key::FileName: return FileNameOf(row.path);
        case Key::Folder: {
            FixedText<260> folder;
            FolderOfPath(row.path, folder);
            return std::string(folder.view());
        }
        case Key::Company: return CompanyOfProgram(row.path);
        case Key::TypeText: return std::to_string(row.typeCode);
        case Key::Description: return std::string(FixedText<kDescriptionKey>(row.description).view());
        case Key::Path: return std::string(row.path);
        case Key::Detail: return std::string(row.detail);
        case Key::FirstSeen:
            return FirstSeenKey(rule.firstSeenType ? rule.firstSeenType : row.typeCode, row,
                                rule.listId == kPageActiveX);
        case Key::LastWrite: return LastWriteKey(row.path);
        case Key::KillBit: return (row.flag & 0x400) ? "Disabled" : "Enabled";
        case Key::DetailDate: return DateKeyOf(row.detail);
        case Key::DescriptionDate: return DateKeyOf(row.description);
        case Key::PageText: {
            FixedText<260> key;
            if (const auto& hook = ListPageHooksOf(listId).sortText) hook(index, column, key);
            return std::string(key.view());
        }
        default: return {};
    }
}

void BuildColumnKeys(const ListSortRule& rule, int listId, int column, ColumnKeys& keys) {
    const Key kind = rule.keys[column];
    const int count = RowCountOf(listId);
    keys.stamp = StampOf(listId);
    keys.none = kind == Key::None;
    keys.numeric = kind == Key::TypeNumber || kind == Key::FlagNumber;
    keys.text.assign(static_cast<size_t>(count), std::string());
    keys.number.assign(static_cast<size_t>(count), 0);
    keys.disabled.assign(static_cast<size_t>(count), 0);
    if (keys.none) return;

    const auto& isDisabled = ListPageHooksOf(listId).isDisabled;
    for (int i = 0; i < count; ++i) {
        RowView row;
        if (!ReadRow(listId, i, row)) continue;  // a missing row keeps empty keys
        const size_t at = static_cast<size_t>(i);
        if (keys.numeric)
            keys.number[at] = kind == Key::TypeNumber ? row.typeCode : row.flag;
        else
            keys.text[at] = TextKey(rule, listId, column, i, row);
        if (rule.disabledLast && isDisabled) keys.disabled[at] = isDisabled(i) ? 1 : 0;
    }
}

// Keys kept per list and column until the list's store changes.
std::map<std::pair<int, int>, ColumnKeys>& KeptKeys() {
    static std::map<std::pair<int, int>, ColumnKeys> kept;
    return kept;
}

const ColumnKeys& KeysFor(const ListSortRule& rule, int listId, int column) {
    ColumnKeys& keys = KeptKeys()[{listId, column}];
    if (keys.text.empty() || !(keys.stamp == StampOf(listId)) ||
        keys.text.size() != static_cast<size_t>(RowCountOf(listId)))
        BuildColumnKeys(rule, listId, column, keys);
    return keys;
}

// What CompareRowKeys compares: the prepared column and its direction.
struct ActiveSort {
    int column = -1;
    bool descending = false;
    bool cutToShorter = false;
    bool disabledLast = false;
    const ColumnKeys* keys = nullptr;
};

ActiveSort& Active() {
    static ActiveSort active;
    return active;
}

}  // namespace

bool SortDescending(int column) { return ValidColumn(column) && g_descending[column]; }
void SetSortDescending(int column, bool descending) {
    if (ValidColumn(column)) g_descending[column] = descending;
}
void FlipSortDirection(int column) {
    if (ValidColumn(column)) g_descending[column] = !g_descending[column];
}
void ResetSortDirections(int count) {
    for (int i = 0; i < count && i < kSortColumns; ++i) g_descending[i] = false;
}

const char* SortOptionName(int listId) {
    for (const SortOption& option : kSortOptions)
        if (option.listId == listId) return option.name;
    return nullptr;
}

int SavedSortColumn(int listId) {
    const char* name = SortOptionName(listId);
    if (!name) return -1;
    long saved = ReadOption(name, 0);
    return saved > 0 && saved <= kSortColumns ? static_cast<int>(saved - 1) : -1;
}

namespace {

// Reads 1 to maxDigits digits at pos; false when there are none.
bool ReadNumber(std::string_view text, size_t& pos, size_t maxDigits, int& value, size_t& digits) {
    value = 0;
    digits = 0;
    while (pos < text.size() && digits < maxDigits && text[pos] >= '0' && text[pos] <= '9') {
        value = value * 10 + (text[pos] - '0');
        ++pos;
        ++digits;
    }
    return digits > 0 && !(pos < text.size() && text[pos] >= '0' && text[pos] <= '9');
}

bool ParseDate(std::string_view text, int& year, int& month, int& day, int& hour, int& minute) {
    size_t pos = 0, digits = 0;
    int first = 0, second = 0, third = 0;
    if (!ReadNumber(text, pos, 4, first, digits)) return false;
    const bool yearFirst = digits == 4;
    if (pos >= text.size() || (text[pos] != '/' && text[pos] != '-')) return false;
    const char separator = text[pos++];
    if (!ReadNumber(text, pos, 2, second, digits) || pos >= text.size() || text[pos++] != separator) return false;
    if (!ReadNumber(text, pos, 4, third, digits)) return false;
    if (yearFirst) {
        year = first, month = second, day = third;
    } else {
        month = first, day = second, year = third;
    }
    if (pos >= text.size() || text[pos] != ' ') return false;
    while (pos < text.size() && text[pos] == ' ') ++pos;
    if (!ReadNumber(text, pos, 2, hour, digits) || pos >= text.size() || text[pos++] != ':') return false;
    if (!ReadNumber(text, pos, 2, minute, digits)) return false;
    if (month < 1 || month > 12 || day < 1 || day > 31 || hour > 23 || minute > 59) return false;

    // 12-hour times: 12 AM is midnight and 12 PM noon, so both come before 1 o'clock.
    std::string_view rest = text.substr(pos);
    if (rest.find("PM") != std::string_view::npos)
        hour = hour % 12 + 12;
    else if (rest.find("AM") != std::string_view::npos)
        hour = hour % 12;
    return true;
}

}  // namespace

size_t DateSortKey(std::string_view date, char* out, size_t size) {
    constexpr size_t kShortestDate = 12;
    int year = 0, month = 0, day = 0, hour = 0, minute = 0;
    if (date.size() >= kShortestDate && ParseDate(date, year, month, day, hour, minute)) {
        char key[32];
        int length = std::snprintf(key, sizeof(key), "%04d%02d%02d%02d%02d", year, month, day, hour, minute);
        return CopyBounded(out, size, std::string_view(key, length > 0 ? static_cast<size_t>(length) : 0));
    }
    return CopyBounded(out, size, date);
}

bool SortList(HWND list, int column, PFNLVCOMPARE comparator) {
    return SendMessageA(list, LVM_SORTITEMS, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(comparator)) != 0;
}

void PrepareSortKeys(int listId, int column) {
    ActiveSort& active = Active();
    active = ActiveSort();
    const ListSortRule* rule = RuleOf(listId);
    if (!rule || !ValidColumn(column)) return;
    active.column = column;
    active.descending = SortDescending(column);
    active.cutToShorter = rule->cutToShorter;
    active.keys = &KeysFor(*rule, listId, column);

    constexpr int kLastDisabledLastColumn = 3;  // the date column orders disabled rows with the others
    active.disabledLast = rule->disabledLast && column <= kLastDisabledLastColumn;
}

int CALLBACK CompareRowKeys(LPARAM row1, LPARAM row2, LPARAM column) {
    const ActiveSort& active = Active();
    if (!active.keys || active.keys->none || column != active.column) return 0;
    const size_t count = active.keys->text.size();
    if (row1 < 0 || row2 < 0 || static_cast<size_t>(row1) >= count || static_cast<size_t>(row2) >= count) return 0;
    size_t a = static_cast<size_t>(row1), b = static_cast<size_t>(row2);
    // Disabled rows stay at the bottom in both directions. A "zzz" or "aaa" put
    // before their keys would not do it for keys that begin with a digit or are
    // empty, so the rule is kept as such.
    if (active.disabledLast && active.keys->disabled[a] != active.keys->disabled[b])
        return active.keys->disabled[a] ? 1 : -1;
    if (active.descending) std::swap(a, b);

    if (active.keys->numeric) {
        long long x = active.keys->number[a], y = active.keys->number[b];
        return x < y ? -1 : (x > y ? 1 : 0);
    }
    std::string_view x = active.keys->text[a], y = active.keys->text[b];
    if (active.cutToShorter) {
        size_t shorter = x.size() < y.size() ? x.size() : y.size();
        x = x.substr(0, shorter);
        y = y.substr(0, shorter);
    }
    return CompareAsListed(x, y);
}

bool SortPageList(HWND list, int listId, int column) {
    PrepareSortKeys(listId, column);
    return SortList(list, column, CompareRowKeys);
}

bool ApplySavedSort(HWND list, int listId) {
    int column = SavedSortColumn(listId);
    return column >= 0 && SortPageList(list, listId, column);
}

bool OnColumnClick(HWND list, int listId, int column, int columnCount) {
    if (column < 0 || column >= columnCount || column >= kSortColumns) return false;
    SortPageList(list, listId, column);
    FlipSortDirection(column);
    if (const char* name = SortOptionName(listId)) WriteOption(name, column + 1);
    return true;
}

void FinishListFill(HWND list, int listId) {
    ApplySavedSort(list, listId);
    // Only full-row selection is added: the cookie list keeps its check boxes.
    SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
    SetCursor(LoadCursorA(nullptr, IDC_ARROW));
}

bool IsCompanyColumn(int listId, int column) {
    const ListSortRule* rule = RuleOf(listId);
    return rule && ValidColumn(column) && rule->keys[column] == Key::Company;
}
