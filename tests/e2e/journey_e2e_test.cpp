// A user's typical road through the program: a program that starts with
// Windows is found on the Startup page, disabled, disabled again after it
// wrote itself back, enabled, moved to delayed start, given a longer delay and
// put back into the Windows startup, each step checked in the registry.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "e2e/program_fixture.h"
#include "base/first_seen.h"

namespace e2e {
namespace {

using namespace driver;
using namespace testsupport;

constexpr const char* kRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr const char* kDisabledKey = "Software\\Orvik Studios\\Sentrivox\\Disabled";
constexpr const char* kDisabledRunKey = "Software\\Orvik Studios\\Sentrivox\\Disabled\\Run";
constexpr const char* kDelayKey = "Software\\Orvik Studios\\Sentrivox\\Delay";
constexpr const char* kDelayTimeKey = "Software\\Orvik Studios\\Sentrivox\\Delay\\Time";
constexpr const char* kDelayTitleKey = "Software\\Orvik Studios\\Sentrivox\\Delay\\Title";
constexpr const char* kDelayParametersKey = "Software\\Orvik Studios\\Sentrivox\\Delay\\Parameters";

constexpr const char* kFolder = "C:\\sx-journey";
constexpr const char* kProgram = "C:\\sx-journey\\journeytool.exe";
constexpr const char* kTitle = "Journey Tool";
constexpr const char* kCommand = "\"C:\\sx-journey\\journeytool.exe\" 120";

constexpr int kListControlId = 1000;
constexpr int kStartupTemplate = 102;
constexpr int kDelayedTemplate = 197;
constexpr int kOptionsTemplate = 114;
constexpr int kEnableButton = 10;
constexpr int kDisableButton = 11;
constexpr int kMoveToDelayed = 1195;
constexpr int kDelayOptions = 1197;
constexpr int kRestoreToStartup = 1198;
constexpr int kMinutesList = 1196;
constexpr int kSecondsList = 1191;

// The HKLM store is written in the program's own registry view, the one this
// test program (built for the same architecture) opens without a view flag.
constexpr RegView kNativeView = sizeof(void*) == 8 ? RegView::k64 : RegView::k32;

class JourneyE2e : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        CleanTraces();
        CreateDirectoryA(kFolder, nullptr);
        // A real program with a version resource, running as a startup program would.
        ASSERT_TRUE(CopyFileA(ToolPath("idle_program").c_str(), kProgram, FALSE));
        ASSERT_TRUE(WriteRegString(HKEY_CURRENT_USER, kRunKey, kTitle, kCommand));
        running_ = Process::Start(kProgram, "120");
        ASSERT_TRUE(running_.started());
    }

    void TearDown() override {
        ProgramTest::TearDown();
        running_.Kill();
        CleanTraces();
        DeleteFileA(kProgram);
        RemoveDirectoryA(kFolder);
    }

    static void CleanTraces() {
        DeleteRegValue(HKEY_CURRENT_USER, kRunKey, kTitle);
        for (const char* key : {kDisabledKey, kDisabledRunKey})
            DeleteRegValue(HKEY_LOCAL_MACHINE, key, kTitle, kNativeView);
        for (const char* key : {kDelayKey, kDelayTimeKey, kDelayTitleKey, kDelayParametersKey})
            DeleteRegValue(HKEY_CURRENT_USER, key, kProgram);
    }

    // Selects the tab whose page has the given template; the visible page.
    static HWND ShowPage(HWND sheet, int templateId) {
        for (int tab = 0; tab < int(TabTexts(sheet).size()); ++tab) {
            if (!SelectTab(sheet, tab)) continue;
            if (WaitUntil([&] { return CurrentPageTemplate(sheet) == templateId; }, 1000)) return CurrentPage(sheet);
        }
        return nullptr;
    }

    // The list row showing the entry, -1 when it is not listed.
    static int RowOf(HWND list, const std::string& title) {
        auto rows = ListViewRows(list);
        auto found = std::find_if(rows.begin(), rows.end(), [&](const auto& row) { return !row.empty() && row[0] == title; });
        return found == rows.end() ? -1 : int(found - rows.begin());
    }

    static bool ButtonShown(HWND page, int id) {
        HWND button = FindDescendantById(page, id);
        return button && IsWindowVisible(button) && IsWindowEnabled(button);
    }

    static std::optional<std::string> RunValue() { return ReadRegString(HKEY_CURRENT_USER, kRunKey, kTitle); }

    Process running_;
};

TEST_F(JourneyE2e, DisableRedisableEnableDelayAndRestore) {
    Process* program = nullptr;
    HWND sheet = StartWithSheet("-START", &program);
    ASSERT_NE(sheet, nullptr);
    HWND page = CurrentPage(sheet);
    ASSERT_EQ(CurrentPageTemplate(sheet), kStartupTemplate);
    HWND list = FindDescendantById(page, kListControlId);
    ASSERT_NE(list, nullptr);

    // Listed with its company, its type tag and today's first-seen date.
    ASSERT_TRUE(WaitUntil([&] { return RowOf(list, kTitle) >= 0; }, 5000));
    int row = RowOf(list, kTitle);
    auto cells = ListViewRows(list)[row];
    ASSERT_EQ(cells.size(), 5u);
    EXPECT_EQ(cells[1].rfind("journeytool.exe", 0), 0u) << cells[1];
    EXPECT_EQ(cells[2], "Quietfield Tools");
    EXPECT_EQ(cells[3], "HKCU_RUN");
    EXPECT_EQ(cells[4], std::string(TodayText().view()));

    // Disable: the running program is offered to be stopped first.
    ASSERT_TRUE(SelectListViewRow(list, row));
    ASSERT_TRUE(WaitUntil([&] { return ButtonShown(page, kDisableButton); }, 3000));
    ASSERT_TRUE(ClickButton(page, kDisableButton));
    auto question = WaitForMessageBox(program->id());
    ASSERT_TRUE(question.has_value()) << "no question about the running program";
    EXPECT_NE(question->text.find("is currently an actively running program"), std::string::npos) << question->text;
    ASSERT_TRUE(AnswerMessageBox(question->window, IDYES));
    EXPECT_TRUE(running_.WaitExit(5000).has_value()) << "the running program was not stopped";

    ASSERT_TRUE(WaitUntil([] { return !RunValue().has_value(); }, 5000)) << "the Run value is still there";
    EXPECT_EQ(ReadRegString(HKEY_LOCAL_MACHINE, kDisabledKey, kTitle, kNativeView), std::optional<std::string>("11"));
    EXPECT_EQ(ReadRegString(HKEY_LOCAL_MACHINE, kDisabledRunKey, kTitle, kNativeView), std::optional<std::string>(kCommand));
    ASSERT_TRUE(WaitUntil([&] {
        int r = RowOf(list, kTitle);
        return r >= 0 && ListViewCell(list, r, 3) == "   Disabled";
    }, 5000));
    ASSERT_TRUE(SelectListViewRow(list, RowOf(list, kTitle)));
    EXPECT_TRUE(WaitUntil([&] { return ButtonShown(page, kEnableButton) && !ButtonShown(page, kDisableButton); }, 3000));

    // The program writes itself back; the next visit of the page disables it again.
    ASSERT_TRUE(WriteRegString(HKEY_CURRENT_USER, kRunKey, kTitle, kCommand));
    ASSERT_NE(ShowPage(sheet, kOptionsTemplate), nullptr);
    page = ShowPage(sheet, kStartupTemplate);
    ASSERT_NE(page, nullptr);
    list = FindDescendantById(page, kListControlId);
    EXPECT_TRUE(WaitUntil([] { return !RunValue().has_value(); }, 5000)) << "the written-back entry stayed";
    EXPECT_EQ(ReadRegString(HKEY_LOCAL_MACHINE, kDisabledRunKey, kTitle, kNativeView), std::optional<std::string>(kCommand));

    // Enable puts it back where it was.
    ASSERT_TRUE(WaitUntil([&] { return RowOf(list, kTitle) >= 0; }, 5000));
    ASSERT_TRUE(SelectListViewRow(list, RowOf(list, kTitle)));
    ASSERT_TRUE(WaitUntil([&] { return ButtonShown(page, kEnableButton); }, 3000));
    ASSERT_TRUE(ClickButton(page, kEnableButton));
    ASSERT_TRUE(WaitUntil([] { return RunValue() == std::optional<std::string>(kCommand); }, 5000));
    EXPECT_FALSE(RegValuePresent(HKEY_LOCAL_MACHINE, kDisabledKey, kTitle, kNativeView));
    ASSERT_TRUE(WaitUntil([&] {
        int r = RowOf(list, kTitle);
        return r >= 0 && ListViewCell(list, r, 3) == "HKCU_RUN";
    }, 5000));

    // Move to delayed start: into the store of the current user, out of the Run key.
    ASSERT_TRUE(SelectListViewRow(list, RowOf(list, kTitle)));
    ASSERT_TRUE(PostCommand(page, kMoveToDelayed));
    ASSERT_TRUE(WaitUntil([] { return !RunValue().has_value(); }, 5000)) << "the entry stayed in the Run key";
    EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, kDelayKey, kProgram), std::optional<std::string>("11"));
    EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, kDelayTimeKey, kProgram), std::optional<std::string>("30"));
    EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, kDelayTitleKey, kProgram), std::optional<std::string>(kTitle));
    EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, kDelayParametersKey, kProgram), std::optional<std::string>("120"));

    HWND delayed = ShowPage(sheet, kDelayedTemplate);
    ASSERT_NE(delayed, nullptr);
    HWND delayedList = FindDescendantById(delayed, kListControlId);
    ASSERT_TRUE(WaitUntil([&] { return RowOf(delayedList, kTitle) >= 0; }, 5000));
    EXPECT_EQ(ListViewCell(delayedList, RowOf(delayedList, kTitle), 3), "30 Sec.");

    // The delay options: 2 minutes and 40 seconds are stored as 160 seconds.
    ASSERT_TRUE(SelectListViewRow(delayedList, RowOf(delayedList, kTitle)));
    ASSERT_TRUE(PostCommand(delayed, kDelayOptions));
    HWND options = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
        for (HWND w : TopLevelWindows(program->id(), "#32770"))
            if (FindDescendantById(w, kMinutesList) && FindDescendantById(w, kSecondsList)) options = w;
        return options != nullptr;
    }, 5000)) << "no delay options dialog";
    SendMessageA(FindDescendantById(options, kMinutesList), CB_SETCURSEL, 2, 0);
    SendMessageA(FindDescendantById(options, kSecondsList), CB_SETCURSEL, 4, 0);
    ASSERT_TRUE(ClickButton(options, IDOK));
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(options); }, 5000));
    EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, kDelayTimeKey, kProgram), std::optional<std::string>("160"));
    EXPECT_TRUE(WaitUntil([&] {
        int r = RowOf(delayedList, kTitle);
        return r >= 0 && ListViewCell(delayedList, r, 3) == "2 Min. : 40 Sec.";
    }, 5000));

    // Back to the Windows startup with a well-formed command.
    ASSERT_TRUE(SelectListViewRow(delayedList, RowOf(delayedList, kTitle)));
    ASSERT_TRUE(PostCommand(delayed, kRestoreToStartup));
    ASSERT_TRUE(WaitUntil([] { return RunValue() == std::optional<std::string>(kCommand); }, 5000))
        << (RunValue() ? *RunValue() : std::string("(no Run value)"));
    EXPECT_FALSE(RegValuePresent(HKEY_CURRENT_USER, kDelayKey, kProgram));
    EXPECT_FALSE(RegValuePresent(HKEY_CURRENT_USER, kDelayTimeKey, kProgram));
    EXPECT_TRUE(WaitUntil([&] { return RowOf(delayedList, kTitle) < 0; }, 5000));

    CloseAndExpectEnd(*program, sheet);
}

}  // namespace
}  // namespace e2e
