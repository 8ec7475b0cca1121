#include <gtest/gtest.h>

#include "shell/options.h"
#include "base/registry.h"

namespace {

TEST(OptionText, ParsesLeadingDigits) {
    struct { const char* text; long value; } cases[] = {
        {"abc", 0}, {"42x", 42}, {"0", 0}, {" 7", 7}, {"-1", -1}, {"99999999999", 0x7fffffff},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseOptionText(c.text), c.value) << c.text;
}

class Options : public ::testing::Test {
protected:
    void TearDown() override {
        for (const char* name : {"SentrivoxTestA", "SentrivoxTestB", "Update"})
            RegRemoveValue(HKEY_CURRENT_USER, kOptionsKey, name);
    }
};

TEST_F(Options, EmptyReadsDefaultAndTextWithoutDigitsReadsZero) {
    RegWriteString(HKEY_CURRENT_USER, kOptionsKey, "SentrivoxTestA", "");
    RegWriteString(HKEY_CURRENT_USER, kOptionsKey, "SentrivoxTestB", "abc");
    EXPECT_EQ(ReadOption("SentrivoxTestA", 14), 14);
    EXPECT_EQ(ReadOption("SentrivoxTestB", 14), 0);
    EXPECT_EQ(ReadOption("SentrivoxTestMissing", 6026), 6026);
}

TEST_F(Options, WriteRaisesUpdateEvenWhenUnchanged) {
    WriteOption("SentrivoxTestA", 5);
    RegWriteString(HKEY_CURRENT_USER, kOptionsKey, "Update", "0");
    WriteOption("SentrivoxTestA", 5);
    FixedText<8> text;
    RegReadString(kOptionsKey, "Update", HKEY_CURRENT_USER, text);
    EXPECT_STREQ(text.c_str(), "1");
    EXPECT_EQ(ReadOption("SentrivoxTestA", 0), 5);
}

}  // namespace
