// What passes to the resident monitor's window, seen from a stand-in monitor:
// the Options page's "Hide Brisko Taskbar Icon" box tells it to hide or show
// its taskbar icon, after the user has read the note.
#include <gtest/gtest.h>

#include "e2e/program_fixture.h"
#include "support/monitor_standin_client.h"

namespace e2e {
namespace {

using namespace driver;
using namespace testsupport;

constexpr int kHideTaskbarIconBox = 1025;
constexpr unsigned kCommandTaskbarIcon = 6053;

using MonitorE2e = ProgramTest;

// Enabled when the Options page handles its check boxes.
TEST_F(MonitorE2e, DISABLED_HidingTheTaskbarIconTellsTheMonitorAfterTheNote) {
    MonitorStandIn monitor;
    ASSERT_TRUE(monitor.Start(120));
    Process* program = nullptr;
    HWND sheet = StartWithSheet("-OPTION", &program);
    ASSERT_NE(sheet, nullptr);
    HWND page = CurrentPage(sheet);
    ASSERT_EQ(CheckState(page, kHideTaskbarIconBox), BST_UNCHECKED);

    ASSERT_TRUE(SetCheck(page, kHideTaskbarIconBox, true));
    auto note = WaitForMessageBox(program->id());
    ASSERT_TRUE(note.has_value()) << "no note about the hidden icon";
    EXPECT_NE(note->text.find("Taskbar icon will be hidden"), std::string::npos) << note->text;
    EXPECT_TRUE(monitor.Records().commands.empty()) << "the monitor is told after the note";
    ASSERT_TRUE(AnswerMessageBox(note->window, IDOK));

    ASSERT_TRUE(monitor.WaitForCommands(1));
    EXPECT_EQ(monitor.Records().commands, (std::vector<MonitorCommand>{{kCommandTaskbarIcon, 1}}));
    EXPECT_TRUE(WaitUntil([] {
        return ReadRegString(HKEY_CURRENT_USER, kProgramOptionsPath, "HideBrisko") == std::optional<std::string>("1");
    }, 3000));

    // Showing it again needs no note.
    ASSERT_TRUE(SetCheck(page, kHideTaskbarIconBox, false));
    ASSERT_TRUE(monitor.WaitForCommands(2));
    EXPECT_EQ(monitor.Records().commands,
              (std::vector<MonitorCommand>{{kCommandTaskbarIcon, 1}, {kCommandTaskbarIcon, 0}}));
    EXPECT_FALSE(FindMessageBox(program->id()).has_value());
    EXPECT_TRUE(WaitUntil([] {
        return ReadRegString(HKEY_CURRENT_USER, kProgramOptionsPath, "HideBrisko") == std::optional<std::string>("0");
    }, 3000));
}

TEST_F(MonitorE2e, DISABLED_WithoutAMonitorTheChoiceIsStillStored) {
    Process* program = nullptr;
    HWND sheet = StartWithSheet("-OPTION", &program);
    ASSERT_NE(sheet, nullptr);
    ASSERT_TRUE(SetCheck(CurrentPage(sheet), kHideTaskbarIconBox, true));
    auto note = WaitForMessageBox(program->id());
    ASSERT_TRUE(note.has_value());
    ASSERT_TRUE(AnswerMessageBox(note->window, IDOK));
    EXPECT_TRUE(WaitUntil([] {
        return ReadRegString(HKEY_CURRENT_USER, kProgramOptionsPath, "HideBrisko") == std::optional<std::string>("1");
    }, 3000));
    CloseAndExpectEnd(*program, sheet);
}

}  // namespace
}  // namespace e2e
