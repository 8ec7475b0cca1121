// Moving startup entries into the delayed-start store and back, on the real
// registry, win.ini and Startup folder of the test prefix.
#include <gtest/gtest.h>
#include <windows.h>
#include <objbase.h>

#include <string>
#include <vector>

#include "res/resource_ids.h"
#include "shell/app_state.h"
#include "shell/list_store.h"
#include "shell/list_test_support.h"
#include "shell/load_text.h"
#include "startup/delayed/delay_values.h"
#include "startup/delayed/delayed_programs.h"
#include "startup/startup_page_commands.h"
#include "base/shortcuts.h"
#include "startup/locations/startup_scanner.h"
#include "startup/delayed_test_support.h"
#include "support/box_answerer.h"
#include "startup/startup_change_fixture.h"
#include "support/test_files.h"

using namespace changetest;
using testsupport::BoxAnswerer;

namespace {

const std::string kDelay = kDelayKey;
const std::string kTime = kDelay + "\\Time";
const std::string kTitle = kDelay + "\\Title";
const std::string kParameters = kDelay + "\\Parameters";
const std::string kShortcuts = kDelay + "\\Shortcuts";
const std::string kApplet = kDelay + "\\Applet";

// The row the Run-table scan gives for a title.
ListRow ScannedRunEntry(const std::string& title) {
    ListStoreClear();
    ScanRunTable();
    for (int row = 0; row < ListStoreCount(); ++row)
        if (ListStoreRow(row)->title.view() == title) return *ListStoreRow(row);
    ADD_FAILURE() << "no scanned entry " << title;
    return ListRow();
}

// The loaded delayed-start row of a program path (upper case compared).
const ListRow* DelayedRow(const std::string& path) {
    LoadDelayedList();
    for (int row = 0; row < ListStoreCount(); ++row)
        if (Upper(std::string(ListStoreRow(row)->path.view())) == Upper(path)) return ListStoreRow(row);
    return nullptr;
}

std::vector<std::string> DelayValueNames(HKEY hive) {
    std::vector<std::string> all;
    for (const std::string& key : {kDelay, kTime, kTitle, kParameters, kShortcuts, kApplet})
        for (const std::string& name : ValueNames(hive, key)) all.push_back(key + "\\" + name);
    return all;
}

ListRow Row(const char* title, const std::string& path, int type, const std::string& detail = {}) {
    ListRow row;
    row.title = title;
    row.path = path;
    row.detail = detail;
    row.typeCode = type;
    return row;
}

using DelayMoveTest = StartupChangeTest;

TEST_F(DelayMoveTest, UserRunEntryWithQuotedPathGoesAndComesBackWellFormed) {
    SetText(HKEY_CURRENT_USER, RunKeyPath(11), "DS Delay", "\"C:\\Ds Delay\\prog.exe\" /min /tray");
    ListRow entry = ScannedRunEntry("DS Delay");
    ASSERT_EQ(MoveEntryToDelayedStart(entry), DelayMove::Moved);

    const std::string program = "C:\\DS DELAY\\PROG.EXE";
    EXPECT_FALSE(Value(HKEY_CURRENT_USER, RunKeyPath(11), "DS Delay"));
    EXPECT_EQ(Text(HKEY_CURRENT_USER, kDelay, program), std::string("11"));
    EXPECT_EQ(Text(HKEY_CURRENT_USER, kTitle, program), std::string("DS Delay"));
    EXPECT_EQ(Text(HKEY_CURRENT_USER, kTime, program), std::string("30"));
    EXPECT_EQ(Text(HKEY_CURRENT_USER, kParameters, program), std::string("/min /tray")) << "no closing quote";
    EXPECT_FALSE(Value(HKEY_CURRENT_USER, kApplet, program));
    EXPECT_FALSE(Value(HKEY_CURRENT_USER, kShortcuts, program)) << "a Run entry has no shortcut";
    EXPECT_TRUE(DelayValueNames(HKEY_LOCAL_MACHINE).empty());
    EXPECT_EQ(Text(HKEY_CURRENT_USER, kStartupChangeKey, std::string(entry.path.view())), std::string("1103"));
    auto lines = History();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].event, "*START_Remove");

    const ListRow* delayed = DelayedRow(program);
    ASSERT_NE(delayed, nullptr);
    EXPECT_EQ(delayed->typeCode, 11);
    EXPECT_EQ(delayed->flag, kDelayHiveUser);
    ASSERT_TRUE(RestoreDelayed(*delayed));
    EXPECT_EQ(Text(HKEY_CURRENT_USER, RunKeyPath(11), "DS Delay"), "\"" + program + "\" /min /tray");
    EXPECT_TRUE(DelayValueNames(HKEY_CURRENT_USER).empty());
}

TEST_F(DelayMoveTest, AnInstalledProgramComesBackWithTheCommandItHad) {
    ScratchFolder folder("C:\\sx-h-delay-exact");
    const std::string program = folder / "Exact Tool.exe";
    ASSERT_TRUE(ScratchFolder::Write(program, "MZ"));
    const std::string command = "\"" + program + "\" 120";
    SetText(HKEY_CURRENT_USER, RunKeyPath(11), "DS Exact", command);
    ASSERT_EQ(MoveEntryToDelayedStart(ScannedRunEntry("DS Exact")), DelayMove::Moved);
    const ListRow* delayed = DelayedRow(program);
    ASSERT_NE(delayed, nullptr);
    ASSERT_TRUE(RestoreDelayed(*delayed));
    EXPECT_EQ(Text(HKEY_CURRENT_USER, RunKeyPath(11), "DS Exact"), command);
}

TEST_F(DelayMoveTest, MachineRunEntryAsksFirstAndCancelLeavesIt) {
    const std::string command = "C:\\ds-delay\\machine.exe -q";
    SetText(HKEY_LOCAL_MACHINE, RunKeyPath(1), "DS Machine", command);
    ListRow entry = ScannedRunEntry("DS Machine");
    {
        BoxAnswerer answers({IDCANCEL});
        EXPECT_EQ(MoveEntryToDelayedStart(entry), DelayMove::Skipped);
        answers.Stop();
        ASSERT_EQ(answers.texts().size(), 1u);
        EXPECT_EQ(answers.texts()[0], LoadTextString(IDS_DELAY_ALL_USERS_WARNING));
    }
    EXPECT_EQ(Text(HKEY_LOCAL_MACHINE, RunKeyPath(1), "DS Machine"), command);
    EXPECT_TRUE(DelayValueNames(HKEY_LOCAL_MACHINE).empty());
    EXPECT_TRUE(DelayValueNames(HKEY_CURRENT_USER).empty());
    EXPECT_TRUE(History().empty());

    {
        BoxAnswerer answers({IDOK});
        EXPECT_EQ(MoveEntryToDelayedStart(entry), DelayMove::Moved);
    }
    EXPECT_FALSE(Value(HKEY_LOCAL_MACHINE, RunKeyPath(1), "DS Machine"));
    EXPECT_EQ(Text(HKEY_LOCAL_MACHINE, kDelay, "C:\\DS-DELAY\\MACHINE.EXE"), std::string("1"));
    EXPECT_EQ(Text(HKEY_LOCAL_MACHINE, kParameters, "C:\\DS-DELAY\\MACHINE.EXE"), std::string("-q"));
    EXPECT_TRUE(DelayValueNames(HKEY_CURRENT_USER).empty());

    const ListRow* delayed = DelayedRow("C:\\DS-DELAY\\MACHINE.EXE");
    ASSERT_NE(delayed, nullptr);
    EXPECT_EQ(delayed->flag, kDelayHiveMachine);
    ASSERT_TRUE(RestoreDelayed(*delayed));
    EXPECT_EQ(Text(HKEY_LOCAL_MACHINE, RunKeyPath(1), "DS Machine"), std::string("\"C:\\DS-DELAY\\MACHINE.EXE\" -q"));
    EXPECT_TRUE(DelayValueNames(HKEY_LOCAL_MACHINE).empty());
}

TEST_F(DelayMoveTest, Rundll32EntryIsStoredAsItsDllAndComesBackThroughTheApplet) {
    SetText(HKEY_CURRENT_USER, RunKeyPath(11), "DS Applet", "rundll32.exe C:\\ds-delay\\applet.dll,Start now");
    ListRow entry = ScannedRunEntry("DS Applet");
    EXPECT_EQ(entry.flag, 1) << "the scan marks it as a RUNDLL32 entry";
    ASSERT_EQ(MoveEntryToDelayedStart(entry), DelayMove::Moved);

    const std::string dll = "C:\\DS-DELAY\\APPLET.DLL";
    EXPECT_EQ(Text(HKEY_CURRENT_USER, kApplet, dll), std::string("RunDLL32.exe"));
    EXPECT_EQ(Text(HKEY_CURRENT_USER, kParameters, dll), std::string(",Start now"));
    const ListRow* delayed = DelayedRow(dll);
    ASSERT_NE(delayed, nullptr);
    ASSERT_TRUE(RestoreDelayed(*delayed));
    EXPECT_EQ(Text(HKEY_CURRENT_USER, RunKeyPath(11), "DS Applet"),
              std::string("RunDLL32.exe C:\\DS-DELAY\\APPLET.DLL,Start now"));
    EXPECT_TRUE(DelayValueNames(HKEY_CURRENT_USER).empty());
}

TEST_F(DelayMoveTest, StartupFolderShortcutIsMadeAgainWhereItWas) {
    ScratchFolder folder("C:\\sx-h-delay-shortcut");
    const std::string target = folder / "prog.exe";
    ASSERT_TRUE(ScratchFolder::Write(target, "MZ"));
    const std::string shortcut = userStartup_ + "\\DS Shortcut.lnk";
    HRESULT com = CoInitialize(nullptr);
    HRESULT made = CreateShortcut(shortcut, folder.path(), "DS Shortcut", target, target);
    if (SUCCEEDED(com)) CoUninitialize();
    ASSERT_TRUE(SUCCEEDED(made));

    ListStoreClear();
    ScanStartupFolders();
    ListRow entry;
    for (int row = 0; row < ListStoreCount(); ++row)
        if (ListStoreRow(row)->title.view() == "DS Shortcut") entry = *ListStoreRow(row);
    ASSERT_EQ(entry.typeCode, 200);
    ASSERT_EQ(MoveEntryToDelayedStart(entry), DelayMove::Moved);
    EXPECT_FALSE(IsFile(shortcut));

    const ListRow* delayed = DelayedRow(target);
    ASSERT_NE(delayed, nullptr);
    EXPECT_EQ(delayed->typeCode, 200);
    EXPECT_EQ(delayed->flag, kDelayHiveUser);
    EXPECT_EQ(Upper(std::string(delayed->detail.view())), Upper(shortcut));
    ASSERT_TRUE(RestoreDelayed(*delayed));
    ASSERT_TRUE(IsFile(shortcut));
    FixedText<MAX_PATH> restoredTarget;
    FixedText<1024> description;
    CoInitialize(nullptr);
    ReadShortcut(shortcut, restoredTarget, description);
    CoUninitialize();
    char longTarget[MAX_PATH] = {};
    GetLongPathNameA(restoredTarget.c_str(), longTarget, MAX_PATH);
    EXPECT_EQ(Upper(longTarget), Upper(target));
    EXPECT_TRUE(DelayValueNames(HKEY_CURRENT_USER).empty());
}

TEST_F(DelayMoveTest, WinIniEntryGoesBackIntoItsKey) {
    ASSERT_TRUE(WriteProfileStringA("windows", "run", "C:\\ds-other\\keep.exe;C:\\ds-delay\\ini.exe"));
    ASSERT_EQ(MoveEntryToDelayedStart(Row("DS Ini", "C:\\ds-delay\\ini.exe", 101)), DelayMove::Moved);
    char run[512] = {};
    GetProfileStringA("windows", "run", "", run, sizeof(run));
    EXPECT_STREQ(run, "C:\\ds-other\\keep.exe");
    const ListRow* delayed = DelayedRow("C:\\DS-DELAY\\INI.EXE");
    ASSERT_NE(delayed, nullptr);
    ASSERT_TRUE(RestoreDelayed(*delayed));
    GetProfileStringA("windows", "run", "", run, sizeof(run));
    EXPECT_NE(std::string(run).find("C:\\DS-DELAY\\INI.EXE"), std::string::npos) << run;
}

TEST_F(DelayMoveTest, AdvancedLocationsAndTheMonitorAreRefused) {
    SetText(HKEY_CURRENT_USER, RunKeyPath(11), "Sentrivox", "C:\\Program Files\\Sentrivox\\Sentrivox.exe -expressboot");
    SetText(HKEY_LOCAL_MACHINE, kDelayLoadKey, "DS Object", "{0D5E5A11-DEAD-4BEE-8A11-5E1F0D5E5A11}");
    const struct {
        ListRow row;
        DelayMove outcome;
    } cases[] = {
        {Row("DS Object", "C:\\ds-delay\\object.dll", 252), DelayMove::Refused},
        {Row("Winlogon Shell", "C:\\ds-delay\\shell.exe", 251), DelayMove::Refused},
        {Row("Sentrivox", "C:\\Program Files\\Sentrivox\\Sentrivox.exe -expressboot", 11), DelayMove::OwnEntry},
    };
    for (const auto& c : cases) {
        BoxAnswerer answers({IDOK});
        EXPECT_EQ(MoveEntryToDelayedStart(c.row), c.outcome) << c.row.title.view();
        answers.Stop();
        ASSERT_EQ(answers.texts().size(), 1u);
        EXPECT_EQ(answers.texts()[0], LoadTextString(IDS_CANNOT_DELAY));
    }
    EXPECT_TRUE(Value(HKEY_CURRENT_USER, RunKeyPath(11), "Sentrivox"));
    EXPECT_TRUE(Value(HKEY_LOCAL_MACHINE, kDelayLoadKey, "DS Object"));
    EXPECT_TRUE(DelayValueNames(HKEY_CURRENT_USER).empty());
    EXPECT_TRUE(DelayValueNames(HKEY_LOCAL_MACHINE).empty());
}

TEST_F(DelayMoveTest, TheMonitorsEntryEndsTheCommandForTheRowsAfterIt) {
    // Listing the monitor's entry renames the program's caption; it is put back.
    const FixedText<64> caption = g_app.caption;
    SetText(HKEY_CURRENT_USER, RunKeyPath(11), "Sentrivox", "C:\\ds-delay\\Sentrivox.exe -expressboot");
    SetText(HKEY_CURRENT_USER, RunKeyPath(11), "DS After", "C:\\ds-delay\\after.exe");
    SetText(HKEY_CURRENT_USER, RunKeyPath(11), "DS Before", "C:\\ds-delay\\before.exe");
    ListStoreClear();
    ScanRunTable();
    listtest::TestDialog page(400, 250, listtest::ListOnly());
    HWND list = page.list();
    // Items in this order, each carrying its row; all of them selected.
    int items = 0;
    for (const char* title : {"DS Before", "Sentrivox", "DS After"}) {
        for (int row = 0; row < ListStoreCount(); ++row)
            if (ListStoreRow(row)->title.view() == std::string_view(title))
                InsertRow(items++, ListStoreRow(row)->title.view(), list, 0);
    }
    ASSERT_EQ(items, 3);
    delaytest::SelectItems(list, {0, 1, 2});
    {
        BoxAnswerer answers({IDOK});
        MoveToDelayedStart(page.window());
        answers.Stop();
        EXPECT_EQ(answers.texts().size(), 1u);
    }
    EXPECT_FALSE(Value(HKEY_CURRENT_USER, RunKeyPath(11), "DS Before"));
    EXPECT_TRUE(Value(HKEY_CURRENT_USER, RunKeyPath(11), "Sentrivox"));
    EXPECT_TRUE(Value(HKEY_CURRENT_USER, RunKeyPath(11), "DS After")) << "not reached";
    EXPECT_EQ(Text(HKEY_CURRENT_USER, kDelay, "C:\\DS-DELAY\\BEFORE.EXE"), std::string("11"));

    delaytest::SelectItems(list, {});
    BoxAnswerer none({IDOK});
    MoveToDelayedStart(page.window());
    none.Stop();
    ASSERT_EQ(none.texts().size(), 1u);
    EXPECT_EQ(none.texts()[0], LoadTextString(IDS_NO_SELECTION));
    g_app.caption = caption;
}

WriteFault FailDelayWrites(HKEY, std::string_view subkey, std::string_view) {
    return subkey.find("\\Delay\\Parameters") != std::string_view::npos ? WriteFault::Drop : WriteFault::None;
}

WriteFault FailRunWrites(HKEY, std::string_view subkey, std::string_view) {
    return subkey.find("CurrentVersion\\Run") != std::string_view::npos ? WriteFault::Fail : WriteFault::None;
}

TEST_F(DelayMoveTest, AProgramIsNeverInNeitherPlace) {
    const std::string command = "C:\\ds-delay\\stays.exe /p";
    SetText(HKEY_CURRENT_USER, RunKeyPath(11), "DS Stays", command);
    ListRow entry = ScannedRunEntry("DS Stays");

    // The store cannot take it: it stays in its Run key and the store keeps nothing.
    SetWriteFaultHook(FailDelayWrites);
    EXPECT_EQ(MoveEntryToDelayedStart(entry), DelayMove::Skipped);
    SetWriteFaultHook(nullptr);
    EXPECT_EQ(Text(HKEY_CURRENT_USER, RunKeyPath(11), "DS Stays"), command);
    EXPECT_TRUE(DelayValueNames(HKEY_CURRENT_USER).empty());

    // The entry cannot leave its location (it is gone meanwhile): the store forgets it again.
    ListRow vanished = Row("DS Vanished", "C:\\ds-delay\\vanished.exe", 11);
    EXPECT_EQ(MoveEntryToDelayedStart(vanished), DelayMove::Skipped);
    EXPECT_TRUE(DelayValueNames(HKEY_CURRENT_USER).empty());

    // Moved; then the Run key cannot be written: it stays delayed.
    ASSERT_EQ(MoveEntryToDelayedStart(entry), DelayMove::Moved);
    const ListRow* delayed = DelayedRow("C:\\DS-DELAY\\STAYS.EXE");
    ASSERT_NE(delayed, nullptr);
    ListRow item = *delayed;
    SetWriteFaultHook(FailRunWrites);
    EXPECT_FALSE(RestoreDelayed(item));
    SetWriteFaultHook(nullptr);
    EXPECT_FALSE(Value(HKEY_CURRENT_USER, RunKeyPath(11), "DS Stays"));
    EXPECT_EQ(Text(HKEY_CURRENT_USER, kParameters, "C:\\DS-DELAY\\STAYS.EXE"), std::string("/p"));
    ASSERT_TRUE(RestoreDelayed(item));
    EXPECT_EQ(Text(HKEY_CURRENT_USER, RunKeyPath(11), "DS Stays"), std::string("\"C:\\DS-DELAY\\STAYS.EXE\" /p"));
}

TEST_F(DelayMoveTest, ASecondEntryOfADelayedProgramStaysInItsLocation) {
    SetText(HKEY_CURRENT_USER, RunKeyPath(11), "DS First", "C:\\ds-delay\\twice.exe /first");
    SetText(HKEY_CURRENT_USER, RunKeyPath(11), "DS Second", "C:\\ds-delay\\twice.exe /second");
    ASSERT_EQ(MoveEntryToDelayedStart(ScannedRunEntry("DS First")), DelayMove::Moved);
    EXPECT_EQ(MoveEntryToDelayedStart(ScannedRunEntry("DS Second")), DelayMove::Skipped);
    EXPECT_EQ(Text(HKEY_CURRENT_USER, RunKeyPath(11), "DS Second"), std::string("C:\\ds-delay\\twice.exe /second"));
    EXPECT_EQ(Text(HKEY_CURRENT_USER, kParameters, "C:\\DS-DELAY\\TWICE.EXE"), std::string("/first"));
    EXPECT_EQ(Text(HKEY_CURRENT_USER, kTitle, "C:\\DS-DELAY\\TWICE.EXE"), std::string("DS First"));
}

TEST_F(DelayMoveTest, RestoreAllPutsBackBothHivesWithWellFormedCommands) {
    SetText(HKEY_LOCAL_MACHINE, kDelay, "C:\\ds-delay\\all.exe", "1");
    SetText(HKEY_LOCAL_MACHINE, kTitle, "C:\\ds-delay\\all.exe", "DS All");
    SetText(HKEY_LOCAL_MACHINE, kParameters, "C:\\ds-delay\\all.exe", "-x");
    SetText(HKEY_CURRENT_USER, kDelay, "C:\\ds-delay\\cpl.dll", "11");
    SetText(HKEY_CURRENT_USER, kTitle, "C:\\ds-delay\\cpl.dll", "DS Cpl");
    SetText(HKEY_CURRENT_USER, kParameters, "C:\\ds-delay\\cpl.dll", ",Entry");
    SetText(HKEY_CURRENT_USER, kApplet, "C:\\ds-delay\\cpl.dll", "RunDLL32.exe");
    SetText(HKEY_CURRENT_USER, kDelay, "C:\\ds-delay\\added.exe", "11");

    RestoreAllDelayed();
    EXPECT_EQ(Text(HKEY_LOCAL_MACHINE, RunKeyPath(1), "DS All"), std::string("\"C:\\ds-delay\\all.exe\" -x"));
    EXPECT_EQ(Text(HKEY_CURRENT_USER, RunKeyPath(11), "DS Cpl"), std::string("RunDLL32.exe C:\\ds-delay\\cpl.dll,Entry"));
    EXPECT_EQ(Text(HKEY_CURRENT_USER, RunKeyPath(11), "added.exe"), std::string("\"C:\\ds-delay\\added.exe\""))
        << "a program added by hand goes back under its file name";
    EXPECT_TRUE(DelayValueNames(HKEY_LOCAL_MACHINE).empty());
    EXPECT_TRUE(DelayValueNames(HKEY_CURRENT_USER).empty());
    EXPECT_EQ(ListStoreCount(), 0);
}

}  // namespace
