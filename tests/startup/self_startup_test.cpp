#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "shell/app_state.h"
#include "base/program_folders.h"
#include "startup/self_startup.h"
#include "startup/startup_change_fixture.h"

using namespace changetest;

namespace {

constexpr const char* kMonitorCommand = "C:\\sentrivox-ds\\Sentrivox.exe -expressboot";
constexpr const char* kExplorerCommand = "C:\\sentrivox-ds\\SentrivoxEx.exe";

TEST_F(StartupChangeTest, FindsTheMonitorWithoutRemovingWhenAskedOnlyToFind) {
    SetText(HKEY_LOCAL_MACHINE, RunKeyPath(1), "Sentrivox PLUS", kMonitorCommand);
    SetText(HKEY_CURRENT_USER, RunKeyPath(11), "Sentrivox Explorer", kExplorerCommand);
    EXPECT_TRUE(RemoveSelfStartupEntries(false));
    EXPECT_TRUE(Value(HKEY_LOCAL_MACHINE, RunKeyPath(1), "Sentrivox PLUS"));
    EXPECT_TRUE(Value(HKEY_CURRENT_USER, RunKeyPath(11), "Sentrivox Explorer"));
}

TEST_F(StartupChangeTest, SwitchingOffRemovesEveryEntryOfTheMonitorAndThisProgram) {
    // "Sentrivox PLUS" is neither of the fixed names: it goes by its own title.
    SetText(HKEY_LOCAL_MACHINE, RunKeyPath(1), "Sentrivox PLUS", kMonitorCommand);
    SetText(HKEY_CURRENT_USER, RunKeyPath(11), "Sentrivox", kMonitorCommand);
    SetText(HKEY_CURRENT_USER, RunKeyPath(11), "Sentrivox Explorer", kExplorerCommand);
    g_app.monitorAutoStart = true;
    EXPECT_TRUE(SetSelfStartup(false));
    EXPECT_FALSE(g_app.monitorAutoStart);
    EXPECT_FALSE(Value(HKEY_LOCAL_MACHINE, RunKeyPath(1), "Sentrivox PLUS"));
    EXPECT_FALSE(Value(HKEY_CURRENT_USER, RunKeyPath(11), "Sentrivox"));
    EXPECT_FALSE(Value(HKEY_CURRENT_USER, RunKeyPath(11), "Sentrivox Explorer"));
    EXPECT_FALSE(SelfStartupPresent());
    EXPECT_TRUE(History().empty()) << "the program's own entries leave no history";
}

TEST_F(StartupChangeTest, WithoutTheMonitorNothingCountsAsFound) {
    SetText(HKEY_CURRENT_USER, RunKeyPath(11), "Sentrivox Explorer", kExplorerCommand);
    g_app.monitorAutoStart = true;
    EXPECT_FALSE(SetSelfStartup(false));
    EXPECT_TRUE(g_app.monitorAutoStart);
    EXPECT_FALSE(Value(HKEY_CURRENT_USER, RunKeyPath(11), "Sentrivox Explorer"));
}

TEST_F(StartupChangeTest, SwitchingOnWritesTheMonitorsRunValue) {
    g_app.monitorAutoStart = false;
    ASSERT_TRUE(SetSelfStartup(true));
    FixedText<MAX_PATH> folder;
    ProgramFolder(folder);
    const std::string command = std::string(folder.view()) + "\\sentrivox.exe -expressboot";
    EXPECT_EQ(Text(HKEY_LOCAL_MACHINE, RunKeyPath(1), "Sentrivox"), command);
    EXPECT_EQ(Text(HKEY_CURRENT_USER, kStartupChangeKey, command), std::string("1"));
    EXPECT_TRUE(g_app.monitorAutoStart);
    EXPECT_TRUE(SelfStartupPresent());
    EXPECT_TRUE(SetSelfStartup(false));
    EXPECT_FALSE(SelfStartupPresent());
}

}  // namespace
