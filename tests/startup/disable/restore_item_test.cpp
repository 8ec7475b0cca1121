#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>

#include "startup/disable/restore_item.h"
#include "startup/startup_change_fixture.h"

using namespace changetest;

namespace {

constexpr const char* kClassId = "{0D5E5A11-DEAD-4BEE-8A11-5E1F0D5E5A11}";

TEST_F(StartupChangeTest, EachTypeGoesBackToItsOwnLocation) {
    const std::string command = "C:\\ds-test\\prog.exe /x";
    const struct {
        int type;
        const char* title;
        std::string path;
        std::string detail;
        std::function<bool()> isBack;
    } cases[] = {
        {1, "DS Machine", command, "", [&] { return Text(HKEY_LOCAL_MACHINE, RunKeyPath(1), "DS Machine") == command; }},
        {11, "DS User", command, "", [&] { return Text(HKEY_CURRENT_USER, RunKeyPath(11), "DS User") == command; }},
        {21, "DS Wow", command, "",
         [&] {
             return Text(HKEY_LOCAL_MACHINE, RunKeyPath(21), "DS Wow") == command &&
                    !Value(HKEY_LOCAL_MACHINE, RunKeyPath(1), "DS Wow");
         }},
        {101, "DS Ini", "C:\\ds-test\\ini.exe", "",
         [] {
             char run[512] = {};
             GetProfileStringA("windows", "run", "", run, sizeof(run));
             return std::string(run).find("C:\\ds-test\\ini.exe") != std::string::npos;
         }},
        {252, "DS Object", "C:\\ds\\object.dll", kClassId,
         [] { return Text(HKEY_LOCAL_MACHINE, kDelayLoadKey, "DS Object") == std::string(kClassId); }},
        {253, "DS Scheduler", "C:\\ds\\sched.dll", kClassId,
         [] { return Text(HKEY_LOCAL_MACHINE, kSharedTaskSchedulerKey, kClassId) == std::string("DS Scheduler"); }},
        {255, "dsinit", "C:\\ds\\dsinit.dll", "",
         [] { return Text(HKEY_LOCAL_MACHINE, kAppInitKey, kAppInitValue) == std::string("C:\\ds\\first.dll,C:\\ds\\dsinit.dll"); }},
    };
    SetText(HKEY_LOCAL_MACHINE, kAppInitKey, kAppInitValue, "C:\\ds\\first.dll");
    for (const auto& c : cases) {
        ASSERT_TRUE(RestoreItem(c.title, c.path, c.detail, c.type)) << c.type;
        EXPECT_TRUE(c.isBack()) << c.type;
        EXPECT_EQ(Text(HKEY_CURRENT_USER, kStartupChangeKey, c.path), std::to_string(c.type)) << c.type;
    }
}

TEST_F(StartupChangeTest, RestoreNeverOverwritesAnotherCommand) {
    SetText(HKEY_CURRENT_USER, RunKeyPath(11), "DS User", "C:\\ds-test\\other.exe");
    ASSERT_TRUE(RestoreItem("DS User", "C:\\ds-test\\prog.exe", "", 11));
    EXPECT_EQ(Text(HKEY_CURRENT_USER, RunKeyPath(11), "DS User"), std::string("C:\\ds-test\\other.exe"));
    EXPECT_EQ(Text(HKEY_CURRENT_USER, RunKeyPath(11), "DS User (2)"), std::string("C:\\ds-test\\prog.exe"));
    // The same command is already there: nothing is added.
    ASSERT_TRUE(RestoreItem("DS User", "C:\\ds-test\\other.exe", "", 11));
    EXPECT_EQ(ValueNames(HKEY_CURRENT_USER, RunKeyPath(11)).size(), 2u);
}

TEST_F(StartupChangeTest, ShortcutIsMadeAgainInItsFormerFolder) {
    char system[MAX_PATH] = {};
    GetSystemDirectoryA(system, MAX_PATH);
    const std::string target = std::string(system) + "\\kernel32.dll";
    ASSERT_TRUE(RestoreItem("DS Link", target, commonStartup_ + "\\DS Link.lnk", 200));
    EXPECT_TRUE(IsFile(commonStartup_ + "\\DS Link.lnk"));
    // No former folder: the user's; a title that no file name can hold is made one.
    ASSERT_TRUE(RestoreItem("DS:Link/?", target, "", 200));
    EXPECT_TRUE(IsFile(userStartup_ + "\\DS_Link__.lnk"));
}

TEST_F(StartupChangeTest, NotifyPackageTakesItsOldNameBack) {
    const std::string package = std::string(kWinlogonNotifyKey) + "\\DS Test Package";
    SetText(HKEY_LOCAL_MACHINE, package, "DLLName", "");
    SetText(HKEY_LOCAL_MACHINE, package, "OldName", "dstest.dll");
    ASSERT_TRUE(RestoreItem("DS Test Package", "dstest.dll", "", 256));
    EXPECT_EQ(Text(HKEY_LOCAL_MACHINE, package, "DLLName"), std::string("dstest.dll"));
    EXPECT_FALSE(RestoreItem("Winlogon Shell", "C:\\x.exe", "", 251)) << "reset, never restored";
}

}  // namespace
