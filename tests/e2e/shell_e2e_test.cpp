// The program's entry and property sheet as a user sees them: which page a
// switch opens, one instance at a time, the one-shot switches, the settings a
// first start lays out, text overrides, and the sheet's saved placement.
#include <gtest/gtest.h>

#include <cctype>
#include <ctime>
#include <ostream>
#include <string>
#include <vector>

#include "e2e/program_fixture.h"
#include "shell/category_scanners.h"
#include "support/monitor_standin_client.h"

namespace e2e {
namespace {

using namespace driver;
using namespace testsupport;

const std::vector<std::string> kTabTitles = {
    " Startup Programs ", " Delayed Start ", " IE Helpers ", " Scheduled Tasks ", " Services ",
    " Active Tasks ",     " Cookies ",       " File Types ", " Hidden Files ",    " Recent ",
    " ActiveX ",          " Registry Monitoring ",           " Options  ",
};

std::string ThisYear() {
    std::time_t now = std::time(nullptr);
    std::tm local = *std::localtime(&now);
    return std::to_string(local.tm_year + 1900);
}

std::string Lower(std::string text) {
    for (char& c : text) c = char(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

using ShellE2e = ProgramTest;

TEST_F(ShellE2e, SheetShowsThirteenTabsInPageTableOrderAndClosesTheProgram) {
    Process* program = nullptr;
    HWND sheet = StartWithSheet("-START", &program);
    ASSERT_NE(sheet, nullptr) << "no sheet within " << kSheetTimeoutMs << " ms";

    EXPECT_EQ(TabTexts(sheet), kTabTitles);
    EXPECT_EQ(TextOf(sheet), "Sentrivox");
    HWND main = FindMainWindow(program->id());
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(GetWindow(sheet, GW_OWNER), main) << "the hidden main window owns the sheet";
    EXPECT_EQ(TextOf(main), "Sentrivox");
    EXPECT_EQ(Sheets(0).size(), 1u);

    // The sheet's own buttons give way to the page's "Close" and the status bar.
    HWND ok = GetDlgItem(sheet, IDOK);
    HWND cancel = GetDlgItem(sheet, IDCANCEL);
    EXPECT_TRUE(!ok || !IsWindowVisible(ok));
    EXPECT_TRUE(!cancel || !IsWindowVisible(cancel));
    HWND page = CurrentPage(sheet);
    ASSERT_NE(page, nullptr);
    HWND close = GetDlgItem(page, kPageCloseButton);
    ASSERT_NE(close, nullptr) << "the page has no Close button (1004)";
    EXPECT_TRUE(IsWindowVisible(close));
    EXPECT_NE(FindDescendantById(sheet, kStatusBarId), nullptr) << "no status bar (6050)";

    CloseAndExpectEnd(*program, sheet);
}

struct PageCase {
    const char* name;
    friend void PrintTo(const PageCase& c, std::ostream* os) { *os << c.name; }
    const char* arguments;
    const char* startTab;   // the saved option StartTab; nullptr: none saved
    int tabIndex;
    int templateId;
};

class PageSwitch : public ProgramTest, public ::testing::WithParamInterface<PageCase> {};

TEST_P(PageSwitch, OpensTheRequestedPage) {
    const PageCase& c = GetParam();
    if (c.startTab) ASSERT_TRUE(WriteRegString(HKEY_CURRENT_USER, kProgramOptionsPath, "StartTab", c.startTab));
    HWND sheet = StartWithSheet(c.arguments);
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(SelectedTab(sheet), c.tabIndex);
    auto tabs = TabTexts(sheet);
    ASSERT_EQ(tabs.size(), kTabTitles.size());
    EXPECT_EQ(tabs[size_t(c.tabIndex)], kTabTitles[size_t(c.tabIndex)]);
    EXPECT_EQ(CurrentPageTemplate(sheet), c.templateId);
}

INSTANTIATE_TEST_SUITE_P(
    Switches, PageSwitch,
    ::testing::Values(PageCase{"Start", "-START", nullptr, 0, 102},
                      PageCase{"OptionLowerCase", "-option", nullptr, 12, 114},
                      PageCase{"StartThenTaskTaskWins", "-START -TASK", nullptr, 5, 110},
                      PageCase{"RestartOpensOptions", "-RESTART", nullptr, 12, 114},
                      PageCase{"Service", "-SERVICE", nullptr, 4, 132},
                      PageCase{"InsideAWord", "/x-Delayed", nullptr, 1, 197},
                      PageCase{"RegOptions", "-REGOPTIONS", nullptr, 11, 215},
                      PageCase{"CookieWithViewCookies", "-COOKIE", nullptr, 6, 108},
                      PageCase{"NoSwitchNoStartTab", "", nullptr, 0, 102},
                      PageCase{"NoSwitchStartTabServices", "", "6038", 4, 132},
                      PageCase{"NoSwitchStartTabBelowRange", "", "6000", 0, 102},
                      PageCase{"NoSwitchStartTabNotANumber", "", "abc", 0, 102},
                      PageCase{"SwitchOverridesStartTab", "-HIDDEN", "6038", 8, 195}),
    [](const ::testing::TestParamInfo<PageCase>& info) { return std::string(info.param.name); });

// A visible window of the test itself, so that "brought forward" can be seen.
class ForegroundProbe {
public:
    ForegroundProbe() {
        window_ = CreateWindowExA(WS_EX_TOPMOST, "STATIC", "probe", WS_POPUP | WS_VISIBLE | WS_BORDER, 900, 700, 200,
                                  100, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        SetWindowPos(window_, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        SetForegroundWindow(window_);
        Pump();
    }
    ~ForegroundProbe() { DestroyWindow(window_); }
    HWND get() const { return window_; }
    static void Pump() {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    }

private:
    HWND window_ = nullptr;
};

struct SecondStartCase {
    const char* name;
    friend void PrintTo(const SecondStartCase& c, std::ostream* os) { *os << c.name; }
    const char* arguments;
    bool topmost;
};

class SecondStart : public ProgramTest, public ::testing::WithParamInterface<SecondStartCase> {};

TEST_P(SecondStart, BringsTheFirstForwardAndOpensNoSecondSheet) {
    Process* first = nullptr;
    HWND sheet = StartWithSheet("-START", &first);
    ASSERT_NE(sheet, nullptr);
    HWND main = FindMainWindow(first->id());
    ASSERT_NE(main, nullptr);

    ForegroundProbe probe;
    ASSERT_EQ(GetForegroundWindow(), probe.get()) << "the test could not take the foreground";

    Process& second = Start(GetParam().arguments);
    auto code = second.WaitExit(kExitTimeoutMs);
    ASSERT_TRUE(code.has_value()) << "the second start did not end";
    EXPECT_EQ(*code, 0u);

    EXPECT_TRUE(WaitUntil([&] {
        ForegroundProbe::Pump();
        return ProcessOf(GetForegroundWindow()) == first->id();
    }, 5000)) << "the running instance was not brought forward";
    EXPECT_EQ(Sheets(0).size(), 1u);
    EXPECT_EQ(TopLevelWindows(0, kMainWindowClass).size(), 1u);
    EXPECT_EQ(SelectedTab(sheet), 0) << "the visible page must not change";
    // Made topmost, the main window takes its owned sheet along; Wine marks
    // only the sheet, which is the window the user sees.
    bool topmost = (GetWindowLongPtrA(sheet, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    EXPECT_EQ(topmost, GetParam().topmost);
    EXPECT_TRUE(first->Running());
}

INSTANTIATE_TEST_SUITE_P(Requests, SecondStart,
                         ::testing::Values(SecondStartCase{"Services", "-SERVICE", false},
                                           SecondStartCase{"CookiesMakeItTopmost", "-NUT", true}),
                         [](const ::testing::TestParamInfo<SecondStartCase>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(ShellE2e, QuitEndsARunningInstance) {
    Process* first = nullptr;
    ASSERT_NE(StartWithSheet("-START", &first), nullptr);
    Process& quit = Start("-Q");
    EXPECT_EQ(quit.WaitExit(kExitTimeoutMs), std::optional<DWORD>(0));
    auto code = first->WaitExit(kExitTimeoutMs);
    ASSERT_TRUE(code.has_value()) << "-Q did not end the running instance";
    EXPECT_EQ(*code, 0u);
    EXPECT_EQ(FindMainWindow(), nullptr);
}

TEST_F(ShellE2e, QuitWithNoInstanceDoesNothing) {
    Process& quit = Start("-q");
    EXPECT_EQ(quit.WaitExit(kExitTimeoutMs), std::optional<DWORD>(0));
    EXPECT_EQ(FindMainWindow(), nullptr);
    EXPECT_TRUE(Sheets(0).empty());
    // Nothing of a start happened: no first-start settings.
    EXPECT_FALSE(RegKeyPresent(HKEY_CURRENT_USER, kVendorKey));
    EXPECT_FALSE(RegKeyPresent(HKEY_LOCAL_MACHINE, kVendorKey));
}

TEST_F(ShellE2e, RestoreDeletesTextOverridesAndPlacementsAndOpensNothing) {
    for (const char* name : {"LString0", "LString606", "LString1165", "LString1166"})
        ASSERT_TRUE(WriteRegString(HKEY_LOCAL_MACHINE, kProgramKeyPath, name, "x"));
    const char* placements[] = {"xPos", "yPos", "dxPos", "dyPos", "xInfo", "dyAlert", "xCookie",
                                "dyPosAddFileType"};
    for (const char* name : placements) ASSERT_TRUE(WriteRegString(HKEY_CURRENT_USER, kProgramKeyPath, name, "10"));
    ASSERT_TRUE(WriteRegString(HKEY_CURRENT_USER, kProgramKeyPath, "NewVersion", "19.3.2010.0"));
    ASSERT_TRUE(WriteRegString(HKEY_CURRENT_USER, kProgramOptionsPath, "StartTab", "6038"));
    const char* verb = "exefile\\shell\\Sentrivox PLUS";
    ASSERT_TRUE(WriteRegString(HKEY_CLASSES_ROOT, std::string(verb) + "\\command", "", "sentrivox.exe \"%1\""));
    ASSERT_TRUE(WriteRegString(HKEY_CLASSES_ROOT, verb, "", "Sentrivox PLUS"));

    // With a page switch too: the action wins and the program ends.
    Process& restore = Start("-Restore -START");
    EXPECT_EQ(restore.WaitExit(kExitTimeoutMs), std::optional<DWORD>(0));
    EXPECT_EQ(FindMainWindow(), nullptr);
    EXPECT_TRUE(Sheets(0).empty());

    for (const char* name : {"LString0", "LString606", "LString1165"})
        EXPECT_FALSE(RegValuePresent(HKEY_LOCAL_MACHINE, kProgramKeyPath, name)) << name;
    EXPECT_TRUE(RegValuePresent(HKEY_LOCAL_MACHINE, kProgramKeyPath, "LString1166"))
        << "ids 0 to 1165 are the overridable range";
    for (const char* name : placements)
        EXPECT_FALSE(RegValuePresent(HKEY_CURRENT_USER, kProgramKeyPath, name)) << name;
    EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, kProgramKeyPath, "NewVersion"), "19.3.2010.0");
    EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, kProgramOptionsPath, "StartTab"), "6038");
    EXPECT_FALSE(RegKeyPresent(HKEY_CLASSES_ROOT, verb)) << "the Explorer verb is removed";
    EXPECT_FALSE(RegValuePresent(HKEY_CURRENT_USER, kProgramKeyPath, ""))
        << "a one-shot action does not run the first-start initialisation";
}

TEST_F(ShellE2e, FirstStartLaysOutTheSettingsStore) {
    Process* program = nullptr;
    HWND sheet = StartWithSheet("-START", &program);
    ASSERT_NE(sheet, nullptr);
    const std::string year = ThisYear();

    auto firstStart = ReadRegString(HKEY_CURRENT_USER, kProgramKeyPath, "");
    ASSERT_TRUE(firstStart.has_value()) << "no first-start date";
    EXPECT_NE(firstStart->find(year), std::string::npos) << *firstStart;
    for (const char* key : {"Nuts", "Cookies", "Options", "Run", "IEHelpers", "HostFile", "Tasks"})
        EXPECT_TRUE(RegKeyPresent(HKEY_CURRENT_USER, std::string(kProgramKeyPath) + "\\" + key)) << key;
    EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, kProgramKeyPath, "NewVersion"), "19.3.2010.0");
    // A snapshot is marked filled only by a build that has its category's scanner:
    // marked while empty, it would make the monitor take every item for new.
    const struct { const char* key; ScanCategory scan; } snapshots[] = {
        {"Services", ScanCategory::Services}, {"Hidden", ScanCategory::Hidden}, {"ActiveX", ScanCategory::ActiveX}};
    for (const auto& snapshot : snapshots) {
        auto mark = ReadRegString(HKEY_CURRENT_USER, std::string(kProgramKeyPath) + "\\" + snapshot.key, "");
        if (HasCategoryScanner(snapshot.scan))
            EXPECT_EQ(mark, "P") << snapshot.key;
        else
            EXPECT_NE(mark, "P") << snapshot.key;
    }

    auto seeded = ReadRegString(HKEY_CURRENT_USER, kDetectedKeyPath, "");
    ASSERT_TRUE(seeded.has_value());
    EXPECT_NE(seeded->find(year), std::string::npos) << *seeded;
    for (const char* key : {"Startup", "IEHelper", "Services", "Tasks", "ActiveTasks", "FileTypes", "Hidden"})
        EXPECT_TRUE(RegKeyPresent(HKEY_CURRENT_USER, std::string(kDetectedKeyPath) + "\\" + key)) << key;
    auto activeXSeeded = ReadRegString(HKEY_CURRENT_USER, std::string(kDetectedKeyPath) + "\\ActiveX", "");
    if (HasCategoryScanner(ScanCategory::ActiveX))
        EXPECT_EQ(activeXSeeded, "P");
    else
        EXPECT_NE(activeXSeeded, "P");

    const std::string sysfiles = std::string(kProgramKeyPath) + "\\Sysfiles";
    auto recorded = ReadRegString(HKEY_LOCAL_MACHINE, sysfiles, "");
    ASSERT_TRUE(recorded.has_value()) << "no system-files snapshot in HKLM (64-bit view)";
    EXPECT_NE(recorded->find(year), std::string::npos);
    auto hostsPath = ReadRegString(HKEY_LOCAL_MACHINE, sysfiles + "\\HOSTS", "Location");
    ASSERT_TRUE(hostsPath.has_value());
    EXPECT_NE(Lower(*hostsPath).find("drivers\\etc\\hosts"), std::string::npos) << *hostsPath;
    EXPECT_EQ(ReadRegString(HKEY_LOCAL_MACHINE, sysfiles + "\\HOSTS", "Type"), "0");
    EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, sysfiles + "\\HOSTS", "Comment"),
              "HOST file can be used to protect or redirect domain access.");

    // The monitor is registered to start with Windows.
    auto run = ReadRegString(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion\\Run", "Sentrivox");
    ASSERT_TRUE(run.has_value());
    EXPECT_EQ(Lower(*run), Lower(ExeFolder() + "\\sentrivox.exe -expressboot"));

    CloseAndExpectEnd(*program, sheet);
    // The options are written back when the program ends.
    EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, kProgramOptionsPath, "Update"), "1");
    EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, kProgramOptionsPath, "HideMicrosoftServices"), "1");
    EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, kProgramOptionsPath, "Start"), "2");

    // A later start is not a first start: the date stays as it is.
    ASSERT_TRUE(WriteRegString(HKEY_CURRENT_USER, kProgramKeyPath, "", "first-start marker"));
    sheet = StartWithSheet("-START", &program);
    ASSERT_NE(sheet, nullptr);
    CloseAndExpectEnd(*program, sheet);
    EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, kProgramKeyPath, ""), "first-start marker");
}

struct OverrideCase {
    const char* name;
    friend void PrintTo(const OverrideCase& c, std::ostream* os) { *os << c.name; }
    bool languageOverride;  // LString634 = "de": a language other than English
    RegView labelView;      // where LString606 is written
    const char* expected;
};

class TextOverride : public ProgramTest, public ::testing::WithParamInterface<OverrideCase> {};

TEST_P(TextOverride, ChangesTheStartupTabLabel) {
    const OverrideCase& c = GetParam();
    ASSERT_TRUE(WriteRegString(HKEY_LOCAL_MACHINE, kProgramKeyPath, "LString606", "Boot Items", c.labelView));
    if (c.languageOverride) {
        // The language is read early; write it where either build looks.
        for (RegView view : {RegView::k64, RegView::k32})
            ASSERT_TRUE(WriteRegString(HKEY_LOCAL_MACHINE, kProgramKeyPath, "LString634", "de", view));
    }
    HWND sheet = StartWithSheet("-START");
    ASSERT_NE(sheet, nullptr);
    auto tabs = TabTexts(sheet);
    ASSERT_EQ(tabs.size(), kTabTitles.size());
    EXPECT_EQ(tabs[0], c.expected);
    EXPECT_EQ(tabs[1], kTabTitles[1]);
}

// English ("us") ignores overrides once the language is known; the tab titles
// are loaded after that, so an override shows only under another language.
INSTANTIATE_TEST_SUITE_P(
    Overrides, TextOverride,
    ::testing::Values(OverrideCase{"OtherLanguage64BitView", true, RegView::k64, "Boot Items"},
                      OverrideCase{"EnglishIgnoresOverrides", false, RegView::k64, " Startup Programs "},
                      OverrideCase{"Only32BitViewIsNotRead", true, RegView::k32, " Startup Programs "}),
    [](const ::testing::TestParamInfo<OverrideCase>& info) { return std::string(info.param.name); });

TEST_F(ShellE2e, ClosingSavesThePlacementAndTheNextStartRestoresIt) {
    Process* program = nullptr;
    HWND sheet = StartWithSheet("-SERVICE", &program);
    ASSERT_NE(sheet, nullptr);
    RECT before = {};
    ASSERT_TRUE(GetWindowRect(sheet, &before));
    const int width = before.right - before.left + 40, height = before.bottom - before.top + 30;
    const RECT wanted = {110, 70, 110 + width, 70 + height};
    ASSERT_TRUE(SetWindowPos(sheet, nullptr, wanted.left, wanted.top, width, height, SWP_NOZORDER | SWP_NOACTIVATE));
    RECT moved = {};
    ASSERT_TRUE(WaitUntil([&] { return GetWindowRect(sheet, &moved) && EqualRect(&moved, &wanted); }, 3000))
        << "the sheet is at " << moved.left << "," << moved.top << " " << moved.right - moved.left << "x"
        << moved.bottom - moved.top;

    CloseAndExpectEnd(*program, sheet);
    EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, kProgramKeyPath, "xPos"), std::to_string(wanted.left));
    EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, kProgramKeyPath, "yPos"), std::to_string(wanted.top));
    EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, kProgramKeyPath, "dxPos"), std::to_string(width));
    EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, kProgramKeyPath, "dyPos"), std::to_string(height));
    EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, kProgramOptionsPath, "StartTab"), "6038");

    // A plain start reopens the last page where it was.
    sheet = StartWithSheet("", &program);
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(SelectedTab(sheet), 4);
    RECT restored = {};
    EXPECT_TRUE(WaitUntil([&] { return GetWindowRect(sheet, &restored) && EqualRect(&restored, &wanted); }, 3000))
        << "restored at " << restored.left << "," << restored.top << " " << restored.right - restored.left << "x"
        << restored.bottom - restored.top;
}

TEST_F(ShellE2e, PlacementBeyondTheScreenIsPulledBackToTheEdge) {
    ASSERT_TRUE(WriteRegString(HKEY_CURRENT_USER, kProgramKeyPath, "xPos", "50000"));
    ASSERT_TRUE(WriteRegString(HKEY_CURRENT_USER, kProgramKeyPath, "yPos", "40"));
    HWND sheet = StartWithSheet("-START");
    ASSERT_NE(sheet, nullptr);
    RECT rect = {};
    EXPECT_TRUE(WaitUntil([&] { return GetWindowRect(sheet, &rect) && rect.left == 0 && rect.top == 40; }, 3000))
        << "at " << rect.left << "," << rect.top;
}

// The monitor stand-in, copied under the monitor's own name into a folder of
// its own that the program finds on its PATH.
class MonitorOnPath {
public:
    MonitorOnPath() {
        char temp[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, temp);
        folder_ = std::string(temp) + "sx-monitor-" + std::to_string(GetCurrentProcessId());
        CreateDirectoryA(folder_.c_str(), nullptr);
        copied_ = CopyFileA(ToolPath("monitor_standin").c_str(), (folder_ + "\\Sentrivox.exe").c_str(), FALSE) != 0;
    }
    ~MonitorOnPath() {
        KillProcessesNamed({"Sentrivox.exe"});
        DeleteFileA((folder_ + "\\Sentrivox.exe").c_str());
        DeleteFileA(records_.recordFile().c_str());
        RemoveDirectoryA(folder_.c_str());
    }
    bool copied() const { return copied_; }
    std::vector<std::string> Environment() const {
        char path[32768] = {};
        GetEnvironmentVariableA("PATH", path, sizeof(path));
        return {"PATH=" + folder_ + ";" + path, records_.EnvironmentEntry()};
    }
    MonitorRecords Records() const { return records_.Records(); }

private:
    std::string folder_;
    bool copied_ = false;
    MonitorStandIn records_;  // only for its record file; never started here
};

TEST_F(ShellE2e, ExitRequestWithoutConfirmExitEndsTheProgram) {
    Process& program = Start("-EXIT");
    auto code = program.WaitExit(kSheetTimeoutMs);
    ASSERT_TRUE(code.has_value());
    EXPECT_EQ(*code, 0u);
    EXPECT_EQ(FindMainWindow(), nullptr);
}

TEST_F(ShellE2e, ExitRequestWithConfirmExitAndNoMonitorStartsItAndKeepsRunning) {
    ASSERT_TRUE(WriteRegString(HKEY_CURRENT_USER, kProgramOptionsPath, "ConfirmExit", "1"));
    MonitorOnPath monitor;
    ASSERT_TRUE(monitor.copied());
    Process& program = Start("-EXIT", monitor.Environment());

    HWND started = WaitForTopLevel(0, kMonitorWindowClass, kSheetTimeoutMs);
    EXPECT_NE(started, nullptr) << "Sentrivox.exe was not started";
    if (started) {
        auto records = monitor.Records();
        ASSERT_EQ(records.starts.size(), 1u);
        EXPECT_EQ(records.starts[0], "") << "the monitor is started by name, with no switch";
    }
    Sleep(1000);
    EXPECT_TRUE(program.Running()) << "the exit request must keep the program running";
    EXPECT_NE(FindMainWindow(program.id()), nullptr);
    EXPECT_TRUE(Sheets(program.id()).empty()) << "no page was asked for";
}

TEST_F(ShellE2e, ExitRequestWithConfirmExitAndAMonitorOpensTheStartupPage) {
    ASSERT_TRUE(WriteRegString(HKEY_CURRENT_USER, kProgramOptionsPath, "ConfirmExit", "1"));
    MonitorStandIn monitor;
    ASSERT_TRUE(monitor.Start(60));
    Process* program = nullptr;
    HWND sheet = StartWithSheet("-EXIT", &program);
    ASSERT_NE(sheet, nullptr) << "the exit request with a running monitor opens the sheet";
    EXPECT_EQ(SelectedTab(sheet), 0);
    EXPECT_EQ(CurrentPageTemplate(sheet), 102);
    EXPECT_TRUE(monitor.Records().commands.empty()) << "nothing is sent to the monitor";
}

}  // namespace
}  // namespace e2e
