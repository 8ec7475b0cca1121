#include <gtest/gtest.h>

#include <string>

#include "shell/app_state.h"
#include "shell/load_text.h"
#include "base/registry.h"

namespace {

class TextOverrides : public ::testing::Test {
protected:
    void SetUp() override { Clear(); g_app.languageId = 0; }
    void TearDown() override { Clear(); g_app.languageId = 0; }
    static void Clear() {
        RegRemoveValue(HKEY_LOCAL_MACHINE, kProgramKey, "LString9");
        RegRemoveValue(HKEY_LOCAL_MACHINE, kProgramKey, "LString2");
    }
};

TEST_F(TextOverrides, StringTableWithoutOverride) {
    char out[64];
    EXPECT_EQ(LoadText(9, out, sizeof(out)), 11);
    EXPECT_STREQ(out, "SentrivoxEx");
    EXPECT_EQ(LoadText(59999, out, sizeof(out)), 0);
    EXPECT_STREQ(out, "");
}

TEST_F(TextOverrides, OverrideReplacesAndBreaksLines) {
    ASSERT_TRUE(RegWriteString(HKEY_LOCAL_MACHINE, kProgramKey, "LString9", "two%nlines"));
    char out[64];
    LoadText(9, out, sizeof(out));
    EXPECT_STREQ(out, "two\nlines");
    g_app.languageId = 9;  // the English interface uses its own table
    LoadText(9, out, sizeof(out));
    EXPECT_STREQ(out, "SentrivoxEx");
}

TEST_F(TextOverrides, OverrideIsCutToTheBufferAndTo772) {
    ASSERT_TRUE(RegWriteString(HKEY_LOCAL_MACHINE, kProgramKey, "LString2", std::string(900, 'a')));
    char small[8];
    LoadText(2, small, sizeof(small));
    EXPECT_EQ(std::string(small), std::string(7, 'a'));
    char large[1024];
    LoadText(2, large, sizeof(large));
    EXPECT_EQ(std::string(large).size(), 771u);
}

}  // namespace
