#include <gtest/gtest.h>

#include <string>

#include "shell/main_window.h"
#include "shell/placement.h"
#include "base/registry.h"
#include "shell/start_actions.h"
#include "support/temp_reg_scratch.h"

namespace {

TEST(RestoreDefaults, RemovesExactlyTheOverridableTextsAndThePlacements) {
    for (const char* name : {"LString0", "LString1165", "LString1166"})
        ASSERT_TRUE(RegWriteString(HKEY_LOCAL_MACHINE, kProgramKey, name, "x"));
    for (const char* name : {"xPos", "dyPosAddFileType", "xInfo", "StayHere"})
        ASSERT_TRUE(RegWriteString(HKEY_CURRENT_USER, kProgramKey, name, "10"));
    RestoreDefaults();
    FixedText<8> out;
    EXPECT_EQ(RegReadString(kProgramKey, "LString0", HKEY_LOCAL_MACHINE, out), 0);
    EXPECT_EQ(RegReadString(kProgramKey, "LString1165", HKEY_LOCAL_MACHINE, out), 0);
    EXPECT_EQ(RegReadString(kProgramKey, "LString1166", HKEY_LOCAL_MACHINE, out), 1);
    EXPECT_EQ(RegReadString(kProgramKey, "xPos", HKEY_CURRENT_USER, out), 0);
    EXPECT_EQ(RegReadString(kProgramKey, "dyPosAddFileType", HKEY_CURRENT_USER, out), 0);
    EXPECT_EQ(RegReadString(kProgramKey, "xInfo", HKEY_CURRENT_USER, out), 0);
    EXPECT_EQ(RegReadString(kProgramKey, "StayHere", HKEY_CURRENT_USER, out), 2);
    RegRemoveValue(HKEY_LOCAL_MACHINE, kProgramKey, "LString1166");
    RegRemoveValue(HKEY_CURRENT_USER, kProgramKey, "StayHere");
}

// The data folder lies under the user's profile, whose path usually has blanks.
TEST(PerformStartAction, RegRepairImportsTempRegFromADataFolderWithBlanks) {
    testsupport::TempRegScratch scratch("C:\\sx-h-regrepair");
    ASSERT_NE(scratch.appData().find(' '), std::string::npos);
    ASSERT_TRUE(scratch.WriteTempReg());
    PerformStartAction(StartAction::RegRepair);
    EXPECT_TRUE(scratch.Imported());
}

TEST(Placement, SavedCoordinatesBeyondTheVirtualScreen) {
    EXPECT_EQ(ClampSavedCoordinate(5000, 1920, 0), 0);
    EXPECT_EQ(ClampSavedCoordinate(1920, 1920, 0), 1920);
    EXPECT_EQ(ClampSavedCoordinate(5000, 1920, 640), 640);
    EXPECT_EQ(ClampSavedCoordinate(-30, 1920, 0), -30);
}

TEST(SharedFonts, NoteSizeUsesItsLowByte) {
    EXPECT_EQ(NoteFontHeight(270), -14);
    EXPECT_EQ(NoteFontHeight(14), -14);
    EXPECT_EQ(NoteFontHeight(256), 0);
}

}  // namespace
