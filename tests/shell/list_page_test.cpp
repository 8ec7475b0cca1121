// The list machinery on the real Startup page template: 4096 rows, every
// column sorted both ways, and the page's controls laid out.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "resource_ids.h"
#include "shell/app_state.h"
#include "shell/list_page_hooks.h"
#include "base/text_helpers.h"
#include "shell/list_sort.h"
#include "shell/list_store.h"
#include "shell/list_test_support.h"
#include "shell/list_view.h"
#include "shell/page_commands.h"
#include "shell/page_layout.h"

namespace {

INT_PTR CALLBACK PageProc(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

bool IsDisabledRow(int row) { return row % 10 == 3; }

class StartupPageTemplate : public ::testing::Test {
protected:
    StartupPageTemplate() : options_({"SortStartup"}) {}
    void SetUp() override {
        INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_LISTVIEW_CLASSES};
        InitCommonControlsEx(&icc);
        sheet_ = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 760, 560, nullptr, nullptr, nullptr, nullptr);
        page_ = CreateDialogParamA(ResourceInstance(), MAKEINTRESOURCEA(IDD_PAGE_STARTUP), sheet_, PageProc, 0);
        ASSERT_NE(page_, nullptr);
        list_ = GetDlgItem(page_, IDC_LIST);
        ASSERT_NE(list_, nullptr);
        ListStoreClear();
        ResetSortDirections();
        ListPageHooks hooks;
        hooks.isDisabled = IsDisabledRow;
        SetListPageHooks(kPageStartup, hooks);
    }
    void TearDown() override {
        SetListPageHooks(kPageStartup, {});
        ListStoreClear();
        ResetSortDirections();
        if (sheet_) DestroyWindow(sheet_);
    }
    listtest::OptionValues options_;
    HWND sheet_ = nullptr;
    HWND page_ = nullptr;
    HWND list_ = nullptr;
};

TEST_F(StartupPageTemplate, FourThousandRowsSortByEveryColumnBothWays) {
    const char* columns[] = {"Title", "Command", "Company", "Type", "First Detected"};
    for (int c = 0; c < 5; ++c) ASSERT_TRUE(AddColumn(list_, columns[c], c, kPageStartup));

    const int types[] = {1, 11, 2, 200, 21, 100};
    for (int i = 0; i < kListStoreMaxRows; ++i) {
        int shuffled = (i * 2741) % kListStoreMaxRows;
        std::string title = "Program " + std::to_string(10000 + shuffled);
        std::string path = "C:\\No Such Folder\\prog" + std::to_string(shuffled % 97) + ".exe";
        ASSERT_TRUE(ListStoreAppend(title, path, "HKLM\\Run", "", types[i % 6], 0));
    }
    EXPECT_FALSE(ListStoreAppend("Program 99999", "C:\\x.exe", "", "", 1, 0));
    EXPECT_EQ(ListStoreCount(), kListStoreMaxRows);

    BeginListFill(list_, 0);
    for (int i = 0; i < ListStoreCount(); ++i) InsertRow(i, ListStoreRow(i)->title.view(), list_, 0);
    FinishListFill(list_, kPageStartup);
    ASSERT_EQ(SendMessageA(list_, LVM_GETITEMCOUNT, 0, 0), kListStoreMaxRows);

    // Column 0 and 1 keys, as the Startup comparator takes them.
    auto key = [](int column, int row) -> std::string {
        const ListRow* r = ListStoreRow(row);
        if (column == 0) return std::string(r->title.view());
        if (column == 1) return std::string(r->path.view().substr(r->path.view().rfind('\\') + 1));
        return std::to_string(r->typeCode);
    };
    for (int column : {0, 1, 3}) {
        for (bool descending : {false, true}) {
            ASSERT_TRUE(OnColumnClick(list_, kPageStartup, column, 5));
            std::vector<int> order = listtest::RowOrder(list_);
            ASSERT_EQ(order.size(), static_cast<size_t>(kListStoreMaxRows));
            for (size_t i = 1; i < order.size(); ++i) {
                int prev = order[i - 1], next = order[i];
                ASSERT_FALSE(IsDisabledRow(prev) && !IsDisabledRow(next))
                    << "column " << column << " descending " << descending << " at " << i;
                if (IsDisabledRow(prev) != IsDisabledRow(next)) continue;
                std::string a = key(column, prev), b = key(column, next);
                size_t shorter = a.size() < b.size() ? a.size() : b.size();
                int result = CompareNoCase(std::string_view(a).substr(0, shorter), std::string_view(b).substr(0, shorter));
                ASSERT_TRUE(descending ? result >= 0 : result <= 0)
                    << "column " << column << " at " << i << ": " << a << " / " << b;
            }
        }
    }
    EXPECT_EQ(SavedSortColumn(kPageStartup), 3);
}

TEST_F(StartupPageTemplate, LayoutKeepsTheControlsInsideThePage) {
    PageLayout layout = MakePageLayout(page_, {{IDC_INFO, 0}, {IDC_ADD, 0}, {IDC_REMOVE, 0},
                                               {IDC_DISABLE, IDC_ENABLE}, {IDC_PAGE_CLOSE, 0}});
    ASSERT_NE(layout.helpPicture, nullptr);
    ASSERT_NE(layout.monitorLabel, nullptr);
    for (int width : {760, 1100}) {
        SetWindowPos(sheet_, nullptr, 0, 0, width, 600, SWP_NOZORDER | SWP_NOMOVE);
        SetWindowPos(page_, nullptr, 0, 0, width - 28, 600 - 122 + 20, SWP_NOZORDER | SWP_NOMOVE);
        LayoutPage(layout);
        RECT page, list, close, disable, enable, help;
        GetClientRect(page_, &page);
        auto place = [&](int id, RECT& r) {
            GetWindowRect(GetDlgItem(page_, id), &r);
            MapWindowPoints(nullptr, page_, reinterpret_cast<POINT*>(&r), 2);
        };
        place(IDC_LIST, list);
        place(IDC_PAGE_CLOSE, close);
        place(IDC_DISABLE, disable);
        place(IDC_ENABLE, enable);
        place(IDC_PICTURE_HELP, help);
        EXPECT_GT(list.right - list.left, width / 2) << width;
        EXPECT_LE(list.bottom, close.top) << "the buttons sit below the list";
        EXPECT_EQ(close.right, list.right) << "the last button ends with the list";
        EXPECT_EQ(disable.left, enable.left);
        EXPECT_GT(help.left, list.right - 3 * (help.right - help.left) - 30);
    }
}

}  // namespace
