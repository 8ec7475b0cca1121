#include <gtest/gtest.h>

#include <string>

#include "shell/browse_for_program.h"
#include "support/box_answerer.h"
#include "support/test_files.h"

TEST(BrowseForProgram, ReturnsTheChosenProgram) {
    ScratchFolder folder("C:\\sx-h-browse");
    const std::string program = folder / "chosen.exe";
    ASSERT_TRUE(ScratchFolder::Write(program, "MZ"));
    auto choose = [&](HWND dialog) {
        Sleep(300);  // let the dialog finish its start-up
        SetDlgItemTextA(dialog, 0x47c, program.c_str());  // the name box of the explorer-style dialog
        SetDlgItemTextA(dialog, 0x480, program.c_str());
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    };
    FixedText<MAX_PATH> out("stale");
    {
        testsupport::BoxAnswerer watch(choose);
        EXPECT_TRUE(BrowseForProgram(nullptr, out));
        watch.Stop();
    }
    EXPECT_EQ(Upper(out.c_str()), Upper(program));

    testsupport::BoxAnswerer cancel([](HWND dialog) { PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0); });
    EXPECT_FALSE(BrowseForProgram(nullptr, out));
    cancel.Stop();
    EXPECT_STREQ(out.c_str(), "");
}
