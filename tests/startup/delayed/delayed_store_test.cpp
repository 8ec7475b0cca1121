// The delayed-start store: its values in both hives, the list it loads, the
// texts of its delays, and the commands taken apart and put together again.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "shell/app_state.h"
#include "shell/list_store.h"
#include "startup/delayed/delay_dialogs.h"
#include "startup/delayed/delay_values.h"
#include "base/file_search.h"
#include "startup/delayed/delayed_command.h"
#include "startup/delayed/delayed_programs.h"
#include "startup/startup_change_fixture.h"
#include "support/test_files.h"
#include "base/windows_version.h"

using namespace changetest;

namespace {

const std::string kDelay = kDelayKey;
const std::string kTime = kDelay + "\\Time";
const std::string kTitle = kDelay + "\\Title";
const std::string kParameters = kDelay + "\\Parameters";
const std::string kShortcuts = kDelay + "\\Shortcuts";
const std::string kApplet = kDelay + "\\Applet";
const std::string kOpenAs = kDelay + "\\OpenAs";

class DelayStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        saved64_ = IsWindows64();
        SetWindows64(true);
        for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER})
            guards_.push_back(std::make_unique<testsupport::RegistryGuard>(root, "Software\\Orvik Studios"));
        ListStoreClear();
    }
    void TearDown() override {
        ListStoreClear();
        guards_.clear();
        SetWindows64(saved64_);
    }

private:
    bool saved64_ = false;
    std::vector<std::unique_ptr<testsupport::RegistryGuard>> guards_;
};

TEST(DelayTimeText, ShowsSecondsAloneBelowAMinute) {
    const struct {
        int seconds;
        const char* text;
    } cases[] = {
        {0, "0 Sec."},   {45, "45 Sec."}, {59, "59 Sec."}, {60, "1 Min. : 0 Sec."}, {90, "1 Min. : 30 Sec."},
        {3725, "62 Min. : 5 Sec."}, {-5, "0 Sec."},
    };
    for (const auto& c : cases) EXPECT_EQ(std::string(DelayTimeText(c.seconds).view()), c.text) << c.seconds;
}

TEST(DelayFromBoxes, AddsMinutesAndSeconds) {
    EXPECT_EQ(DelayFromBoxes("2", "40"), 160);
    EXPECT_EQ(DelayFromBoxes("60", "50"), 3650);
    EXPECT_EQ(DelayFromBoxes("0", "0"), 0);
    EXPECT_EQ(DelayFromBoxes("", "x"), 0) << "text that is no number counts as 0";
    EXPECT_EQ(DelayFromBoxes("1", "45"), 105) << "a typed number of seconds is kept";
    EXPECT_EQ(DelayFromBoxes("99999999999", "0"), 999999 * 60) << "a long text cannot overflow";
}

TEST(StartupCommand, SplitsIntoFileParametersAndApplet) {
    const std::string system = Upper(SystemFolderPath());
    const struct {
        const char* name;
        std::string command, path, parameters;
        bool applet;
    } cases[] = {
        {"quoted path with switch", "\"C:\\Ds Delay\\prog.exe\" /min", "C:\\DS DELAY\\PROG.EXE", "/min", false},
        {"unquoted path with blanks", "C:\\Ds Delay\\prog.exe -a -b", "C:\\DS DELAY\\PROG.EXE", "-a -b", false},
        {"bare program", "C:\\ds-delay\\tool.exe", "C:\\DS-DELAY\\TOOL.EXE", "", false},
        {"rundll32 with bare DLL", "rundll32.exe shell32.dll,Control_RunDLL", "SHELL32.DLL", ",Control_RunDLL", true},
        {"rundll32 with full paths", "C:\\WINDOWS\\system32\\RUNDLL32.EXE C:\\ds-delay\\x.dll,Entry arg",
         "C:\\DS-DELAY\\X.DLL", ",Entry arg", true},
        {"rundll32 with a blank in the DLL", "RunDll32.exe C:\\Ds Delay\\y.dll,Go", "C:\\DS DELAY\\Y.DLL", ",Go", true},
        {"rundll32 by itself", system + "\\rundll32.exe", system + "\\RUNDLL32.EXE", "", false},
    };
    for (const auto& c : cases) {
        DelayedCommand split = SplitStartupCommand(c.command);
        EXPECT_EQ(Upper(std::string(split.path.view())), c.path) << c.name;
        EXPECT_EQ(std::string(split.parameters.view()), c.parameters) << c.name;
        EXPECT_EQ(split.applet, c.applet) << c.name;
    }
}

TEST(StartupCommand, JoinsWellFormedCommands) {
    const struct {
        const char *path, *parameters, *applet;
        bool quote;
        const char* command;
    } cases[] = {
        {"C:\\DS DELAY\\PROG.EXE", "/min", "", true, "\"C:\\DS DELAY\\PROG.EXE\" /min"},
        {"C:\\DS DELAY\\PROG.EXE", "/min", "", false, "C:\\DS DELAY\\PROG.EXE /min"},
        {"C:\\DS-DELAY\\TOOL.EXE", "", "", true, "\"C:\\DS-DELAY\\TOOL.EXE\""},
        {"C:\\DS-DELAY\\TOOL.EXE", "-t", "", false, "C:\\DS-DELAY\\TOOL.EXE -t"},
        {"C:\\DS-DELAY\\X.DLL", ",Entry", "RunDLL32.exe", true, "RunDLL32.exe C:\\DS-DELAY\\X.DLL,Entry"},
        {"SHELL32.DLL", ",Control_RunDLL", "RunDLL32.exe", true, "RunDLL32.exe SHELL32.DLL,Control_RunDLL"},
        {"C:\\DS DELAY\\Y.DLL", ",Go", "RunDLL32.exe", true, "RunDLL32.exe \"C:\\DS DELAY\\Y.DLL\",Go"},
        {"C:\\APPS\\APPLET.CPL", ",@0", "", true, "C:\\APPS\\APPLET.CPL,@0"},
        {"C:\\APPS\\MY APPLET.CPL", ",@0", "", true, "\"C:\\APPS\\MY APPLET.CPL\",@0"},
        {"RUNDLL32 SHELL32.DLL", ",X", "", true, "RUNDLL32 SHELL32.DLL,X"},  // no full path: left as it is
    };
    for (const auto& c : cases)
        EXPECT_EQ(JoinStartupCommand(c.path, c.parameters, c.applet, c.quote), c.command) << c.command;
}

TEST(StartupCommand, PathGetsTheSpellingOfTheFileOnDisk) {
    ScratchFolder folder("C:\\sx-h-delay-case");
    CreateDirectoryA((folder / "Mixed Case").c_str(), nullptr);
    const std::string program = folder / "Mixed Case\\Prog.exe";
    ASSERT_TRUE(ScratchFolder::Write(program, "MZ"));
    EXPECT_EQ(std::string(PathAsOnDisk(Upper(program)).view()), program);
    EXPECT_EQ(std::string(PathAsOnDisk("C:\\SX-H-DELAY-CASE\\NO SUCH.EXE").view()), "C:\\SX-H-DELAY-CASE\\NO SUCH.EXE");
    EXPECT_EQ(std::string(PathAsOnDisk("SHELL32.DLL").view()), "SHELL32.DLL");
    EXPECT_EQ(std::string(PathAsOnDisk("C:\\SX-H-DELAY-CASE\\").view()), "C:\\SX-H-DELAY-CASE\\");
    char shortPath[MAX_PATH] = {};
    ASSERT_GT(GetShortPathNameA(program.c_str(), shortPath, MAX_PATH), 0u);
    EXPECT_EQ(Upper(std::string(PathAsOnDisk(Upper(shortPath)).view())), Upper(shortPath)) << "short names stay short";
}

// A program with a version resource, built beside the tests.
std::string IdleProgram() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    return folder.substr(0, folder.rfind('\\')) + "\\idle_program.exe";
}

TEST_F(DelayStoreTest, LoadsBothHivesMachineFirst) {
    const std::string idle = IdleProgram();
    ASSERT_TRUE(IsFile(idle));
    SetText(HKEY_CURRENT_USER, kDelay, "C:\\ds-delay\\user.exe", "200");
    SetText(HKEY_CURRENT_USER, kShortcuts, "C:\\ds-delay\\user.exe", "C:\\ds-delay\\Startup\\User.lnk");
    SetText(HKEY_CURRENT_USER, kDelay, idle, "11");
    SetText(HKEY_CURRENT_USER, kTitle, idle, "Microsoft\xAE Windows\xAE Idle");
    SetText(HKEY_LOCAL_MACHINE, kDelay, "C:\\ds-delay\\machine.exe", "1");
    SetText(HKEY_LOCAL_MACHINE, kTitle, "C:\\ds-delay\\machine.exe", "DS Machine");
    SetText(HKEY_LOCAL_MACHINE, kTime, "C:\\ds-delay\\machine.exe", "90");

    LoadDelayedList();
    ASSERT_EQ(ListStoreCount(), 3);
    const ListRow& machine = *ListStoreRow(0);
    EXPECT_EQ(machine.title.view(), "DS Machine");
    EXPECT_EQ(machine.path.view(), "C:\\ds-delay\\machine.exe");
    EXPECT_EQ(machine.detail.view(), "DS Machine") << "the title stands in the detail";
    EXPECT_EQ(machine.typeCode, 1);
    EXPECT_EQ(machine.flag, kDelayHiveMachine);
    EXPECT_EQ(StartupHive(machine), HKEY_LOCAL_MACHINE);

    std::vector<const ListRow*> user = {ListStoreRow(1), ListStoreRow(2)};
    if (user[0]->typeCode != 200) std::swap(user[0], user[1]);
    EXPECT_EQ(user[0]->title.view(), "user.exe") << "no title, no version: the file name";
    EXPECT_EQ(user[0]->detail.view(), "C:\\ds-delay\\Startup\\User.lnk") << "a shortcut's entry keeps its shortcut";
    EXPECT_EQ(user[0]->flag, kDelayHiveUser);
    EXPECT_EQ(StartupHive(*user[0]), HKEY_CURRENT_USER);
    EXPECT_EQ(Upper(std::string(user[1]->path.view())), Upper(idle));
    EXPECT_EQ(user[1]->typeCode, 11);
    EXPECT_EQ(user[1]->description.view(), "Quietfield Tools");
    EXPECT_EQ(user[1]->title.view(), "Idle Program") << "a Windows component is named by its description";

    SetText(HKEY_CURRENT_USER, kTitle, idle, "");
    LoadDelayedList();
    ASSERT_EQ(ListStoreCount(), 3) << "a fresh load, not an append";
    for (int row = 0; row < ListStoreCount(); ++row) {
        if (ListStoreRow(row)->typeCode == 11) {
            EXPECT_EQ(ListStoreRow(row)->title.view(), "Quietfield Idle") << "no title: the product name";
        }
    }
}

TEST_F(DelayStoreTest, DeletingValuesKeepsTheWindowState) {
    const std::string program = "C:\\ds-delay\\prog.exe";
    for (HKEY hive : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) {
        for (const std::string& key : {kDelay, kTime, kTitle, kParameters, kShortcuts, kApplet, kOpenAs})
            SetText(hive, key, program, "x");
        SetText(hive, kDelay, "C:\\ds-delay\\other.exe", "11");
    }
    ASSERT_TRUE(DeleteDelayValues(program, HKEY_CURRENT_USER));
    for (const std::string& key : {kDelay, kTime, kTitle, kParameters, kShortcuts, kApplet})
        EXPECT_FALSE(Value(HKEY_CURRENT_USER, key, program)) << key;
    EXPECT_TRUE(Value(HKEY_CURRENT_USER, kOpenAs, program));
    EXPECT_TRUE(Value(HKEY_CURRENT_USER, kDelay, "C:\\ds-delay\\other.exe"));
    EXPECT_EQ(ValueNames(HKEY_LOCAL_MACHINE, kDelay).size(), 2u) << "the other hive is not touched";
    EXPECT_TRUE(DeleteDelayValues(program, HKEY_CURRENT_USER)) << "nothing left counts as deleted";
}

TEST_F(DelayStoreTest, AddingByHandWritesTypeAndTimeInTheChosenHive) {
    const std::string program = "C:\\ds-delay\\added.exe";
    ASSERT_TRUE(AddDelayedProgram(program, kDelayForAllUsers));
    EXPECT_EQ(Text(HKEY_LOCAL_MACHINE, kDelay, program), std::string("1"));
    EXPECT_EQ(Text(HKEY_LOCAL_MACHINE, kTime, program), std::string("30"));
    ASSERT_TRUE(AddDelayedProgram(program, kDelayForCurrentUser));
    EXPECT_EQ(Text(HKEY_CURRENT_USER, kDelay, program), std::string("11"));
    EXPECT_EQ(Text(HKEY_CURRENT_USER, kTime, program), std::string("30"));

    // Already listed: its own values stay.
    SetText(HKEY_CURRENT_USER, kTime, program, "600");
    EXPECT_FALSE(AddDelayedProgram(program, kDelayForCurrentUser));
    EXPECT_EQ(Text(HKEY_CURRENT_USER, kTime, program), std::string("600"));
    EXPECT_FALSE(AddDelayedProgram("C:\\ds-delay\\none.exe", kDelayForNobody));
    EXPECT_FALSE(Value(HKEY_CURRENT_USER, kDelay, "C:\\ds-delay\\none.exe"));

    // Values left behind by an earlier entry of the name are not inherited.
    SetText(HKEY_LOCAL_MACHINE, kApplet, "C:\\ds-delay\\late.exe", "RunDLL32.exe");
    ASSERT_TRUE(AddDelayedProgram("C:\\ds-delay\\late.exe", kDelayForAllUsers));
    EXPECT_FALSE(Value(HKEY_LOCAL_MACHINE, kApplet, "C:\\ds-delay\\late.exe"));
}

TEST_F(DelayStoreTest, EntryIsFoundUnderTheShortNameItWasStoredBy) {
    ScratchFolder folder("C:\\sx-h-delay-names");
    const std::string longPath = folder / "Long Folder Name\\Delayed Program.exe";
    CreateDirectoryA((folder / "Long Folder Name").c_str(), nullptr);
    ASSERT_TRUE(ScratchFolder::Write(longPath, "MZ"));
    char shortPath[MAX_PATH] = {};
    ASSERT_GT(GetShortPathNameA(longPath.c_str(), shortPath, MAX_PATH), 0u);
    SetText(HKEY_CURRENT_USER, kDelay, shortPath, "11");
    SetText(HKEY_CURRENT_USER, kTime, shortPath, "45");

    LoadDelayedList();
    ASSERT_EQ(ListStoreCount(), 1);
    const ListRow& row = *ListStoreRow(0);
    EXPECT_EQ(Upper(std::string(row.path.view())), Upper(longPath)) << "the list shows the long form";
    FixedText<MAX_PATH> name;
    ASSERT_TRUE(FindDelayEntryName(HKEY_CURRENT_USER, row.path.view(), name));
    EXPECT_EQ(std::string(name.view()), shortPath);
    EXPECT_EQ(ReadDelaySeconds(HKEY_CURRENT_USER, name.view()), 45);
    EXPECT_FALSE(FindDelayEntryName(HKEY_LOCAL_MACHINE, row.path.view(), name));

    ASSERT_TRUE(ForgetDelayed(row));
    EXPECT_TRUE(ValueNames(HKEY_CURRENT_USER, kDelay).empty());
    EXPECT_TRUE(ValueNames(HKEY_CURRENT_USER, kTime).empty());
}

TEST_F(DelayStoreTest, OddStoredValuesReadAsNoDelay) {
    const std::string program = "C:\\ds-delay\\odd.exe";
    const struct {
        const char* stored;
        int seconds;
    } cases[] = {{"", 0}, {"abc", 0}, {"-40", 0}, {"75", 75}, {"99999999999999", 0x7FFFFFFF}};
    for (const auto& c : cases) {
        SetText(HKEY_CURRENT_USER, kTime, program, c.stored);
        EXPECT_EQ(ReadDelaySeconds(HKEY_CURRENT_USER, program), c.seconds) << c.stored;
    }
    SetText(HKEY_CURRENT_USER, kDelay, program, "not a type");
    SetText(HKEY_CURRENT_USER, kTitle, program, std::string(3000, 'T'));
    LoadDelayedList();
    ASSERT_EQ(ListStoreCount(), 1);
    EXPECT_EQ(ListStoreRow(0)->typeCode, 0);
    EXPECT_EQ(ListStoreRow(0)->title.size(), 127u) << "an over-long title is cut";
}

}  // namespace
