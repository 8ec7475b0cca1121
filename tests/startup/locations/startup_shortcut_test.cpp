#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "base/shortcuts.h"
#include "base/unique_resource.h"
#include "startup/locations/startup_folder_scan.h"
#include "support/test_files.h"

TEST(ReadStartupShortcut, BrokenShortcutReadsLocalFileNotFound) {
    ComScope com;
    ScratchFolder folder("C:\\sxlinks-startup");
    const std::string target = folder / "Long Target Name.exe";
    ASSERT_TRUE(ScratchFolder::Write(target, "MZ"));
    const std::string link = folder / "Gone.lnk";
    ASSERT_EQ(CreateShortcut(link, folder.path(), "Starts the tool", target, target), S_OK);
    ASSERT_TRUE(DeleteFileA(target.c_str()));

    FixedText<kShortcutTargetSize> targetText("stale");
    FixedText<kShortcutDescriptionSize> description;
    HRESULT hr = ReadStartupShortcut(link, targetText, description);
    EXPECT_TRUE(SUCCEEDED(hr) && hr != S_OK) << std::hex << hr;
    EXPECT_EQ(description.view(), "Local File not found.");
    EXPECT_TRUE(targetText.empty());
}
