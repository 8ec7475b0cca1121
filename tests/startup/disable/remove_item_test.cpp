#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "startup/disable/disable_or_enable.h"
#include "startup/disable/remove_item.h"
#include "startup/startup_change_fixture.h"

using namespace changetest;

namespace {

constexpr const char* kTitle = "DS Test Entry";
constexpr const char* kCommand = "\"C:\\ds test\\prog.exe\" /min";

TEST_F(StartupChangeTest, RemovingADisabledRunEntryClearsTheStoreAndKeepsAWayBack) {
    SetText(HKEY_CURRENT_USER, RunKeyPath(11), kTitle, kCommand);
    // Approved earlier: as restored (the command) and as the baseline lists it (no quotes).
    SetText(HKEY_CURRENT_USER, kStartupChangeKey, kCommand, "11");
    SetText(HKEY_CURRENT_USER, kStartupChangeKey, "C:\\ds test\\prog.exe /min", "11");
    ASSERT_TRUE(DisableItem(kTitle, kCommand, 11));

    ASSERT_TRUE(RemoveItem(kTitle, "C:\\ds test\\prog.exe /min", "", 11));
    EXPECT_FALSE(Value(HKEY_CURRENT_USER, RunKeyPath(11), kTitle)) << "not enabled by the removal";
    EXPECT_TRUE(StoreContents().empty());
    EXPECT_TRUE(ValueNames(HKEY_CURRENT_USER, kStartupChangeKey).empty());
    auto lines = History();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].event, "*START_Remove");
    EXPECT_EQ(lines[0].type, "CURRENT_RUN");
    EXPECT_EQ(lines[0].title, kTitle);
    EXPECT_EQ(lines[0].command, kCommand) << "the command as stored, so that a restore gives it back";
    ASSERT_TRUE(server_.WaitForRequests(1, 5000));
    EXPECT_EQ(server_.Requests()[0].target.rfind("/cgi-bin/cloudremoved.pl?", 0), 0u);
}

TEST_F(StartupChangeTest, RemovingRunningEntriesTakesThemOutOfTheirLocation) {
    SetText(HKEY_LOCAL_MACHINE, RunKeyPath(1), kTitle, kCommand);
    ASSERT_TRUE(WriteProfileStringA("windows", "load", "C:\\ds-other\\keep.exe;C:\\ds-test\\prog.exe"));

    ASSERT_TRUE(RemoveItem(kTitle, kCommand, "", 1));
    ASSERT_TRUE(RemoveItem("DS Prog", "C:\\ds-test\\prog.exe", "", 100));
    EXPECT_FALSE(Value(HKEY_LOCAL_MACHINE, RunKeyPath(1), kTitle));
    char load[256] = {};
    GetProfileStringA("windows", "load", "", load, sizeof(load));
    EXPECT_STREQ(load, "C:\\ds-other\\keep.exe");
    auto lines = History();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].type, "MACHINE_RUN");
    EXPECT_EQ(lines[1].type, "WIN_LOAD");
    EXPECT_EQ(lines[1].command, "C:\\ds-test\\prog.exe");
    EXPECT_FALSE(RemoveItem(kTitle, kCommand, "", 1)) << "nothing left to remove";
}

TEST_F(StartupChangeTest, RemovingTheProgramsOwnEntryWritesNoHistory) {
    SetText(HKEY_CURRENT_USER, RunKeyPath(11), "Sentrivox", "C:\\ds-test\\Sentrivox.exe -expressboot");
    ASSERT_TRUE(RemoveItem("Sentrivox", "C:\\ds-test\\Sentrivox.exe -expressboot", "", 11));
    EXPECT_FALSE(Value(HKEY_CURRENT_USER, RunKeyPath(11), "Sentrivox"));
    EXPECT_TRUE(History().empty());
}

TEST_F(StartupChangeTest, RemovingADisabledShortcutDeletesItsCopyOnly) {
    const std::string user = userStartup_ + "\\DS Shortcut.lnk", copy = disabledFolder_ + "\\DS Shortcut.lnk";
    ASSERT_TRUE(ScratchFolder::Write(user, "disabled link"));
    ASSERT_TRUE(DisableItem("DS Shortcut", user, 200));
    ASSERT_TRUE(IsFile(copy));
    // A new shortcut of the same name appears meanwhile: removing it leaves the disabled one alone.
    ASSERT_TRUE(ScratchFolder::Write(user, "new link"));
    ASSERT_TRUE(RemoveItem("DS Shortcut", "C:\\ds-test\\new.exe", user, 200));
    EXPECT_FALSE(IsFile(user));
    EXPECT_EQ(ReadWholeFile(copy), "disabled link");
    EXPECT_EQ(Text(HKEY_LOCAL_MACHINE, StoreKey(), "DS Shortcut"), std::string("200"));

    ASSERT_TRUE(RemoveItem("DS Shortcut", "C:\\ds-test\\prog.exe", copy, 200));
    EXPECT_FALSE(IsFile(copy));
    EXPECT_FALSE(IsFile(user));
    EXPECT_TRUE(StoreContents().empty());
    auto lines = History();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1].type, "GROUP_STARTUP");
    EXPECT_EQ(lines[1].command, "C:\\ds-test\\prog.exe");
    EXPECT_EQ(lines[1].detail, copy);
}

TEST_F(StartupChangeTest, RemovalNeverDeletesProgramsOrFilesOutsideTheStartupFolders) {
    const std::string program = userStartup_ + "\\ds-program.exe", outside = "C:\\ds-elsewhere.lnk";
    ASSERT_TRUE(ScratchFolder::Write(program, "MZ"));
    ASSERT_TRUE(ScratchFolder::Write(outside, "link"));
    EXPECT_FALSE(RemoveItem("ds-program", program, program, 200));
    EXPECT_FALSE(RemoveItem("ds-elsewhere", "C:\\x.exe", outside, 200));
    EXPECT_TRUE(IsFile(program));
    EXPECT_TRUE(IsFile(outside));
    EXPECT_TRUE(History().empty());
    DeleteFileA(outside.c_str());
}

TEST_F(StartupChangeTest, WinlogonEntriesAreResetToWindowsDefaults) {
    const std::string winlogon = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon";
    char system[MAX_PATH] = {};
    GetSystemDirectoryA(system, MAX_PATH);
    const struct {
        int type;
        const char* value;
        std::string before, after;
        const char* event;
    } cases[] = {
        {250, "Userinit", std::string(system) + "\\userinit.exe,C:\\ds-test\\evil.exe",
         std::string(system) + "\\Userinit.exe,", "RESET_USERINIT"},
        {251, "Shell", "explorer.exe C:\\ds-test\\evil.exe", "Explorer.exe", "RESET_SHELL"},
    };
    for (const auto& c : cases) {
        SetText(HKEY_LOCAL_MACHINE, winlogon, c.value, c.before);
        ASSERT_TRUE(RemoveItem("Winlogon", "C:\\ds-test\\evil.exe", "", c.type)) << c.value;
        EXPECT_EQ(Text(HKEY_LOCAL_MACHINE, winlogon, c.value), c.after);
        EXPECT_EQ(Text(HKEY_LOCAL_MACHINE, kStartupChangeKey, c.after), std::to_string(c.type));
        auto lines = History();
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ(lines.back().event, c.event);
        EXPECT_EQ(lines.back().detail, c.before) << "the replaced value stays readable";
    }
}

TEST_F(StartupChangeTest, NotifyPackagesAreNotRemoved) {
    const std::string package = std::string(kWinlogonNotifyKey) + "\\DS Test Package";
    SetText(HKEY_LOCAL_MACHINE, package, "DLLName", "dstest.dll");
    EXPECT_FALSE(RemoveItem("DS Test Package", "dstest.dll", "", 256));
    EXPECT_EQ(Text(HKEY_LOCAL_MACHINE, package, "DLLName"), std::string("dstest.dll"));
}

}  // namespace
