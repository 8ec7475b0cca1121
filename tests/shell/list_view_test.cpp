#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "shell/app_state.h"
#include "shell/list_store.h"
#include "shell/list_test_support.h"
#include "shell/list_view.h"
#include "shell/options.h"
#include "shell/page_commands.h"
#include "base/registry.h"

namespace {

using listtest::RowOrder;

TEST(DefaultColumnWidth, FractionsOfTheUsableWidth) {
    const int scrollHeight = GetSystemMetrics(SM_CYVSCROLL);
    const int scrollWidth = GetSystemMetrics(SM_CXVSCROLL);
    struct { int list, column, width, expected; } cases[] = {
        {kPageStartup, 0, 1000, (1000 - scrollHeight) * 30 / 100},
        {kPageStartup, 4, 1000, (1000 - scrollHeight) * 20 / 100},
        {kPageStartup, 5, 1000, -1},                    // beyond the table
        {kPageServices, 3, 517, (517 - scrollHeight) * 9 / 100},
        {kPageScheduledTasks, 0, 1000, 280},             // full width
        {kPageIEHelpers, 3, 1000, 90},
        {kPageFileTypes, 1, 1000, (1000 - scrollWidth) * 17 / 100},
        {kPageFileTypes, 0, 1000, (1000 - scrollHeight) * 30 / 100},
        {kListHistory, 3, 800, (800 - scrollHeight) * 38 / 100},
        {kListCookieDialog, 4, 600, (600 - scrollHeight) * 9 / 100},
        {kPageRegistryMonitoring, 1, 700, (700 - scrollHeight) * 50 / 100},
        {kPageOptions, 0, 1000, -1},                     // no list of its own
        {kPageStartup, 0, 5, 0},                         // narrower than the scroll bar
        {kPageStartup, -1, 1000, -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DefaultColumnWidth(c.list, c.column, c.width), c.expected) << c.list << "/" << c.column;
}

class ListViewTest : public ::testing::Test {
protected:
    ListViewTest()
        : options_({"Column60260", "Column60261", "Column60262", "Column60263", "Column60264"}),
          dialog_(400, 260, listtest::ListOnly()) {}
    void TearDown() override {
        ListStoreClear();
        for (int slot = 0; slot < kImageListSlots; ++slot) DestroyImageList(slot);
    }
    HWND list() const { return dialog_.list(); }
    int ColumnWidth(int column) const {
        return static_cast<int>(SendMessageA(list(), LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column), 0));
    }
    int ListWidth() const {
        RECT rect;
        GetWindowRect(list(), &rect);
        return rect.right - rect.left;
    }

    listtest::OptionValues options_;
    listtest::TestDialog dialog_;
};

TEST_F(ListViewTest, ColumnsTakeTheirSavedWidthElseTheDefault) {
    struct { const char* saved; bool useSaved; } cases[] = {
        {"123", true}, {"0", false}, {nullptr, false}, {"abc", false}, {"-40", false},
    };
    int column = 0;
    for (const auto& c : cases) {
        std::string name = "Column6026" + std::to_string(column);
        if (c.saved) RegWriteString(HKEY_CURRENT_USER, kOptionsKey, name, c.saved);
        ASSERT_TRUE(AddColumn(list(), "Title", column, kPageStartup));
        int expected = c.useSaved ? std::atoi(c.saved) : DefaultColumnWidth(kPageStartup, column, ListWidth());
        EXPECT_EQ(ColumnWidth(column), expected) << (c.saved ? c.saved : "missing");
        ++column;
    }
}

TEST_F(ListViewTest, SavedWidthsDoNotRaiseUpdate) {
    for (int column = 0; column < 3; ++column) {
        AddColumn(list(), "c", column, kPageStartup);
        SendMessageA(list(), LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column), 50 + column);
    }
    SaveColumnWidths(dialog_.window(), kPageStartup, 3);
    for (int column = 0; column < 3; ++column) {
        FixedText<32> text;
        RegReadString(kOptionsKey, "Column6026" + std::to_string(column), HKEY_CURRENT_USER, text);
        EXPECT_EQ(text.view(), std::to_string(50 + column));
    }
    FixedText<8> update;
    EXPECT_EQ(RegReadString(kOptionsKey, "Update", HKEY_CURRENT_USER, update), 0);

    // Reopened, the page gets the widths back.
    SendMessageA(list(), LVM_DELETECOLUMN, 1, 0);
    AddColumn(list(), "c", 1, kPageStartup);
    EXPECT_EQ(ColumnWidth(1), 51);
}

TEST_F(ListViewTest, ItemsCarryTheirRowAndSelectionFindsIt) {
    EXPECT_EQ(SelectedRow(list()), -1);
    EXPECT_EQ(SelectedItem(list()), -1);
    for (int row = 0; row < 4; ++row) EXPECT_EQ(InsertRow(row, "r" + std::to_string(row), list(), 0), row);
    // Items no longer at their row's position after a reversal.
    SendMessageA(list(), LVM_SORTITEMS, 0,
                 reinterpret_cast<LPARAM>(+[](LPARAM a, LPARAM b, LPARAM) -> int { return static_cast<int>(b - a); }));
    ASSERT_EQ(RowOrder(list()), (std::vector<int>{3, 2, 1, 0}));

    SelectOnly(list(), 1);
    SelectOnly(list(), 0);
    EXPECT_EQ(SendMessageA(list(), LVM_GETSELECTEDCOUNT, 0, 0), 1);
    EXPECT_EQ(SelectedItem(list()), 0);
    EXPECT_EQ(SelectedRow(list()), 3);

    SetRowText(list(), 0, 0, "changed");
    char text[16] = {};
    LVITEMA item = {};
    item.pszText = text;
    item.cchTextMax = sizeof(text);
    SendMessageA(list(), LVM_GETITEMTEXTA, 0, reinterpret_cast<LPARAM>(&item));
    EXPECT_STREQ(text, "changed");
}

TEST_F(ListViewTest, FourThousandRowsFillTheList) {
    BeginListFill(list(), 0);
    for (int i = 0; i < kListStoreMaxRows; ++i) ListStoreAppend("r", "C:\\x.exe", "", "", 1, 0);
    EXPECT_FALSE(ListStoreAppend("r", "C:\\x.exe", "", "", 1, 0));
    for (int i = 0; i < ListStoreCount(); ++i) InsertRow(i, ListStoreRow(i)->title.view(), list(), 0);
    EXPECT_EQ(SendMessageA(list(), LVM_GETITEMCOUNT, 0, 0), kListStoreMaxRows);
    SelectOnly(list(), 4095);
    EXPECT_EQ(SelectedRow(list()), 4095);
}

TEST_F(ListViewTest, RowIconsComeFromTheProgramOrThePage) {
    const int savedPage = g_app.currentPageId;
    g_app.currentPageId = kPageStartup;
    HIMAGELIST images = CreateSmallImageList(list(), 2);
    ASSERT_NE(images, nullptr);
    EXPECT_EQ(ImageList_GetImageCount(images), 1) << "image 0 is the program's icon";
    EXPECT_EQ(reinterpret_cast<HIMAGELIST>(SendMessageA(list(), LVM_GETIMAGELIST, LVSIL_SMALL, 0)), images);

    char system[MAX_PATH];
    GetSystemDirectoryA(system, MAX_PATH);
    const std::string program = std::string("\"") + system + "\\notepad.exe\" /p file.txt";
    int programImage = AddRowIcon(program, 0, 2);
    EXPECT_GE(programImage, 1);
    EXPECT_EQ(AddRowIcon(program, 0, 2), programImage) << "a file's icon is added once";

    int missing = AddRowIcon("C:\\No Such Folder\\gone.exe", 0, 2);
    EXPECT_EQ(AddRowIcon("C:\\Other Missing\\gone2.exe", 0, 2), missing) << "the page's icon is added once";
    EXPECT_LE(ImageList_GetImageCount(images), 3);
    EXPECT_EQ(AddRowIcon("C:\\x.exe", 0, kImageListSlots), 0) << "no such slot";

    // A new fill starts a new image list.
    BeginListFill(list(), 2);
    EXPECT_NE(ImageListOf(2), nullptr);
    EXPECT_EQ(ImageList_GetImageCount(ImageListOf(2)), 1);
    g_app.currentPageId = savedPage;
}

}  // namespace
