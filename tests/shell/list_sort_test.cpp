#include <gtest/gtest.h>

#include <windows.h>

#include <climits>
#include <string>
#include <vector>

#include "shell/list_page_hooks.h"
#include "base/text_helpers.h"
#include "shell/list_sort.h"
#include "shell/list_store.h"
#include "shell/list_test_support.h"
#include "shell/options.h"
#include "shell/page_commands.h"
#include "shell/recent_store.h"
#include "base/registry.h"
#include "base/command_line.h"

namespace {

using listtest::RowOrder;

TEST(DateSortKey, TurnsListDatesIntoSortableText) {
    struct { const char* date; const char* key; } cases[] = {
        {"04/12/2026 2:05 PM", "202604121405"},
        {"4/5/2026 11:30 AM", "202604051130"},
        {"12/31/2025 12:15 AM", "202512310015"},   // midnight hour
        {"01/01/2026 12:00 PM", "202601011200"},   // noon
        {"04/12/2026  2:05 PM", "202604121405"},   // the task list's two blanks
        {"04/12/2026 14:05", "202604121405"},      // 24-hour time
        {"2026-12-04 2:05 PM", "202612041405"},    // year first
        {"Never", "Never"},
        {"1/2/26 1:05", "1/2/26 1:05"},            // shorter than 12
        {"Not a date at all", "Not a date at all"},
        {"13/01/2026 1:00 AM", "13/01/2026 1:00 AM"},
        {"04-Dec-2026 2:05 PM", "04-Dec-2026 2:05 PM"},
        {"", ""},
    };
    for (const auto& c : cases) {
        FixedText<32> key;
        DateSortKey(c.date, key);
        EXPECT_STREQ(key.c_str(), c.key) << c.date;
    }
    char small[5];
    EXPECT_EQ(DateSortKey("04/12/2026 2:05 PM", small, sizeof(small)), 4u);
    EXPECT_STREQ(small, "2026");
}

TEST(CompareNoCase, IgnoresCaseAndUsesLengths) {
    EXPECT_EQ(CompareNoCase("abc", "ABC"), 0);
    EXPECT_LT(CompareNoCase("abc", "abd"), 0);
    EXPECT_GT(CompareNoCase("b", "A"), 0);
    EXPECT_LT(CompareNoCase("ab", "abc"), 0);
    EXPECT_EQ(CompareNoCase(std::string_view("abcX", 3), "abc"), 0);
}

// A list with items for the rows of the shared store, and the options a sort writes.
class ListSortTest : public ::testing::Test {
protected:
    ListSortTest()
        : options_({"SortStartup", "SortService", "SortScheduledTask", "SortCookie", "SortRegOptions",
                    "SortHistory", "SortActiveX", "SortHidden", "SortRecent", "SortActiveTask", "SortPrograms",
                    "SortIEHelper", "SortFileType"}),
          dialog_(400, 260, listtest::ListOnly()) {}
    void SetUp() override {
        ASSERT_NE(dialog_.list(), nullptr);
        ListStoreClear();
        RecentStoreClear();
        ResetSortDirections();
    }
    void TearDown() override {
        ListStoreClear();
        RecentStoreClear();
        ResetSortDirections();
        for (int id : {kPageStartup, kPageServices, kPageDelayed}) SetListPageHooks(id, {});
    }
    HWND list() const { return dialog_.list(); }
    void Fill() {
        SendMessageA(list(), LVM_DELETEALLITEMS, 0, 0);
        listtest::InsertStoreRows(list());
    }

    listtest::OptionValues options_;
    listtest::TestDialog dialog_;
};

// Startup rows: title, path, type, disabled, first-seen date of the program file.
struct StartupRow {
    const char* title;
    const char* path;
    int type;
    bool disabled;
    const char* firstSeen;
};
const StartupRow kStartupRows[] = {
    {"Beta", "C:\\apps\\zeta.exe", 11, false, "01/15/2025 1:00 PM"},
    {"alpha", "\"C:\\apps\\Mid.exe\" /x", 9, false, "3/2/2025 10:05 AM"},
    {"Gamma", "C:\\apps\\alpha.exe", 10, true, "12/01/2024 1:00 PM"},
    {"delta", "C:\\apps\\beta.exe", 2, false, "01/15/2025 12:30 PM"},
    {"Epsilon", "C:\\apps\\omega.exe", 5, true, "01/15/2025 9:00 AM"},
};

class StartupSortTest : public ListSortTest {
protected:
    const std::string category_ = std::string(kDetectedKey) + "\\Startup";
    std::vector<std::string> seenNames_;

    void SetUp() override {
        ListSortTest::SetUp();
        for (const StartupRow& row : kStartupRows) {
            ASSERT_TRUE(ListStoreAppend(row.title, row.path, "", "", row.type, 0));
            FixedText<260> file;
            ExtractProgramFile(ListStoreRow(ListStoreCount() - 1)->path.view(), file);
            seenNames_.emplace_back(file.view());
            RegWriteString(HKEY_CURRENT_USER, category_, file.view(), row.firstSeen);
        }
        ListPageHooks hooks;
        hooks.isDisabled = [](int row) { return row >= 0 && row < 5 && kStartupRows[row].disabled; };
        SetListPageHooks(kPageStartup, hooks);
        Fill();
    }
    void TearDown() override {
        for (const std::string& name : seenNames_) RegRemoveValue(HKEY_CURRENT_USER, category_, name);
        ListSortTest::TearDown();
    }
};

TEST_F(StartupSortTest, EachColumnAscendingThenDescendingKeepsDisabledRowsLast) {
    struct { int column; std::vector<int> ascending, descending; } cases[] = {
        {0, {1, 0, 3, 4, 2}, {3, 0, 1, 2, 4}},   // titles, disabled Epsilon and Gamma last
        {1, {3, 1, 0, 2, 4}, {0, 1, 3, 4, 2}},   // file names
        {3, {0, 3, 1, 2, 4}, {1, 3, 0, 4, 2}},   // type codes as text: "11" < "2" < "9"
        {4, {2, 4, 3, 0, 1}, {1, 0, 3, 4, 2}},   // first seen: 12:30 PM before 1:00 PM; no disabled rule
    };
    for (const auto& c : cases) {
        EXPECT_TRUE(OnColumnClick(list(), kPageStartup, c.column, 5));
        EXPECT_EQ(RowOrder(list()), c.ascending) << "column " << c.column;
        EXPECT_EQ(ReadOption("SortStartup", 0), c.column + 1);
        EXPECT_TRUE(OnColumnClick(list(), kPageStartup, c.column, 5));
        EXPECT_EQ(RowOrder(list()), c.descending) << "column " << c.column;
        EXPECT_FALSE(SortDescending(c.column)) << "two clicks bring the column back to ascending";
    }
}

TEST_F(StartupSortTest, CompanyColumnKeepsDisabledRowsLast) {
    // None of the files exists: every company is empty, so only the disabled rule orders.
    for (int click = 0; click < 2; ++click) {
        OnColumnClick(list(), kPageStartup, 2, 5);
        std::vector<int> order = RowOrder(list());
        ASSERT_EQ(order.size(), 5u);
        EXPECT_TRUE(kStartupRows[order[3]].disabled && kStartupRows[order[4]].disabled) << "click " << click;
    }
}

TEST_F(StartupSortTest, KeysAreReadOncePerFill) {
    OnColumnClick(list(), kPageStartup, 4, 5);
    ASSERT_EQ(RowOrder(list()), (std::vector<int>{2, 4, 3, 0, 1}));

    // A changed date is not seen while the store is unchanged...
    RegWriteString(HKEY_CURRENT_USER, category_, seenNames_[2], "01/01/2030 1:00 AM");
    SetSortDescending(4, false);
    SortPageList(list(), kPageStartup, 4);
    EXPECT_EQ(RowOrder(list()), (std::vector<int>{2, 4, 3, 0, 1}));

    // ...and is after the next fill.
    ListStoreAppend("Zeta", "C:\\apps\\new.exe", "", "", 1, 0);
    seenNames_.push_back("C:\\APPS\\NEW.EXE");
    RegWriteString(HKEY_CURRENT_USER, category_, seenNames_.back(), "06/30/2025 8:00 AM");
    Fill();
    SortPageList(list(), kPageStartup, 4);
    std::vector<int> order = RowOrder(list());
    ASSERT_EQ(order.size(), 6u);
    EXPECT_EQ(order.back(), 2);
}

TEST_F(ListSortTest, StartupKeysCompareOnlyAsFarAsTheShorterGoes) {
    ListStoreAppend("Abc", "C:\\a.exe", "", "", 1, 0);
    ListStoreAppend("Abcd", "C:\\b.exe", "", "", 1, 0);
    ListStoreAppend("Abd", "C:\\c.exe", "", "", 1, 0);
    PrepareSortKeys(kPageStartup, 0);
    EXPECT_EQ(CompareRowKeys(0, 1, 0), 0);
    EXPECT_LT(CompareRowKeys(1, 2, 0), 0);
    EXPECT_EQ(CompareRowKeys(0, 1, 1), 0) << "another column than the prepared one";
    EXPECT_EQ(CompareRowKeys(0, 99, 0), 0) << "a row that does not exist";

    // Other lists compare whole keys.
    PrepareSortKeys(kPageServices, 0);
    EXPECT_LT(CompareRowKeys(0, 1, 0), 0);
}

// Rows of the shared store, a list, a column: the ascending order of the rows.
struct SortCase {
    const char* name;
    int listId;
    int column;
    std::vector<ListRow> rows;
    std::vector<int> ascending;
};

ListRow Row(const char* title, const char* path, const char* detail, const char* description, int type, int flag) {
    ListRow row;
    row.title = title;
    row.path = path;
    row.detail = detail;
    row.description = description;
    row.typeCode = type;
    row.flag = flag;
    return row;
}

TEST_F(ListSortTest, ComparatorsOfTheOtherLists) {
    const std::string same512(512, 's');
    const SortCase cases[] = {
        {"cookies by type code", kPageCookies, 2,
         {Row("a", "C:\\c\\a.txt", "", "", 504, 0), Row("b", "C:\\c\\b.txt", "", "", 500, 0),
          Row("c", "C:\\c\\c.txt", "", "", 501, 0)},
         {1, 2, 0}},
        {"cookies by file name", kPageCookies, 0,
         {Row("x", "C:\\z\\b.txt", "", "", 500, 0), Row("y", "C:\\a\\c.txt", "", "", 500, 0),
          Row("z", "C:\\y\\a.txt", "", "", 500, 0)},
         {2, 0, 1}},
        {"cookie list by flag, whole range", kListCookieDialog, 4,
         {Row("a", "/", "", "", 504, INT_MAX), Row("b", "/", "", "", 504, INT_MIN), Row("c", "/", "", "", 504, 0),
          Row("d", "/", "", "", 504, -1)},
         {1, 3, 2, 0}},
        {"cookie list by value", kListCookieDialog, 3,
         {Row("a", "/", "v2", "", 504, 0), Row("b", "/", "V1", "", 504, 0), Row("c", "/", "v3", "", 504, 0)},
         {1, 0, 2}},
        {"registry monitoring by key", kPageRegistryMonitoring, 1,
         {Row("HKLM", "Software\\B", "n", "d", 0, 1), Row("HKCU", "Software\\a", "n", "d", 1, 1)},
         {1, 0}},
        {"task next run as date", kPageScheduledTasks, 3,
         {Row("a.job", "C:\\a.exe", "Never", "", 800, 0), Row("b.job", "C:\\b.exe", "04/12/2026  2:05 PM", "", 800, 0),
          Row("c.job", "C:\\c.exe", "12/01/2025  11:00 AM", "", 800, 0)},
         {2, 1, 0}},
        {"task last run as date", kPageScheduledTasks, 4,
         {Row("a.job", "C:\\a.exe", "", "1/5/2026  1:00 PM", 800, 0),
          Row("b.job", "C:\\b.exe", "", "10/5/2025  1:00 PM", 800, 0)},
         {1, 0}},
        {"ActiveX by kill bit", kPageActiveX, 3,
         {Row("a", "C:\\a.dll", "{A}", "", 1200, 0), Row("b", "C:\\b.dll", "{B}", "", 1200, 0x401)},
         {1, 0}},
        {"ActiveX by class id", kPageActiveX, 5,
         {Row("a", "C:\\a.dll", "{B}", "", 1200, 0), Row("b", "C:\\b.dll", "{A}", "", 1200, 0)},
         {1, 0}},
        {"hidden files by folder", kPageHidden, 1,
         {Row("", "C:\\b\\x.sys", "", "", 370, 0), Row("", "C:\\a\\z\\y.sys", "", "", 370, 0)},
         {1, 0}},
        {"hidden files by flag", kPageHidden, 4,
         {Row("", "C:\\b\\x.sys", "", "", 370, 1), Row("", "C:\\a\\y.sys", "", "", 370, 0)},
         {1, 0}},
        {"active tasks by file name", kPageActiveTasks, 0,
         {Row("one", "C:\\w\\zed.exe", "", "", 600, 0), Row("two", "C:\\w\\abc.exe", "", "", 600, 0)},
         {1, 0}},
        {"IE helpers by type as text", kPageIEHelpers, 3,
         {Row("a", "C:\\a.dll", "", "", 902, 0), Row("b", "C:\\b.dll", "", "", 900, 0)},
         {1, 0}},
        {"file types by extension", kPageFileTypes, 4,
         {Row("a", "C:\\a.exe", "cls", ".txt", 400, 0), Row("b", "C:\\b.exe", "cls", ".bat", 400, 0)},
         {1, 0}},
    };
    for (const SortCase& c : cases) {
        ListStoreClear();
        for (const ListRow& r : c.rows)
            ListStoreAppend(r.title.view(), r.path.view(), r.detail.view(), r.description.view(), r.typeCode, r.flag);
        Fill();
        SetSortDescending(c.column, false);
        SortPageList(list(), c.listId, c.column);
        EXPECT_EQ(RowOrder(list()), c.ascending) << c.name;
        SetSortDescending(c.column, true);
        SortPageList(list(), c.listId, c.column);
        EXPECT_EQ(RowOrder(list()), std::vector<int>(c.ascending.rbegin(), c.ascending.rend())) << c.name;
    }
    SetSortDescending(1, false);

    // Descriptions count for their first 512 characters only.
    ListStoreClear();
    ListStoreAppend("a", "/", "", same512 + "a", 504, 0);
    ListStoreAppend("b", "/", "", same512 + "b", 504, 0);
    PrepareSortKeys(kListCookieDialog, 1);
    EXPECT_EQ(CompareRowKeys(0, 1, 1), 0);
}

TEST_F(ListSortTest, HistoryListKeepsItsLoadedOrder) {
    for (const char* title : {"c", "a", "b", "d"}) ListStoreAppend(title, "C:\\x.exe", title, title, 1, 0);
    const std::vector<int> loaded = {2, 0, 3, 1};
    for (size_t i = 0; i < loaded.size(); ++i) {
        LVITEMA item = {};
        item.mask = LVIF_TEXT | LVIF_PARAM;
        item.iItem = static_cast<int>(i);
        item.pszText = const_cast<char*>("x");
        item.lParam = loaded[i];
        SendMessageA(list(), LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    }
    for (int column = 0; column < 4; ++column) {
        OnColumnClick(list(), kListHistory, column, 4);
        OnColumnClick(list(), kListHistory, column, 4);
        EXPECT_EQ(RowOrder(list()), loaded) << column;
    }
    EXPECT_EQ(ReadOption("SortHistory", 0), 4);
}

TEST_F(ListSortTest, PageTextKeysComeFromThePage) {
    const char* states[] = {"Stopped", "Running", "Paused"};
    for (int i = 0; i < 3; ++i) ListStoreAppend("svc", "C:\\svc.exe", "Manual", "", 700, 0);
    int asked = 0;
    ListPageHooks hooks;
    hooks.sortText = [&](int row, int column, FixedText<260>& key) {
        ++asked;
        if (column == 3) key = states[row];
    };
    SetListPageHooks(kPageServices, hooks);
    Fill();
    SortPageList(list(), kPageServices, 3);
    EXPECT_EQ(RowOrder(list()), (std::vector<int>{2, 1, 0}));
    SortPageList(list(), kPageServices, 3);
    EXPECT_EQ(asked, 3) << "each row asked once per fill";

    // The delayed-start list compares page texts as far as the shorter goes.
    ListStoreClear();
    const char* delays[] = {"0020", "002", "0010"};
    for (int i = 0; i < 3; ++i) ListStoreAppend("p", "C:\\p.exe", "", "", 11, 0);
    hooks.sortText = [&](int row, int, FixedText<260>& key) { key = delays[row]; };
    SetListPageHooks(kPageDelayed, hooks);
    PrepareSortKeys(kPageDelayed, 3);
    EXPECT_EQ(CompareRowKeys(0, 1, 3), 0);
    EXPECT_GT(CompareRowKeys(0, 2, 3), 0);
}

TEST_F(ListSortTest, RecentListSortsItsOwnStore) {
    RecentStoreAppend("Zulu", "C:\\B\\ZED.EXE", 1010, "", 600, 0);
    RecentStoreAppend("alpha", "C:\\A\\MID.EXE", 1070, "", 11, 0);
    RecentStoreAppend("Mike", "C:\\C\\ABC.EXE", 1040, "", 900, 0);
    for (int i = 0; i < RecentStoreCount(); ++i) InsertRow(i, "x", list(), 0);
    struct { int column; std::vector<int> ascending; } cases[] = {
        {0, {2, 1, 0}},  // the program's file name
        {1, {1, 2, 0}},  // the title
        {3, {0, 2, 1}},  // the category: 1010, 1040, 1070
    };
    for (const auto& c : cases) {
        SortPageList(list(), kPageRecent, c.column);
        EXPECT_EQ(RowOrder(list()), c.ascending) << c.column;
    }
}

TEST_F(ListSortTest, ColumnClicksBeyondTheListAreIgnored) {
    ListStoreAppend("b", "C:\\b.exe", "", "", 1, 0);
    ListStoreAppend("a", "C:\\a.exe", "", "", 1, 0);
    Fill();
    EXPECT_FALSE(OnColumnClick(list(), kPageStartup, 5, 5));
    EXPECT_FALSE(OnColumnClick(list(), kPageStartup, -1, 5));
    EXPECT_EQ(RowOrder(list()), (std::vector<int>{0, 1}));
    EXPECT_EQ(ReadOption("SortStartup", 0), 0);
    EXPECT_FALSE(SortDescending(5));
}

TEST_F(ListSortTest, DirectionFlagsAreSharedByAllLists) {
    ListStoreAppend("b", "C:\\x\\b.exe", "", "", 700, 0);
    ListStoreAppend("a", "C:\\x\\a.exe", "", "", 700, 0);
    Fill();
    OnColumnClick(list(), kPageServices, 1, 6);
    EXPECT_EQ(RowOrder(list()), (std::vector<int>{1, 0}));
    // The same column position on another list now starts descending.
    OnColumnClick(list(), kPageScheduledTasks, 1, 5);
    EXPECT_EQ(RowOrder(list()), (std::vector<int>{0, 1}));
    EXPECT_EQ(ReadOption("SortService", 0), 2);
    EXPECT_EQ(ReadOption("SortScheduledTask", 0), 2);
}

TEST_F(ListSortTest, FillEndsWithTheRememberedSort) {
    EXPECT_STREQ(SortOptionName(kListCookieDialog), "SortCookie");
    EXPECT_STREQ(SortOptionName(kPageDelayed), "SortPrograms");
    EXPECT_EQ(SortOptionName(kPageOptions), nullptr);

    ListStoreAppend("b", "C:\\x\\z.exe", "", "", 700, 0);
    ListStoreAppend("a", "C:\\x\\y.exe", "", "", 700, 0);
    ListStoreAppend("c", "C:\\x\\x.exe", "", "", 700, 0);
    struct { const char* saved; int column; std::vector<int> order; } cases[] = {
        {nullptr, -1, {0, 1, 2}}, {"0", -1, {0, 1, 2}}, {"abc", -1, {0, 1, 2}},
        {"1", 0, {1, 0, 2}},      {"2", 1, {2, 1, 0}},
    };
    for (const auto& c : cases) {
        if (c.saved)
            RegWriteString(HKEY_CURRENT_USER, kOptionsKey, "SortService", c.saved);
        else
            RegRemoveValue(HKEY_CURRENT_USER, kOptionsKey, "SortService");
        EXPECT_EQ(SavedSortColumn(kPageServices), c.column) << (c.saved ? c.saved : "missing");
        Fill();
        FinishListFill(list(), kPageServices);
        EXPECT_EQ(RowOrder(list()), c.order) << (c.saved ? c.saved : "missing");
    }
    DWORD style = static_cast<DWORD>(SendMessageA(list(), LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0));
    EXPECT_TRUE(style & LVS_EX_FULLROWSELECT);
}

TEST_F(ListSortTest, FinishingAFillKeepsCheckBoxes) {
    SendMessageA(list(), LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_CHECKBOXES, LVS_EX_CHECKBOXES);
    FinishListFill(list(), kListCookieDialog);
    DWORD style = static_cast<DWORD>(SendMessageA(list(), LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0));
    EXPECT_TRUE(style & LVS_EX_CHECKBOXES);
    EXPECT_TRUE(style & LVS_EX_FULLROWSELECT);
}

}  // namespace
