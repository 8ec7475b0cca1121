// A page written on the shared list-page piece: three columns and one command
// that only some rows allow. What the piece promises every page is checked
// through it: fill, sort, buttons and menu that agree, the command on the
// selected rows, and the store emptied when the page is left.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "resource_ids.h"
#include "shell/list_page.h"
#include "shell/list_sort.h"
#include "shell/list_store.h"
#include "shell/list_view.h"
#include "shell/page_commands.h"
#include "shell/page_menu.h"
#include "shell/list_test_support.h"
#include "support/page_host.h"

namespace {

std::vector<std::string> g_ended;  // what the command ended, in order

ListPageSpec TasksSpec() {
    ListPageSpec spec;
    spec.pageId = kPageActiveTasks;
    spec.columnTitles = {IDS_COL_TITLE, IDS_COL_COMMAND, IDS_COL_COMPANY};
    spec.buttons = {{IDC_INFO}, {IDC_KILL_TASK}, {IDC_PAGE_CLOSE}};
    spec.rowCommands = {IDC_KILL_TASK};
    return spec;
}

// Rows whose flag is 0 cannot be ended.
class TasksPage final : public ListPage {
public:
    TasksPage() : ListPage(TasksSpec()) {}
    CommandSet CommandsFor(int row) const override {
        const ListRow* item = ListStoreRow(row);
        return item && item->flag ? CommandSet{IDC_KILL_TASK} : CommandSet{};
    }

private:
    int Scan() override {
        ListStoreClear();
        ListStoreAppend("Bravo", "C:\\No Such\\bravo.exe", "", "", 600, 7);
        ListStoreAppend("Alpha", "C:\\No Such\\alpha.exe", "", "", 600, 0);
        ListStoreAppend("Charlie", "C:\\No Such\\charlie.exe", "", "", 600, 9);
        return ListStoreCount();
    }
    std::string CellText(int, const ListRow& row, int column) override {
        return column == 0 ? std::string(row.title.view()) : "cmd " + std::string(row.title.view());
    }
    bool OnCommand(HWND page, int id, int) override {
        if (id != IDC_KILL_TASK) return false;
        for (const ListRow& row : SelectedRowCopies(page))
            if (row.flag) g_ended.emplace_back(row.title.view());
        Fill(page);
        return true;
    }
};

class ListPagePiece : public ::testing::Test {
protected:
    ListPagePiece() : options_({"SortActiveTask", "Column60290", "Column60291", "Column60292"}) {}
    void SetUp() override {
        g_ended.clear();
        ResetSortDirections();
    }
    void TearDown() override { ListStoreClear(); }
    listtest::OptionValues options_;
};

std::vector<int> MenuCommands(int row) {
    std::vector<int> ids;
    for (const PageMenuEntry& entry : PageMenuEntries(kPageActiveTasks, row)) ids.push_back(entry.command);
    return ids;
}

TEST_F(ListPagePiece, FillsSortsAndOffersOnlyWhatTheRowAllows) {
    PageHost host(IDD_PAGE_ACTIVETASKS, ListPageProcedure<TasksPage>);
    host.Activate();
    ASSERT_EQ(host.Column(0), (std::vector<std::string>{"Bravo", "Alpha", "Charlie"}));
    EXPECT_EQ(host.Column(1)[0], "cmd Bravo");
    EXPECT_EQ(host.Column(2)[0], "") << "a program without a version resource has no company";

    host.ClickColumn(1);  // Active Tasks' column 1 orders by title
    EXPECT_EQ(host.Column(0), (std::vector<std::string>{"Alpha", "Bravo", "Charlie"}));
    EXPECT_EQ(SavedSortColumn(kPageActiveTasks), 1);
    host.ClickColumn(1);
    EXPECT_EQ(host.Column(0), (std::vector<std::string>{"Charlie", "Bravo", "Alpha"}));

    host.SelectItem(2);  // Alpha, flag 0
    EXPECT_FALSE(host.Enabled(IDC_KILL_TASK));
    const int alpha = SelectedRow(host.List());
    EXPECT_EQ(MenuCommands(alpha), (std::vector<int>{1008, 1201, 1202, 1006, 1144, 0, 1067, 9, 1077}));
    host.SelectItem(1);  // Bravo
    EXPECT_TRUE(host.Enabled(IDC_KILL_TASK));
    const std::vector<int> bravo = MenuCommands(SelectedRow(host.List()));
    EXPECT_NE(std::find(bravo.begin(), bravo.end(), IDC_KILL_TASK), bravo.end());

    host.Command(IDC_KILL_TASK);
    EXPECT_EQ(g_ended, (std::vector<std::string>{"Bravo"}));
    EXPECT_EQ(host.ItemCount(), 3) << "the command fills the list again";
    // Sorted again by the saved column, in the direction its flag now holds.
    EXPECT_EQ(host.Column(0), (std::vector<std::string>{"Alpha", "Bravo", "Charlie"}));
}

TEST_F(ListPagePiece, LeavingThePageEmptiesTheStoreAndKeepsTheWidths) {
    PageHost host(IDD_PAGE_ACTIVETASKS, ListPageProcedure<TasksPage>);
    host.Activate();
    ListView_SetColumnWidth(host.List(), 1, 123);
    host.Deactivate();
    EXPECT_EQ(ListStoreCount(), 0);
    EXPECT_EQ(SavedColumnWidth(kPageActiveTasks, 1), 123);
}

}  // namespace
