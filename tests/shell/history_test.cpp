#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <string>
#include <thread>

#include "res/resource_ids.h"
#include "shell/history.h"
#include "shell/history_names.h"
#include "shell/load_text.h"
#include "shell/options.h"
#include "base/registry.h"
#include "base/unique_resource.h"

namespace {

SYSTEMTIME At(WORD year, WORD month, WORD day, WORD hour, WORD minute) {
    SYSTEMTIME t{};
    t.wYear = year;
    t.wMonth = month;
    t.wDay = day;
    t.wHour = hour;
    t.wMinute = minute;
    return t;
}

std::string PathOfHistory() {
    FixedText<MAX_PATH> path;
    HistoryFilePath(path);
    return std::string(path.view());
}

std::string ReadWholeFile(const std::string& path) {
    UniqueFileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, 0, nullptr));
    if (!file) return {};
    std::string text;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file.get(), buffer, sizeof(buffer), &got, nullptr) && got > 0) text.append(buffer, got);
    return text;
}

// Each test starts without a history file and with the option History unset.
class HistoryFile : public ::testing::Test {
protected:
    void SetUp() override {
        path_ = PathOfHistory();
        ASSERT_FALSE(path_.empty());
        Clean();
    }
    void TearDown() override { Clean(); }
    void Clean() {
        DeleteFileA(path_.c_str());
        RegRemoveValue(HKEY_CURRENT_USER, kOptionsKey, "History");
    }
    std::string Contents() const { return ReadWholeFile(path_); }

    std::string path_;
};

// Holds the history file open without sharing from a second thread, as the
// monitor does while it writes, until the given time has passed.
class FileHolder {
public:
    FileHolder(const std::string& path, std::chrono::milliseconds holdFor)
        : opened_(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {
        thread_ = std::thread([this, path, holdFor] {
            UniqueFileHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                                              FILE_ATTRIBUTE_NORMAL, nullptr));
            held_ = bool(file);
            SetEvent(opened_.get());
            std::this_thread::sleep_for(holdFor);
        });
        WaitForSingleObject(opened_.get(), 5000);
    }
    ~FileHolder() { thread_.join(); }
    bool held() const { return held_; }

private:
    UniqueHandle opened_;
    std::thread thread_;
    bool held_ = false;
};

}  // namespace

TEST(HistoryTime, TwelveHourClockWithTwoBlanks) {
    struct Case {
        const char* name;
        SYSTEMTIME time;
        const char* expected;
    } cases[] = {
        {"after midnight", At(2026, 12, 4, 0, 5), "12/04/2026  12:05 AM"},
        {"afternoon", At(2026, 12, 4, 13, 30), "12/04/2026  1:30 PM"},
        {"noon", At(2026, 1, 9, 12, 0), "01/09/2026  12:00 PM"},
        {"before noon", At(2026, 1, 9, 11, 59), "01/09/2026  11:59 AM"},
        {"before midnight", At(2026, 1, 9, 23, 1), "01/09/2026  11:01 PM"},
    };
    for (const Case& c : cases) {
        FixedText<kHistoryTimeMax> text;
        FormatHistoryTime(c.time, text);
        EXPECT_EQ(text.view(), c.expected) << c.name;
    }
}

TEST(HistoryTime, ZeroDateGivesTheNoDateText) {
    FixedText<kHistoryTimeMax> expected;
    ASSERT_GT(LoadText(IDS_NEVER, expected), 0);
    for (SYSTEMTIME time : {SYSTEMTIME{}, At(2026, 0, 4, 1, 1), At(2026, 12, 0, 1, 1), At(0, 12, 4, 1, 1)}) {
        FixedText<kHistoryTimeMax> text;
        FormatHistoryTime(time, text);
        EXPECT_EQ(text.view(), expected.view());
    }
}

TEST(HistoryTime, OutOfRangeValuesStayBounded) {
    SYSTEMTIME odd = At(65535, 65535, 65535, 65535, 65535);
    FixedText<kHistoryTimeMax> text;
    int length = FormatHistoryTime(odd, text);
    EXPECT_LT(length, int(kHistoryTimeMax));
    EXPECT_EQ(text.view().find_first_of("\t\r\n"), std::string_view::npos);
}

TEST(HistoryNames, ItemTypesFirstMatchAndUnknown) {
    struct Case {
        int code;
        const char* name;
    } cases[] = {
        {1, "MACHINE_RUN"},         {6, "MACHINE_RUNONCESETUP"}, {7, "MACHINE_RUNPOLICY"},
        {35, "SENTRIVOX_RUNSERVICESONCE"}, {255, "REG_AppInitDLLs"}, {256, "RUN_WINLOGONNOTIFY"},
        {300, "RESTART_DELETE"},    {370, "TYPE_HIDDEN"},        {600, "INFO_TASK"},
        {902, "TYPE_EXTENSION"},    {1200, "TYPE_ACTIVEX"},      {3000, "TYPE_UNKNOWN"},
        // Location types without a name of their own, and nonsense.
        {16, "TYPE_UNKNOWN"},       {27, "TYPE_UNKNOWN"},        {504, "TYPE_UNKNOWN"},
        {0, "TYPE_UNKNOWN"},        {-1, "TYPE_UNKNOWN"},
    };
    for (const Case& c : cases) EXPECT_EQ(ItemTypeName(c.code), c.name) << c.code;
}

TEST(HistoryNames, EventsFirstMatchWins) {
    struct Case {
        int code;
        const char* name;
    } cases[] = {
        {0, "*START_Remove"},     {5, "TASK_Kill"},          {12, "SERVICE_Disabled"},
        {13, "TASK_Restore"},     {23, "REMOVE_TaskScheduler"}, {25, "REMOVE_SHELLEXECUTEHOOK"},
        {29, "*HIDDEN_DeleteFile"}, {33, "LOG_UNKNOWN"},
        {16, ""},                 {27, ""},                  {34, ""}, {-1, ""},
    };
    for (const Case& c : cases) EXPECT_EQ(EventName(c.code), c.name) << c.code;
}

TEST(HistoryNames, NamesReadBackToCodes) {
    EXPECT_EQ(ItemTypeCodeOfName("TYPE_ACTIVEX"), 1200);
    EXPECT_EQ(ItemTypeCodeOfName("MACHINE_RUNONCESETUP"), 6);
    EXPECT_EQ(ItemTypeCodeOfName("type_activex"), -1);  // names are exact
    EXPECT_EQ(ItemTypeCodeOfName(""), -1);
    // Both spellings of a doubled code read back to it.
    EXPECT_EQ(EventCodeOfName("START_Restore"), 12);
    EXPECT_EQ(EventCodeOfName("REMOVE_TASKSCHEDULER"), 23);
    EXPECT_EQ(EventCodeOfName("*HIDDEN_DeleteFile"), 29);
    EXPECT_EQ(EventCodeOfName("HIDDEN_DeleteFile"), -1);
}

TEST(HistoryNames, OnlyStarredEventsAreRestorable) {
    for (int code = -1; code <= 40; ++code)
        EXPECT_EQ(IsRestorableEvent(code), code == 0 || code == 29) << code;
}

TEST(HistoryLine, FieldsInOrderEndedByCrLf) {
    auto line = BuildHistoryLine(At(2026, 12, 4, 0, 5), "Updater", "C:\\APP\\UPD.EXE -q", "", 11, 0);
    EXPECT_EQ(line.view(), "12/04/2026  12:05 AM\t*START_Remove\tCURRENT_RUN\tUpdater\tC:\\APP\\UPD.EXE -q\t\r\n");
}

TEST(HistoryLine, OddFieldsCannotBreakTheLine) {
    struct Case {
        const char* name;
        std::string title, command, detail;
        std::string expectedTitle, expectedCommand, expectedDetail;
    } cases[] = {
        {"empty", "", "", "", "", "", ""},
        {"tab inside", "a\tb", "c\td", "\t", "a b", "c d", " "},
        {"line breaks", "two\r\nlines", "x\ny", "\r", "two  lines", "x y", " "},
        {"embedded NUL", std::string("ab\0cd", 5), std::string("\0x", 2), "z", "ab", "", "z"},
        {"over-long", std::string(500, 'T'), std::string(2000, 'C'), std::string(300, 'D'),
         std::string(kHistoryTitleMax - 1, 'T'), std::string(kHistoryCommandMax - 1, 'C'),
         std::string(kHistoryDetailMax - 1, 'D')},
    };
    for (const Case& c : cases) {
        auto line = BuildHistoryLine(At(2026, 12, 4, 13, 30), c.title, c.command, c.detail, 900, 3);
        std::string expected = "12/04/2026  1:30 PM\tIEHELPER_Remove\tTYPE_BHO\t" + c.expectedTitle + "\t" +
                               c.expectedCommand + "\t" + c.expectedDetail + "\r\n";
        EXPECT_EQ(line.view(), expected) << c.name;
    }
}

TEST(HistoryLine, UnknownEventIsWrittenAsLogUnknown) {
    auto line = BuildHistoryLine(At(2026, 12, 4, 13, 30), "t", "c", "d", 4242, 99);
    EXPECT_EQ(line.view(), "12/04/2026  1:30 PM\tLOG_UNKNOWN\tTYPE_UNKNOWN\tt\tc\td\r\n");
}

TEST_F(HistoryFile, AppendsLinesAtTheEnd) {
    ASSERT_EQ(WriteHistory(At(2026, 12, 4, 0, 5), "Updater", "C:\\APP\\UPD.EXE", "", 1, 0), 1);
    ASSERT_EQ(WriteHistory(At(2026, 12, 4, 13, 30), "Spooler", "C:\\WINDOWS\\SPOOL.EXE", "was Automatic", 700, 9), 1);
    EXPECT_EQ(Contents(),
              "12/04/2026  12:05 AM\t*START_Remove\tMACHINE_RUN\tUpdater\tC:\\APP\\UPD.EXE\t\r\n"
              "12/04/2026  1:30 PM\tSERVICE_Stop\tSERVICE_EXE\tSpooler\tC:\\WINDOWS\\SPOOL.EXE\twas Automatic\r\n");
}

TEST_F(HistoryFile, CurrentTimeStampHasTheLineFormat) {
    ASSERT_EQ(WriteHistory("Game", "C:\\GAME.EXE", "", 600, 5), 1);
    std::string text = Contents();
    ASSERT_GE(text.size(), 20u);
    EXPECT_EQ(text.substr(2, 1), "/");
    EXPECT_EQ(text.substr(10, 2), "  ");
    EXPECT_NE(text.find("M\tTASK_Kill\tINFO_TASK\tGame\tC:\\GAME.EXE\t\r\n"), std::string::npos);
}

TEST_F(HistoryFile, OptionOffWritesNothing) {
    struct Case {
        const char* value;
        int expected;
    } cases[] = {{"0", 0}, {"-3", 0}, {"1", 1}, {"2", 1}};
    for (const Case& c : cases) {
        DeleteFileA(path_.c_str());
        RegWriteString(HKEY_CURRENT_USER, kOptionsKey, "History", c.value);
        EXPECT_EQ(WriteHistory(At(2026, 12, 4, 0, 5), "t", "c", "d", 1, 0), c.expected) << c.value;
        EXPECT_EQ(GetFileAttributesA(path_.c_str()) != INVALID_FILE_ATTRIBUTES, c.expected == 1) << c.value;
    }
}

TEST_F(HistoryFile, BriefClashWithAnotherWriterLosesNoLine) {
    ASSERT_EQ(WriteHistory(At(2026, 12, 4, 0, 5), "first", "c", "", 1, 0), 1);
    {
        FileHolder holder(path_, std::chrono::milliseconds(200));
        ASSERT_TRUE(holder.held());
        EXPECT_EQ(WriteHistory(At(2026, 12, 4, 13, 30), "second", "c", "", 1, 0), 1);
    }
    EXPECT_EQ(Contents(),
              "12/04/2026  12:05 AM\t*START_Remove\tMACHINE_RUN\tfirst\tc\t\r\n"
              "12/04/2026  1:30 PM\t*START_Remove\tMACHINE_RUN\tsecond\tc\t\r\n");
}

TEST_F(HistoryFile, LongClashGivesUpWithoutHanging) {
    ASSERT_EQ(WriteHistory(At(2026, 12, 4, 0, 5), "first", "c", "", 1, 0), 1);
    {
        FileHolder holder(path_, std::chrono::milliseconds(1500));
        ASSERT_TRUE(holder.held());
        auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(WriteHistory(At(2026, 12, 4, 13, 30), "lost", "c", "", 1, 0), 0);
        auto waited = std::chrono::steady_clock::now() - start;
        EXPECT_GE(waited, std::chrono::milliseconds(300));
        EXPECT_LT(waited, std::chrono::milliseconds(1200));
    }
    EXPECT_EQ(Contents(), "12/04/2026  12:05 AM\t*START_Remove\tMACHINE_RUN\tfirst\tc\t\r\n");
}
