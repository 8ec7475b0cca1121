// The Startup Programs page driven as a user drives it: the page's dialog runs
// in a window of the test's thread, the test selects rows and presses buttons,
// a second thread answers the message boxes, and the registry and the list
// show the result.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include <atomic>
#include <initializer_list>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "resource_ids.h"
#include "shell/app_state.h"
#include "base/first_seen.h"
#include "shell/load_text.h"
#include "shell/page_menu.h"
#include "base/registry.h"
#include "shell/page_commands.h"
#include "startup/disable/disabled_index.h"
#include "shell/online_lookup.h"
#include "base/processes.h"
#include "startup/startup_page.h"
#include "startup/startup_page_commands.h"
#include "base/version_info.h"
#include "startup/startup_change_fixture.h"
#include "startup/scan_fixture.h"
#include "support/test_files.h"
#include "support/box_answerer.h"
#include "support/window_driver.h"

using namespace changetest;

namespace {

constexpr const char* kWinlogonKey = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon";
constexpr const char* kFirstSeenKey = "Software\\Orvik Studios\\Detected\\Startup";
constexpr const char* kOptionsPath = "Software\\Orvik Studios\\Sentrivox\\Options";
constexpr const char* kSessionManager = "System\\CurrentControlSet\\Control\\Session Manager";

std::string Pattern(int stringId) { return LoadTextString(stringId); }

// What the list shows for one entry.
struct ShownRow {
    std::string title, command, company, type, firstDetected;
};

class StartupPageTest : public StartupChangeTest {
protected:
    void SetUp() override {
        StartupChangeTest::SetUp();
        savedApp_ = g_app;
        INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES};
        InitCommonControlsEx(&controls);
        host_ = CreateWindowExA(0, "STATIC", "Sentrivox", WS_POPUP, 0, 0, 900, 700, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
        page_ = CreateDialogParamA(ResourceInstance(), MAKEINTRESOURCEA(IDD_PAGE_STARTUP), host_, StartupPageProc, 0);
        ASSERT_NE(page_, nullptr) << GetLastError();
        // Buttons report themselves visible only inside a shown window. A popup
        // host needs no window manager to go away again.
        ShowWindow(host_, SW_SHOWNOACTIVATE);
        ShowWindow(page_, SW_SHOWNOACTIVATE);
        list_ = GetDlgItem(page_, IDC_LIST);
    }
    void TearDown() override {
        if (page_) {
            Notify(PSN_KILLACTIVE);
            DestroyWindow(page_);
        }
        if (host_) DestroyWindow(host_);
        g_app = savedApp_;
        StartupChangeTest::TearDown();
    }

    void Notify(UINT code) const {
        NMHDR header{host_, 0, code};
        SendMessageA(page_, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&header));
    }
    void Activate() const { Notify(PSN_SETACTIVE); }
    void Press(int command) const { SendMessageA(page_, WM_COMMAND, MAKEWPARAM(command, BN_CLICKED), 0); }

    int ItemCount() const { return int(SendMessageA(list_, LVM_GETITEMCOUNT, 0, 0)); }
    std::string Cell(int item, int column) const {
        char text[1024] = {};
        LVITEMA lvi = {};
        lvi.iSubItem = column;
        lvi.pszText = text;
        lvi.cchTextMax = sizeof(text);
        SendMessageA(list_, LVM_GETITEMTEXTA, WPARAM(item), reinterpret_cast<LPARAM>(&lvi));
        return text;
    }
    ShownRow Shown(int item) const {
        return {Cell(item, 0), Cell(item, 1), Cell(item, 2), Cell(item, 3), Cell(item, 4)};
    }
    // The item showing title; -1 when the list has none.
    int ItemTitled(const std::string& title) const {
        for (int item = 0; item < ItemCount(); ++item)
            if (Cell(item, 0) == title) return item;
        return -1;
    }
    int CountTitled(const std::string& title) const {
        int count = 0;
        for (int item = 0; item < ItemCount(); ++item) count += Cell(item, 0) == title;
        return count;
    }
    int CountOfType(const std::string& tag) const {
        int count = 0;
        for (int item = 0; item < ItemCount(); ++item) count += Cell(item, 3) == tag;
        return count;
    }
    void SelectNone() const {
        LVITEMA lvi = {};
        lvi.stateMask = LVIS_SELECTED;
        SendMessageA(list_, LVM_SETITEMSTATE, WPARAM(-1), reinterpret_cast<LPARAM>(&lvi));
    }
    // Selects the items of these titles, and only them, as a user's clicks do.
    void Select(std::initializer_list<std::string> titles) const {
        SelectNone();
        for (const std::string& title : titles) {
            int item = ItemTitled(title);
            ASSERT_GE(item, 0) << title << " is not listed";
            LVITEMA lvi = {};
            lvi.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
            lvi.state = LVIS_SELECTED | LVIS_FOCUSED;
            SendMessageA(list_, LVM_SETITEMSTATE, WPARAM(item), reinterpret_cast<LPARAM>(&lvi));
        }
    }
    bool Visible(int id) const { return IsWindowVisible(GetDlgItem(page_, id)) != FALSE; }
    bool Enabled(int id) const { return IsWindowEnabled(GetDlgItem(page_, id)) != FALSE; }
    std::string ItemText(int id) const {
        char text[256] = {};
        GetDlgItemTextA(page_, id, text, sizeof(text));
        return text;
    }
    std::string Status() const {
        char text[1024] = {};
        SendMessageA(g_app.statusBar, SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(text));
        return text;
    }
    void SetAdvanced(bool on) const {
        CheckDlgButton(page_, IDC_STARTUP_ADVANCED, on ? BST_CHECKED : BST_UNCHECKED);
        Press(IDC_STARTUP_ADVANCED);
    }
    void AddUserRun(const std::string& title, const std::string& command) const {
        SetText(HKEY_CURRENT_USER, RunKeyPath(11), title, command);
    }
    bool InUserRun(const std::string& title) const {
        return Value(HKEY_CURRENT_USER, RunKeyPath(11), title).has_value();
    }

    HWND host_ = nullptr, page_ = nullptr, list_ = nullptr;

private:
    AppState savedApp_;
};

TEST_F(StartupPageTest, RemovingThreeEntriesAsksNothingAndRemovesAllThree) {
    for (const char* name : {"alpha", "beta", "gamma"})
        AddUserRun(std::string("SP ") + name, std::string("C:\\sp-page\\") + name + ".exe /quiet");
    AddUserRun("SP Keep", "C:\\sp-page\\keep.exe");
    Activate();
    Select({"SP alpha", "SP beta", "SP gamma"});
    {
        testsupport::BoxAnswerer answers(testsupport::kEveryBox, IDYES);
        Press(IDC_REMOVE);
        EXPECT_TRUE(answers.texts().empty());
    }
    for (const char* name : {"alpha", "beta", "gamma"}) {
        EXPECT_FALSE(InUserRun(std::string("SP ") + name)) << name;
        EXPECT_EQ(ItemTitled(std::string("SP ") + name), -1) << name << " is still listed";
    }
    EXPECT_TRUE(InUserRun("SP Keep"));
    EXPECT_GE(ItemTitled("SP Keep"), 0);
}

TEST_F(StartupPageTest, RemovingOneEntryAsksOnceAndNoKeepsIt) {
    AddUserRun("SP Single", "\"C:\\sp page\\single.exe\" -min");
    Activate();
    const std::string question = Pattern(IDS_CONFIRM_REMOVE_STARTUP);
    const std::string asked = question.substr(0, question.find("%s")) + "C:\\SP PAGE\\SINGLE.EXE";
    for (int answer : {IDNO, IDYES}) {
        Select({"SP Single"});
        testsupport::BoxAnswerer answers(testsupport::kEveryBox, answer);
        Press(IDC_REMOVE);
        auto texts = answers.texts();
        ASSERT_EQ(texts.size(), 1u) << "answer " << answer;
        EXPECT_EQ(texts[0].rfind(asked, 0), 0u) << texts[0];
        EXPECT_EQ(InUserRun("SP Single"), answer == IDNO);
    }
    EXPECT_EQ(ItemTitled("SP Single"), -1);
}

// Two entries of one title in two Run keys: the selected one goes, not the
// first of that title.
TEST_F(StartupPageTest, RemovingAnEntryLeavesAnotherOfTheSameTitle) {
    SetText(HKEY_LOCAL_MACHINE, RunKeyPath(1), "SP Twin", "C:\\sp-page\\machine.exe");
    AddUserRun("SP Twin", "C:\\sp-page\\user.exe");
    Activate();
    ASSERT_EQ(CountTitled("SP Twin"), 2);
    int user = -1;
    for (int item = 0; item < ItemCount(); ++item)
        if (Cell(item, 0) == "SP Twin" && Cell(item, 3) == "HKCU_RUN") user = item;
    ASSERT_GE(user, 0);
    SelectNone();
    ListView_SetItemState(list_, user, LVIS_SELECTED, LVIS_SELECTED);
    {
        testsupport::BoxAnswerer answers(testsupport::kEveryBox, IDYES);
        Press(IDC_REMOVE);
    }
    EXPECT_FALSE(InUserRun("SP Twin"));
    EXPECT_EQ(Text(HKEY_LOCAL_MACHINE, RunKeyPath(1), "SP Twin"), std::string("C:\\sp-page\\machine.exe"));
    ASSERT_EQ(CountTitled("SP Twin"), 1);
    EXPECT_EQ(Cell(ItemTitled("SP Twin"), 3), "HKLM_RUN");
}

TEST_F(StartupPageTest, DisabledEntryShowsDisabledAndOffersEnable) {
    AddUserRun("SP Toggle", "C:\\sp-page\\toggle.exe /tray");
    AddUserRun("SP Other", "C:\\sp-page\\other.exe");
    Activate();
    Select({"SP Toggle"});
    EXPECT_TRUE(Visible(IDC_DISABLE));
    EXPECT_FALSE(Visible(IDC_ENABLE));
    EXPECT_EQ(Shown(ItemTitled("SP Toggle")).type, "HKCU_RUN");
    const std::string location = "HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Run";
    EXPECT_EQ(Status().rfind(Pattern(IDS_STARTUP_LOCATION) + location, 0), 0u) << Status();

    Press(IDC_DISABLE);
    EXPECT_FALSE(InUserRun("SP Toggle"));
    ASSERT_EQ(CountTitled("SP Toggle"), 1);
    EXPECT_EQ(Shown(ItemTitled("SP Toggle")).type, "   Disabled");
    EXPECT_EQ(Shown(ItemTitled("SP Toggle")).command, "toggle.exe /tray");
    Select({"SP Toggle"});
    EXPECT_TRUE(Visible(IDC_ENABLE));
    EXPECT_TRUE(Enabled(IDC_ENABLE));
    EXPECT_FALSE(Visible(IDC_DISABLE));
    EXPECT_NE(Status().find("Disabled"), std::string::npos) << Status();

    // A disabled entry stays below the others, whichever way the titles are sorted.
    for (int click = 0; click < 2; ++click) {
        NMLISTVIEW column = {};
        column.hdr = {list_, UINT_PTR(IDC_LIST), UINT(LVN_COLUMNCLICK)};
        column.iSubItem = 0;
        SendMessageA(page_, WM_NOTIFY, IDC_LIST, reinterpret_cast<LPARAM>(&column));
        EXPECT_GT(ItemTitled("SP Toggle"), ItemTitled("SP Other")) << "click " << click;
    }
    EXPECT_EQ(Text(HKEY_CURRENT_USER, kOptionsPath, "SortStartup"), std::string("1"));

    Press(IDC_ENABLE);
    EXPECT_TRUE(InUserRun("SP Toggle"));
    EXPECT_EQ(Shown(ItemTitled("SP Toggle")).type, "HKCU_RUN");
    EXPECT_FALSE(IsRecordedDisabled("SP Toggle"));
}

TEST_F(StartupPageTest, WinlogonShellOffersResetAndNeitherEnableNorDisable) {
    SetText(HKEY_LOCAL_MACHINE, kWinlogonKey, "Shell", "Explorer.exe C:\\sp-page\\shell.exe");
    Activate();
    SetAdvanced(true);
    Select({"Winlogon Shell"});
    EXPECT_EQ(ItemText(IDC_REMOVE), Pattern(IDS_RESET));
    EXPECT_TRUE(Enabled(IDC_REMOVE));
    EXPECT_FALSE(Enabled(IDC_ENABLE));
    EXPECT_FALSE(Enabled(IDC_DISABLE));
    // Nor does the command reach the entry when sent anyway.
    Press(IDC_DISABLE);
    EXPECT_EQ(Text(HKEY_LOCAL_MACHINE, kWinlogonKey, "Shell"), std::string("Explorer.exe C:\\sp-page\\shell.exe"));

    AddUserRun("SP Plain", "C:\\sp-page\\plain.exe");
    Activate();
    Select({"SP Plain"});
    EXPECT_EQ(ItemText(IDC_REMOVE), Pattern(IDS_REMOVE)) << "the next entry is removed again";
}

TEST_F(StartupPageTest, NotifyEntryCanBeDisabledAndEnabledButNotRemoved) {
    const std::string package = std::string(kWinlogonKey) + "\\Notify\\SP Notify";
    SetText(HKEY_LOCAL_MACHINE, package, "DllName", "C:\\sp-page\\notify.dll");
    Activate();
    SetAdvanced(true);
    Select({"SP Notify"});
    EXPECT_FALSE(Enabled(IDC_REMOVE));
    EXPECT_TRUE(Enabled(IDC_DISABLE));
    EXPECT_EQ(Shown(ItemTitled("SP Notify")).type, "NOTIFY");

    Press(IDC_DISABLE);
    EXPECT_EQ(Text(HKEY_LOCAL_MACHINE, package, "DllName"), std::string(""));
    ASSERT_GE(ItemTitled("SP Notify"), 0);
    EXPECT_EQ(Shown(ItemTitled("SP Notify")).type, "   Disabled");
    Select({"SP Notify"});
    EXPECT_TRUE(Enabled(IDC_ENABLE));
    EXPECT_FALSE(Enabled(IDC_REMOVE));

    Press(IDC_ENABLE);
    EXPECT_EQ(Text(HKEY_LOCAL_MACHINE, package, "DllName"), std::string("C:\\sp-page\\notify.dll"));
    EXPECT_EQ(Shown(ItemTitled("SP Notify")).type, "NOTIFY");
}

TEST_F(StartupPageTest, EveryRowCommandWithoutASelectionSaysSo) {
    AddUserRun("SP Present", "C:\\sp-page\\present.exe");
    Activate();
    ASSERT_GT(ItemCount(), 0);
    const std::string noSelection = Pattern(IDS_NO_SELECTION);
    struct Case {
        const char* name;
        int command;
    };
    const Case cases[] = {
        {"Info", IDC_INFO},       {"Enter", IDOK},
        {"Remove", IDC_REMOVE},   {"Enable", IDC_ENABLE},
        {"Disable", IDC_DISABLE}, {"Delete on reboot", kCommandDeleteOnReboot},
        {"Move to delayed start", kCommandMoveToDelayed},
    };
    for (const Case& c : cases) {
        SelectNone();
        testsupport::BoxAnswerer answers(testsupport::kEveryBox, IDOK);
        Press(c.command);
        auto texts = answers.texts();
        ASSERT_EQ(texts.size(), 1u) << c.name;
        EXPECT_EQ(texts[0], noSelection) << c.name;
    }
    EXPECT_TRUE(InUserRun("SP Present"));
    EXPECT_FALSE(Visible(IDC_ENABLE));
    EXPECT_FALSE(Visible(IDC_DISABLE));
}

TEST_F(StartupPageTest, AdvancedBoxAddsAndRemovesTheSecretLocations) {
    SetText(HKEY_LOCAL_MACHINE, kWinlogonKey, "Shell", "Explorer.exe C:\\sp-page\\shell.exe");
    SetText(HKEY_LOCAL_MACHINE, std::string(kWinlogonKey) + "\\Notify\\SP Notify", "DllName", "C:\\sp-page\\n.dll");
    SetText(HKEY_LOCAL_MACHINE, kAppInitKey, "AppInit_DLLs", "C:\\sp-page\\hook.dll");
    AddUserRun("SP Ordinary", "C:\\sp-page\\ordinary.exe");
    SetText(HKEY_CURRENT_USER, kOptionsPath, "ShowAllStartup", "0");
    Activate();
    EXPECT_FALSE(IsDlgButtonChecked(page_, IDC_STARTUP_ADVANCED));
    const int plain = ItemCount();
    for (const char* tag : {"LOGON_SHELL", "NOTIFY", "APPINIT_DLL"}) EXPECT_EQ(CountOfType(tag), 0) << tag;

    SetAdvanced(true);
    EXPECT_EQ(Text(HKEY_CURRENT_USER, kOptionsPath, "ShowAllStartup"), std::string("1"));
    for (const char* tag : {"LOGON_SHELL", "NOTIFY", "APPINIT_DLL"}) EXPECT_EQ(CountOfType(tag), 1) << tag;
    EXPECT_GE(ItemCount(), plain + 3);

    SetAdvanced(false);
    EXPECT_EQ(Text(HKEY_CURRENT_USER, kOptionsPath, "ShowAllStartup"), std::string("0"));
    EXPECT_EQ(ItemCount(), plain);
    EXPECT_GE(ItemTitled("SP Ordinary"), 0);

    // The next visit starts from the stored choice.
    SetAdvanced(true);
    Notify(PSN_KILLACTIVE);
    Activate();
    EXPECT_TRUE(IsDlgButtonChecked(page_, IDC_STARTUP_ADVANCED));
    EXPECT_EQ(CountOfType("LOGON_SHELL"), 1);
}

TEST_F(StartupPageTest, FirstDetectedIsTodayOnceAndKeptAfterwards) {
    ScratchFolder folder("C:\\sp-page-seen");
    const std::string program = folder / "seen.exe";
    ASSERT_TRUE(ScratchFolder::Write(program, "MZ"));
    // With arguments, so that the command and its program file are different names.
    const std::string command = program + " /tray";
    AddUserRun("SP Seen", command);
    Activate();
    ASSERT_GE(ItemTitled("SP Seen"), 0);
    const std::string today(TodayText().view());
    const std::string shown = Shown(ItemTitled("SP Seen")).firstDetected;
    EXPECT_EQ(shown.substr(0, shown.find(' ')), today.substr(0, today.find(' ')));
    ASSERT_TRUE(Text(HKEY_CURRENT_USER, kFirstSeenKey, command)) << "recorded at the first visit";

    const std::string earlier = "3/4/2009 10:15 AM";
    SetText(HKEY_CURRENT_USER, kFirstSeenKey, command, earlier);
    Notify(PSN_KILLACTIVE);
    Activate();
    EXPECT_EQ(Shown(ItemTitled("SP Seen")).firstDetected, earlier);
}

TEST_F(StartupPageTest, ColumnsShowCommandCompanyAndType) {
    const std::string editor = WindowsFolderPath() + "\\regedit.exe";
    VersionInfo info;
    ReadVersionInfo(editor, info);
    ASSERT_FALSE(info.companyName.empty());
    AddUserRun("SP Editor", editor + " /s letter.reg");
    SetText(HKEY_LOCAL_MACHINE, RunKeyPath(1), "SP Applet", "rundll32.exe C:\\sp-page\\applet.dll,Start now");
    Activate();
    ASSERT_GE(ItemTitled("SP Editor"), 0);
    ASSERT_GE(ItemTitled("SP Applet"), 0);
    const ShownRow shown = Shown(ItemTitled("SP Editor"));
    EXPECT_EQ(shown.command, "regedit.exe /s letter.reg");
    EXPECT_EQ(shown.company, std::string(info.companyName.view()));
    EXPECT_EQ(shown.type, "HKCU_RUN");
    const ShownRow applet = Shown(ItemTitled("SP Applet"));
    EXPECT_EQ(applet.command, "RunDLL32.exe applet.dll,Start now");
    EXPECT_EQ(applet.company, "");
    EXPECT_EQ(applet.type, "HKLM_RUN");
}

TEST_F(StartupPageTest, DisablingSeveralEntriesStopsNoProgramOfAnEntryThatStays) {
    const std::string idle = driver::ToolPath("idle_program");
    driver::Process shell = driver::Process::Start(idle, "60");
    ASSERT_TRUE(shell.started());
    ASSERT_TRUE(driver::WaitUntil([&] { return IsProgramRunning(idle) != 0; }, 5000));
    SetText(HKEY_LOCAL_MACHINE, kWinlogonKey, "Shell", "Explorer.exe " + idle);
    AddUserRun("SP Several", "C:\\sp-page\\several.exe");
    Activate();
    SetAdvanced(true);
    Select({"Winlogon Shell", "SP Several"});
    {
        testsupport::BoxAnswerer answers(testsupport::kEveryBox, IDYES);
        Press(IDC_DISABLE);
        EXPECT_TRUE(answers.texts().empty());
    }
    EXPECT_TRUE(shell.Running()) << "the shell's program was ended although its entry cannot be disabled";
    EXPECT_FALSE(InUserRun("SP Several"));
    EXPECT_TRUE(IsRecordedDisabled("SP Several"));
    shell.Kill();
}

// A program added by hand: titled from its version resource or its name,
// quoted when its path has a blank, never over another program's value, and
// recorded as the user's own addition.
TEST_F(StartupPageTest, AddedProgramStartsFromTheUsersRunKey) {
    ScratchFolder folder("C:\\sp page add");
    const std::string copy = folder / "my editor.exe";
    ASSERT_TRUE(CopyFileA((WindowsFolderPath() + "\\regedit.exe").c_str(), copy.c_str(), FALSE));
    const std::string plain = folder / "plain.exe";
    ASSERT_TRUE(ScratchFolder::Write(plain, "MZ"));
    VersionInfo info;
    ReadVersionInfo(copy, info);
    const std::string title(!info.fileDescription.empty() ? info.fileDescription.view() : info.productName.view());
    ASSERT_FALSE(title.empty());
    AddUserRun(title, "C:\\elsewhere\\other.exe");

    ASSERT_TRUE(AddStartupProgramFile(copy));
    ASSERT_TRUE(AddStartupProgramFile(plain));
    EXPECT_EQ(Text(HKEY_CURRENT_USER, RunKeyPath(11), title), std::string("C:\\elsewhere\\other.exe"));
    EXPECT_EQ(Text(HKEY_CURRENT_USER, RunKeyPath(11), title + " (2)"), "\"" + copy + "\"");
    EXPECT_EQ(Text(HKEY_CURRENT_USER, RunKeyPath(11), "plain"), "\"" + plain + "\"");
    EXPECT_EQ(Text(HKEY_CURRENT_USER, kStartupChangeKey, "\"" + copy + "\""), std::string("1"));
    EXPECT_EQ(Text(HKEY_CURRENT_USER, kStartupChangeKey, "\"" + plain + "\""), std::string("1"));
}

TEST_F(StartupPageTest, DoubleClickLooksUpTheSelectedProgram) {
    std::vector<std::string> opened;
    LookupLaunchers launchers;
    launchers.shellOpen = [&opened](const std::string& target) -> INT_PTR {
        opened.push_back(target);
        return 33;
    };
    launchers.winExec = [](const std::string&) -> UINT { return 33; };
    SetLookupLaunchers(std::move(launchers));
    SetText(HKEY_CURRENT_USER, kOptionsPath, "PlusFormat", "0");
    AddUserRun("SP First", "C:\\sp-page\\first.exe");
    AddUserRun("SP Looked Up", "C:\\sp-page\\looked.exe -x");
    Activate();
    Select({"SP Looked Up"});
    NMITEMACTIVATE click = {};
    click.hdr = {list_, UINT_PTR(IDC_LIST), UINT(NM_DBLCLK)};
    click.iItem = ItemTitled("SP Looked Up");
    SendMessageA(page_, WM_NOTIFY, IDC_LIST, reinterpret_cast<LPARAM>(&click));
    SetLookupLaunchers({});
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], LookupAddress(11, "C:\\sp-page\\looked.exe -x", "SP Looked Up", false));
}

TEST_F(StartupPageTest, ColumnWidthsAreKeptForTheNextVisit) {
    Activate();
    ListView_SetColumnWidth(list_, 1, 123);
    Notify(PSN_KILLACTIVE);
    EXPECT_EQ(Text(HKEY_CURRENT_USER, kOptionsPath, "Column60261"), std::string("123"));
    DestroyWindow(page_);
    page_ = CreateDialogParamA(ResourceInstance(), MAKEINTRESOURCEA(IDD_PAGE_STARTUP), host_, StartupPageProc, 0);
    ASSERT_NE(page_, nullptr);
    EXPECT_EQ(ListView_GetColumnWidth(GetDlgItem(page_, IDC_LIST), 1), 123);
}

// The advanced box is no button of the shared layout: it must still sit
// between the list and the buttons whatever the sheet's size.
TEST_F(StartupPageTest, LayoutKeepsTheAdvancedBoxBetweenListAndButtons) {
    auto place = [this](int id) {
        RECT r;
        GetWindowRect(GetDlgItem(page_, id), &r);
        MapWindowPoints(nullptr, page_, reinterpret_cast<POINT*>(&r), 2);
        return r;
    };
    for (SIZE size : {SIZE{760, 560}, SIZE{1100, 820}}) {
        SetWindowPos(host_, nullptr, 0, 0, size.cx, size.cy, SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
        SetWindowPos(page_, nullptr, 0, 0, size.cx - 28, size.cy - 102, SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
        SendMessageA(page_, kMessageLayout, 0, 0);
        const RECT list = place(IDC_LIST), box = place(IDC_STARTUP_ADVANCED), info = place(IDC_INFO);
        EXPECT_GE(box.top, list.bottom) << size.cx;
        EXPECT_LE(box.bottom, info.top) << size.cx;
        EXPECT_EQ(box.left, list.left) << size.cx;
    }
}

TEST_F(StartupPageTest, DeleteOnRebootAsksAndSchedulesTheProgramFile) {
    testsupport::RegistryGuard pending(HKEY_LOCAL_MACHINE, kSessionManager, "PendingFileRenameOperations");
    ScratchFolder folder("C:\\sp-page-doom");
    const std::string program = folder / "doomed.exe";
    ASSERT_TRUE(ScratchFolder::Write(program, "MZ"));
    AddUserRun("SP Doomed", program + " /background");
    Activate();
    const auto before = PendingRenames();
    for (int answer : {IDNO, IDYES}) {
        Select({"SP Doomed"});
        testsupport::BoxAnswerer answers(testsupport::kEveryBox, answer);
        Press(kCommandDeleteOnReboot);
        auto texts = answers.texts();
        ASSERT_EQ(texts.size(), 1u);
        // The question names the file it is about.
        EXPECT_EQ(texts[0], Pattern(IDS_CONFIRM_DELETE_ON_REBOOT) + program);
    }
    const auto after = PendingRenames();
    ASSERT_EQ(after.size(), before.size() + 2) << "one deletion, after Yes only";
    EXPECT_TRUE(scantest::SamePath(after[after.size() - 2], "\\??\\" + program)) << after[after.size() - 2];
    EXPECT_EQ(after.back(), "");
}

}  // namespace
