#include <gtest/gtest.h>

#include <string>

#include "support/box_answerer.h"
#include "shell/restart_commands.h"
#include "support/test_files.h"

namespace {

constexpr int kViewerText = 1001;
constexpr int kViewerDelete = 1003;

// wininit.exe marks the 9x family, whose restart file the viewer shows.
class RestartCommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(GetFileAttributesA(exe_.c_str()), INVALID_FILE_ATTRIBUTES) << "a real wininit.exe is in the way";
        ASSERT_TRUE(ScratchFolder::Write(exe_, "MZ"));
    }
    void TearDown() override {
        DeleteFileA(exe_.c_str());
        DeleteFileA(ini_.c_str());
    }
    bool IniExists() const { return GetFileAttributesA(ini_.c_str()) != INVALID_FILE_ATTRIBUTES; }

    const std::string exe_ = WindowsFolderPath() + "\\wininit.exe";
    const std::string ini_ = WindowsFolderPath() + "\\wininit.ini";
};

}  // namespace

TEST_F(RestartCommandsTest, DeleteRemovesTheFile) {
    ASSERT_TRUE(ScratchFolder::Write(ini_, "[rename]\nNUL=C:\\old.tmp\nC:\\new.dll=C:\\tmp.dll\n"));
    std::string shown;
    testsupport::BoxAnswerer watch([&](HWND dialog) {
        char text[512] = {};
        GetDlgItemTextA(dialog, kViewerText, text, sizeof(text));
        shown = text;
        PostMessageA(dialog, WM_COMMAND, kViewerDelete, 0);
    });
    ViewRestartCommands();
    watch.Stop();
    EXPECT_TRUE(watch.seen());
    EXPECT_EQ(shown, "[rename]\r\nNUL=C:\\old.tmp\r\nC:\\new.dll=C:\\tmp.dll\r\n");
    EXPECT_FALSE(IniExists());
}

TEST_F(RestartCommandsTest, CloseKeepsTheFile) {
    ASSERT_TRUE(ScratchFolder::Write(ini_, "[rename]\nNUL=C:\\old.tmp\n"));
    testsupport::BoxAnswerer watch([](HWND dialog) { PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0); });
    ViewRestartCommands();
    watch.Stop();
    EXPECT_TRUE(watch.seen());
    EXPECT_TRUE(IniExists());
}

TEST_F(RestartCommandsTest, AnEmptyOrMissingFileGivesAMessage) {
    for (bool empty : {true, false}) {
        if (empty) ASSERT_TRUE(ScratchFolder::Write(ini_, ""));
        else DeleteFileA(ini_.c_str());
        bool isViewer = true;
        testsupport::BoxAnswerer watch([&](HWND dialog) {
            isViewer = GetDlgItem(dialog, kViewerText) != nullptr;
            PostMessageA(dialog, WM_COMMAND, IDOK, 0);
        });
        ViewRestartCommands();
        watch.Stop();
        EXPECT_TRUE(watch.seen()) << empty;
        EXPECT_FALSE(isViewer) << empty;
        EXPECT_EQ(IniExists(), empty);
    }
}

TEST_F(RestartCommandsTest, NothingOnTheNtFamily) {
    DeleteFileA(exe_.c_str());
    ASSERT_TRUE(ScratchFolder::Write(ini_, "[rename]\nNUL=C:\\old.tmp\n"));
    testsupport::BoxAnswerer watch([](HWND dialog) { PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0); }, 500);
    ViewRestartCommands();
    Sleep(600);
    watch.Stop();
    EXPECT_FALSE(watch.seen());
    EXPECT_TRUE(IniExists());
}
