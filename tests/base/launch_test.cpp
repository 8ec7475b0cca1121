#include <gtest/gtest.h>

#include "base/launch.h"
#include "support/temp_reg_scratch.h"

TEST(ImportSavedRegFile, ImportsTempRegFromADataFolderWithBlanks) {
    testsupport::TempRegScratch scratch("C:\\sx-h-import");
    EXPECT_FALSE(ImportSavedRegFile());  // no temp.reg yet
    ASSERT_TRUE(scratch.WriteTempReg());
    EXPECT_TRUE(ImportSavedRegFile());
    EXPECT_TRUE(scratch.Imported());
}
