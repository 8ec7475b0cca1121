#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "shell/list_store.h"
#include "base/registry.h"
#include "shell/row_facts.h"
#include "base/command_line.h"
#include "base/version_info.h"

namespace {

class RowFactsTest : public ::testing::Test {
protected:
    const std::string category_ = std::string(kDetectedKey) + "\\Services";
    const std::string command_ = "\"C:\\No Such Folder\\service host.exe\" -k net";
    std::string name_;
    void SetUp() override {
        ListStoreClear();
        ForgetRowFacts();
        FixedText<260> file;
        ExtractProgramFile(command_, file);
        name_ = file.c_str();
        RegRemoveValue(HKEY_CURRENT_USER, category_, name_);
    }
    void TearDown() override {
        RegRemoveValue(HKEY_CURRENT_USER, category_, name_);
        ListStoreClear();
    }
};

TEST_F(RowFactsTest, FirstSeenDatesAreKeptOnceFoundUntilTheNextFill) {
    EXPECT_EQ(FirstSeenOfProgram(700, command_), "");
    // A page records a missing date and reads it again at once.
    RegWriteString(HKEY_CURRENT_USER, category_, name_, "01/02/2025 3:04 PM");
    EXPECT_EQ(FirstSeenOfProgram(700, command_), "01/02/2025 3:04 PM");

    RegWriteString(HKEY_CURRENT_USER, category_, name_, "05/06/2026 7:08 AM");
    EXPECT_EQ(FirstSeenOfProgram(701, command_), "01/02/2025 3:04 PM") << "same category, kept";
    EXPECT_EQ(FirstSeenOfProgram(800, command_), "") << "another category";

    ListStoreAppend("next fill", "C:\\x.exe", "", "", 700, 0);
    EXPECT_EQ(FirstSeenOfProgram(700, command_), "05/06/2026 7:08 AM");
}

TEST_F(RowFactsTest, CompanyIsThatOfTheProgramFile) {
    char system[MAX_PATH];
    GetSystemDirectoryA(system, MAX_PATH);
    const std::string file = std::string(system) + "\\kernel32.dll";
    VersionInfo info;
    ReadVersionInfo(file, info);
    EXPECT_EQ(CompanyOfProgram("\"" + file + "\" ignored arguments"), info.companyName.view());
    EXPECT_EQ(CompanyOfProgram(command_), "");
    EXPECT_EQ(CompanyOfProgram(""), "");
}

}  // namespace
