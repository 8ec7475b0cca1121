// The window driver against a small property sheet of known content
// (tests/tools/driver_fixture.cpp), so that a fault in the driver's
// cross-process reading is not mistaken for a fault of the program.
#include <gtest/gtest.h>

#include "support/window_driver.h"

namespace {

using namespace driver;

class DriverFixture : public ::testing::Test {
protected:
    void SetUp() override {
        process_ = Process::Start(ToolPath("driver_fixture"), "");
        ASSERT_TRUE(process_.started());
        sheet_ = WaitForSheet(process_.id(), 10000);
        ASSERT_NE(sheet_, nullptr) << "the fixture's sheet did not appear";
        page_ = CurrentPage(sheet_);
        ASSERT_NE(page_, nullptr);
    }

    Process process_;
    HWND sheet_ = nullptr;
    HWND page_ = nullptr;
};

TEST_F(DriverFixture, ReadsTheSheetTabsAndList) {
    EXPECT_EQ(TextOf(sheet_), "Driver Fixture");
    EXPECT_EQ(TabTexts(sheet_), (std::vector<std::string>{" First ", " Second  "}));
    EXPECT_EQ(SelectedTab(sheet_), 0);

    auto lists = ListViews(page_);
    ASSERT_EQ(lists.size(), 1u);
    EXPECT_EQ(ListViewColumns(lists[0]), (std::vector<std::string>{"Name", "Value"}));
    EXPECT_EQ(ListViewRows(lists[0]),
              (std::vector<std::vector<std::string>>{{"alpha", "1"}, {"beta", "22"}, {"gamma", "333"}}));
    EXPECT_EQ(ListViewCell(lists[0], 7, 0), "") << "a row that does not exist reads empty";

    EXPECT_TRUE(SelectListViewRow(lists[0], 2));
    EXPECT_EQ(SelectedListViewRow(lists[0]), 2);
    EXPECT_TRUE(WaitUntil([&] { return StatusText(sheet_) == "selected 2"; }, 3000)) << StatusText(sheet_);

    ASSERT_TRUE(SelectTab(sheet_, 1));
    EXPECT_EQ(SelectedTab(sheet_), 1);
    EXPECT_NE(CurrentPage(sheet_), page_);
    EXPECT_NE(FindDescendantByText(CurrentPage(sheet_), "Nothing here"), nullptr);
}

TEST_F(DriverFixture, ChecksBoxesAndAnswersMessageBoxes) {
    EXPECT_EQ(CheckState(page_, 101), BST_UNCHECKED);
    EXPECT_EQ(CheckState(page_, 4242), -1);
    ASSERT_TRUE(SetCheck(page_, 101, true));
    EXPECT_TRUE(WaitUntil([&] { return StatusText(sheet_) == "checked"; }, 3000));
    ASSERT_TRUE(SetCheck(page_, 101, true)) << "already in that state";
    EXPECT_EQ(CheckState(page_, 101), BST_CHECKED);

    EXPECT_FALSE(FindMessageBox(process_.id()).has_value());
    ASSERT_TRUE(ClickButtonByText(page_, "Ask"));
    auto box = WaitForMessageBox(process_.id(), 5000);
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(box->caption, "Driver Fixture");
    EXPECT_EQ(box->text, "Proceed with the test?");
    ASSERT_TRUE(AnswerMessageBox(box->window, IDNO));
    EXPECT_TRUE(WaitUntil([&] { return StatusText(sheet_) == "answer 7"; }, 3000)) << StatusText(sheet_);

    ASSERT_TRUE(CloseSheet(sheet_));
    auto code = process_.WaitExit(5000);
    ASSERT_TRUE(code.has_value()) << "closing by the page's Close button did not end the fixture";
    EXPECT_EQ(*code, 11u);
}

TEST_F(DriverFixture, ClosingTheSheetByWmCloseAndKillingAreBounded) {
    ASSERT_TRUE(SelectTab(sheet_, 1));
    ASSERT_TRUE(CloseSheet(sheet_)) << "the second page has no Close button: WM_CLOSE to the sheet";
    auto code = process_.WaitExit(5000);
    ASSERT_TRUE(code.has_value());
    EXPECT_EQ(*code, 20u);

    Process hung = Process::Start(ToolPath("driver_fixture"), "");
    ASSERT_NE(WaitForSheet(hung.id(), 10000), nullptr);
    EXPECT_FALSE(hung.WaitExit(100).has_value());
    hung.Kill();
    EXPECT_FALSE(hung.Running());
}

TEST(DriverProcess, StartFailsCleanlyAndPassesTheEnvironment) {
    Process missing = Process::Start(ExeFolder() + "\\no-such-program.exe", "");
    EXPECT_FALSE(missing.started());
    EXPECT_FALSE(missing.WaitExit(10).has_value());

    // cmd's exit code tells whether the variable arrived.
    char system[MAX_PATH] = {};
    GetSystemDirectoryA(system, MAX_PATH);
    std::string cmd = std::string(system) + "\\cmd.exe";
    Process withVar = Process::Start(cmd, "/c if \"%SX_DRIVER_PROBE%\"==\"yes\" (exit 3) else (exit 4)",
                                     {"SX_DRIVER_PROBE=yes"});
    ASSERT_TRUE(withVar.started());
    EXPECT_EQ(withVar.WaitExit(10000), std::optional<DWORD>(3));
}

}  // namespace
