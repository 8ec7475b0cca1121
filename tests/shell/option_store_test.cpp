#include <gtest/gtest.h>

#include "shell/option_store.h"
#include "shell/options.h"
#include "base/registry.h"

namespace {

class OptionStore : public ::testing::Test {
protected:
    void SetUp() override { RegDeleteTree(HKEY_CURRENT_USER, kOptionsKey); }
    void TearDown() override { RegDeleteTree(HKEY_CURRENT_USER, kOptionsKey); }
    static std::string Stored(const char* name) {
        FixedText<32> text;
        RegReadString(kOptionsKey, name, HKEY_CURRENT_USER, text);
        return std::string(text.view());
    }
};

TEST_F(OptionStore, LoadsDefaultsAndWritesBackTheFixedSet) {
    RegWriteString(HKEY_CURRENT_USER, kOptionsKey, "Tasks", "25");
    LoadOptions();
    EXPECT_EQ(OptionValue("Tasks"), 25);
    EXPECT_EQ(OptionValue("HideMicrosoftServices"), 1);
    EXPECT_EQ(OptionValue("MaxCookie"), 4096);
    SaveOptions();
    EXPECT_EQ(Stored("Tasks"), "25");
    EXPECT_EQ(Stored("HideMicrosoftServices"), "1");
    EXPECT_EQ(Stored("Start"), "2");
    EXPECT_EQ(Stored("Update"), "1");
    EXPECT_EQ(Stored("MaxCookie"), "");       // never written back
    EXPECT_EQ(Stored("WindowSettings"), "");
}

TEST_F(OptionStore, AValueWrittenDuringTheSessionIsNotOverwrittenAtTheEnd) {
    LoadOptions();
    WriteOption("ExpandInfo", 1);
    SaveOptions();
    EXPECT_EQ(Stored("ExpandInfo"), "1");
}

}  // namespace
