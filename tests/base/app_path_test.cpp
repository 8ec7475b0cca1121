#include <gtest/gtest.h>

#include <string>

#include "base/app_path.h"
#include "startup/scan_fixture.h"
#include "support/test_files.h"

using namespace scantest;

TEST(AppPathOf, FindsRegisteredPrograms) {
    ScratchFolder folder("C:\\sx-h-apppath");
    ASSERT_TRUE(ScratchFolder::Write(folder / "sxtool.exe", "MZ"));
    ASSERT_TRUE(ScratchFolder::Write(folder / "sxother.exe", "MZ"));
    const std::string base = std::string(kAppPathsKey) + "\\";
    RegistryGuard byPath(HKEY_LOCAL_MACHINE, base + "sxtool.exe");
    RegistryGuard byDefault(HKEY_LOCAL_MACHINE, base + "sxother.exe");
    RegistryGuard missing(HKEY_LOCAL_MACHINE, base + "sxmissing.exe");
    byPath.Set("Path", folder.path() + "\\;");  // a search list with a trailing backslash
    byDefault.Set("", "\"" + folder.path() + "\\sxother.exe\"");
    byDefault.Set("Path", "C:\\sx-h-nowhere");  // the Path folder lacks it: the default value counts
    missing.Set("Path", folder.path());
    missing.Set("", folder.path() + "\\sxmissing.exe");

    FixedText<MAX_PATH> found;
    EXPECT_TRUE(AppPathOf("sxtool.exe", found));
    EXPECT_EQ(found.view(), folder / "sxtool.exe");
    EXPECT_TRUE(AppPathOf("SXOTHER.EXE", found));
    EXPECT_EQ(found.view(), folder / "sxother.exe");

    for (const char* name : {"sxmissing.exe", "sx-not-registered.exe", "", "..\\sxtool.exe", "sub\\sxtool.exe"}) {
        found = "stale";
        EXPECT_FALSE(AppPathOf(name, found)) << name;
        EXPECT_TRUE(found.empty()) << name;
    }
    FixedText<8> tiny;
    EXPECT_FALSE(AppPathOf("sxtool.exe", tiny));  // a cut path would name another file
    EXPECT_STREQ(tiny.c_str(), "");
}
