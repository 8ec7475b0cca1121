#include <gtest/gtest.h>

#include <string>

#include "startup/delayed/delayed_launch.h"
#include "support/registry_fixture.h"
#include "support/test_files.h"

namespace {

constexpr const char* kOpenAs = "Software\\Orvik Studios\\Sentrivox\\Delay\\OpenAs";

bool WaitFor(bool (*done)(const std::string&), const std::string& what, int milliseconds = 15000) {
    for (int waited = 0; waited < milliseconds; waited += 100) {
        if (done(what)) return true;
        Sleep(100);
    }
    return false;
}

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

}  // namespace

TEST(DelayedShowMode, MapsTheStoredWindowState) {
    const std::string program = "C:\\SX-H\\DELAYED.EXE";
    for (HKEY hive : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
        testsupport::RegistryGuard openAs(hive, kOpenAs, program);
        struct Case { const char* stored; int expected; };
        const Case cases[] = {{"0", SW_SHOWNORMAL}, {"1", SW_MINIMIZE}, {"2", SW_MAXIMIZE},
                              {"3", SW_SHOWNORMAL}, {"", SW_SHOWNORMAL}, {"x", SW_SHOWNORMAL}};
        for (const Case& c : cases) {
            openAs.Set(c.stored);
            EXPECT_EQ(DelayedShowMode(hive, program), c.expected) << c.stored;
        }
        openAs.Remove();
        EXPECT_EQ(DelayedShowMode(hive, program), SW_SHOWNORMAL);
    }
    // The value is read from the given hive only.
    testsupport::RegistryGuard machine(HKEY_LOCAL_MACHINE, kOpenAs, program);
    machine.Set("2");
    EXPECT_EQ(DelayedShowMode(HKEY_CURRENT_USER, program), SW_SHOWNORMAL);
    EXPECT_EQ(DelayedShowMode(HKEY_LOCAL_MACHINE, program), SW_MAXIMIZE);
}

TEST(LaunchProgram, RunsTheProgramWithItsParameters) {
    ScratchFolder folder("C:\\sx-h-launch");
    const std::string marker = folder / "ran.txt";
    const std::string cmd = SystemFolderPath() + "\\cmd.exe";
    EXPECT_TRUE(LaunchProgram(HKEY_CURRENT_USER, cmd, "/c echo ran> " + marker));
    EXPECT_TRUE(WaitFor(Exists, marker));
    EXPECT_FALSE(LaunchProgram(HKEY_CURRENT_USER, folder / "missing.exe", ""));
    // cmd may still hold the file for a moment; the folder goes only once it is free.
    auto removed = [](const std::string& path) { return DeleteFileA(path.c_str()) != FALSE; };
    EXPECT_TRUE(WaitFor(removed, marker));
    auto folderRemoved = [](const std::string& path) { return RemoveDirectoryA(path.c_str()) != FALSE; };
    EXPECT_TRUE(WaitFor(folderRemoved, folder.path()));
}
