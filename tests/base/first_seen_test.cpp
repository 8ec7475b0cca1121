#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "base/first_seen.h"
#include "shell/options.h"
#include "base/registry.h"
#include "shell/start_actions.h"

namespace {

TEST(FirstSeenCategory, ByItemType) {
    struct { int type; const char* key; } cases[] = {
        {1, "Startup"}, {299, "Startup"}, {-5, "Startup"}, {370, "Hidden"}, {400, "FileTypes"},
        {600, "ActiveTasks"}, {700, "Services"}, {701, "Services"}, {800, "Tasks"}, {900, "IEHelper"},
        {902, "IEHelper"}, {1020, "ActiveX"}, {1030, "Hidden"}, {1040, "IEHelper"}, {1050, "Tasks"},
        {1060, "Services"}, {1070, "Startup"}, {1100, "ActiveTasks"}, {1200, "ActiveX"}, {500, "ActiveTasks"},
    };
    for (const auto& c : cases) EXPECT_STREQ(FirstSeenCategory(c.type), c.key) << c.type;
}

class FirstSeenStore : public ::testing::Test {
protected:
    std::string present_;
    const std::string category_ = std::string(kDetectedKey) + "\\Tasks";
    void SetUp() override {
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        present_ = std::string(temp) + "sentrivox_present.exe";
        HANDLE f = CreateFileA(present_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        ASSERT_NE(f, INVALID_HANDLE_VALUE);
        CloseHandle(f);
        RegDeleteTree(HKEY_CURRENT_USER, category_);
    }
    void TearDown() override {
        DeleteFileA(present_.c_str());
        RegDeleteTree(HKEY_CURRENT_USER, category_);
        RegRemoveValue(HKEY_CURRENT_USER, kOptionsKey, "nCount");
    }
    bool Recorded(const std::string& name) {
        FixedText<25> date;
        return FirstSeenDate(800, name, date) > 0;
    }
};

TEST_F(FirstSeenStore, RecordsOnlyExistingProgramsAndOnlyOnce) {
    EXPECT_EQ(RecordFirstSeen("Tasks", "C:\\no\\such\\program.exe /x"), 0);
    EXPECT_FALSE(Recorded("C:\\no\\such\\program.exe /x"));
    std::string command = "\"" + present_ + "\" /min";
    EXPECT_EQ(RecordFirstSeen("Tasks", command), 0);
    EXPECT_TRUE(Recorded(command));
    EXPECT_EQ(RecordFirstSeen("Tasks", command), 1);
}

TEST_F(FirstSeenStore, PruneDropsGoneProgramsAndKeepsCommandsOfPresentOnes) {
    std::string withArgs = present_ + " /background";
    RegWriteString(HKEY_CURRENT_USER, category_, withArgs, "01/01/2026 1:00 PM");
    RegWriteString(HKEY_CURRENT_USER, category_, present_, "01/01/2026 1:00 PM");
    RegWriteString(HKEY_CURRENT_USER, category_, "\"C:\\gone\\away.exe\" -x", "01/01/2026 1:00 PM");
    RegWriteString(HKEY_CURRENT_USER, category_, "C:\\gone\\away.exe", "01/01/2026 1:00 PM");
    PruneFirstSeen("Tasks");
    EXPECT_TRUE(Recorded(withArgs));
    EXPECT_TRUE(Recorded(present_));
    EXPECT_FALSE(Recorded("\"C:\\gone\\away.exe\" -x"));
    EXPECT_FALSE(Recorded("C:\\gone\\away.exe"));
}

TEST_F(FirstSeenStore, RotationPrunesOneCategoryInSevenStarts) {
    RegWriteString(HKEY_CURRENT_USER, category_, "C:\\gone\\away.exe", "01/01/2026 1:00 PM");
    WriteOption("nCount", 5);
    RotateFirstSeenPruning();  // 6: nothing pruned
    EXPECT_EQ(ReadOption("nCount", -1), 6);
    EXPECT_TRUE(Recorded("C:\\gone\\away.exe"));
    RotateFirstSeenPruning();  // wraps to 0: Tasks
    EXPECT_EQ(ReadOption("nCount", -1), 0);
    EXPECT_FALSE(Recorded("C:\\gone\\away.exe"));
}

}  // namespace
