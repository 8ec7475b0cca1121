// What passes to the resident monitor: its window, seen from a stand-in
// monitor (the Options page's "Hide Brisko Taskbar Icon" box tells it to hide
// or show its taskbar icon, after the user has read the note), and the patrol
// times it reads from the options.
#include <gtest/gtest.h>

#include "e2e/program_fixture.h"
#include "support/monitor_standin_client.h"

namespace e2e {
namespace {

using namespace driver;
using namespace testsupport;

constexpr int kHideTaskbarIconBox = 1025;
constexpr unsigned kCommandTaskbarIcon = 6053;
constexpr int kMonitorPicture = 1112;
constexpr int kPatrolMinutesEdit = 1004;
constexpr int kPatrolRealtimeBox = 1014;

// A user's click on a page's picture: the pictures let the mouse through to
// the page, which turns the click into the picture's command.
bool ClickPicture(HWND page, int id) {
    HWND picture = GetDlgItem(page, id);
    if (!picture) return false;
    RECT r;
    GetWindowRect(picture, &r);
    POINT centre{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    ScreenToClient(page, &centre);
    LPARAM at = MAKELPARAM(centre.x, centre.y);
    return PostMessageA(page, WM_MOUSEMOVE, 0, at) && PostMessageA(page, WM_LBUTTONDOWN, MK_LBUTTON, at) &&
           PostMessageA(page, WM_LBUTTONUP, 0, at);
}

std::optional<std::string> StoredOption(const char* name) {
    return ReadRegString(HKEY_CURRENT_USER, kProgramOptionsPath, name);
}

using MonitorE2e = ProgramTest;

TEST_F(MonitorE2e, HidingTheTaskbarIconTellsTheMonitorAfterTheNote) {
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

TEST_F(MonitorE2e, WithoutAMonitorTheChoiceIsStillStored) {
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

// The Startup Programs page's Monitor picture sets how often the monitor
// patrols the startup locations; the monitor reads the option.
TEST_F(MonitorE2e, ThePatrolTimeSetThroughAPagesMonitorPictureIsStored) {
    Process* program = nullptr;
    HWND sheet = StartWithSheet("-START", &program);
    ASSERT_NE(sheet, nullptr);
    HWND page = CurrentPage(sheet);

    ASSERT_TRUE(ClickPicture(page, kMonitorPicture));
    auto dialog = WaitForMessageBox(program->id());
    ASSERT_TRUE(dialog.has_value()) << "no Set Patrol Time dialog";
    EXPECT_EQ(dialog->caption, "Patrol Time for Startup Programs");
    SetWindowTextA(GetDlgItem(dialog->window, kPatrolMinutesEdit), "45");
    ASSERT_TRUE(AnswerMessageBox(dialog->window, IDOK));
    EXPECT_TRUE(WaitUntil([] { return StoredOption("Start") == std::optional<std::string>("45"); }, 3000))
        << StoredOption("Start").value_or("(none)");

    // Close after clicking the real-time box changes nothing.
    const auto realtime = StoredOption("RealtimeStartup");
    ASSERT_TRUE(ClickPicture(page, kMonitorPicture));
    dialog = WaitForMessageBox(program->id());
    ASSERT_TRUE(dialog.has_value());
    EXPECT_EQ(CheckState(dialog->window, kPatrolRealtimeBox), BST_CHECKED);
    ASSERT_TRUE(SetCheck(dialog->window, kPatrolRealtimeBox, false));
    SetWindowTextA(GetDlgItem(dialog->window, kPatrolMinutesEdit), "0");
    ASSERT_TRUE(AnswerMessageBox(dialog->window, IDCANCEL));
    CloseAndExpectEnd(*program, sheet);
    EXPECT_EQ(StoredOption("Start"), std::optional<std::string>("45"));
    EXPECT_EQ(StoredOption("RealtimeStartup"), std::optional<std::string>("1")) << "was " << realtime.value_or("");
}

}  // namespace
}  // namespace e2e
