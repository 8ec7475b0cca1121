#include <gtest/gtest.h>

#include <string>

#include "base/date_time.h"
#include "support/test_files.h"

namespace {

constexpr const char* kInternational = "Control Panel\\International";

SYSTEMTIME At(int year, int month, int day, int hour, int minute) {
    SYSTEMTIME t{};
    t.wYear = WORD(year);
    t.wMonth = WORD(month);
    t.wDay = WORD(day);
    t.wHour = WORD(hour);
    t.wMinute = WORD(minute);
    t.wSecond = 59;  // never shown
    return t;
}

std::string Format(const SYSTEMTIME& t) {
    FixedText<64> out;
    int n = FormatLocalDateTime(t, out);
    EXPECT_EQ(size_t(n), strlen(out.c_str()));
    return std::string(out.view());
}

class DatePatternTest : public ::testing::Test {
protected:
    testsupport::RegistryGuard shortDate{HKEY_CURRENT_USER, kInternational, "sShortDate"};
    testsupport::RegistryGuard timeFormat{HKEY_CURRENT_USER, kInternational, "sTimeFormat"};
};

}  // namespace

TEST_F(DatePatternTest, ShortDatePatterns) {
    timeFormat.Set("HH:mm:ss");
    struct Case { const char* pattern; const char* expected; };
    const Case cases[] = {
        {"M/d/yyyy", "12/04/2026 14:05"},  {"M/d/yy", "12/04/2026 14:05"},   {"MM/dd/yy", "12/04/2026 14:05"},
        {"MM/dd/yyyy", "12/04/2026 14:05"}, {"yy/MM/dd", "2026/12/04 14:05"}, {"yyyy-MM-dd", "2026-12-04 14:05"},
        {"dd-MMM-yy", "04-Dec-2026 14:05"}, {"DD-mmm-YY", "04-Dec-2026 14:05"},
        // A pattern not in the table reads month/day/year with the full year.
        {"d.M.yyyy", "12/04/2026 14:05"},   {"", "12/04/2026 14:05"},
        {"yyyy-MM-dd and much more text than 24", "12/04/2026 14:05"},
    };
    for (const Case& c : cases) {
        shortDate.Set(c.pattern);
        EXPECT_EQ(Format(At(2026, 12, 4, 14, 5)), c.expected) << c.pattern;
    }
    shortDate.Set("dd-MMM-yy");
    EXPECT_EQ(Format(At(2026, 1, 31, 9, 0)), "31-Jan-2026 09:00");
}

TEST_F(DatePatternTest, TimePatterns) {
    shortDate.Set("dd-MMM-yy");
    struct Case { const char* pattern; int hour, minute; const char* time; };
    const Case cases[] = {
        {"h:mm:ss tt", 14, 5, "2:05 PM"},   {"h:mm:ss tt", 0, 30, "12:30 AM"},  {"h:mm:ss tt", 12, 30, "12:30 PM"},
        {"h:mm:ss tt", 9, 7, "9:07 AM"},    {"h:mm:ss tt", 23, 59, "11:59 PM"},
        {"hh:mm:ss tt", 14, 5, "02:05 PM"}, {"hh:mm:ss tt", 0, 30, "12:30 AM"}, {"hh:mm:ss tt", 12, 30, "12:30 PM"},
        {"H:mm:ss", 14, 5, "14:05"},        {"H:mm:ss", 0, 30, "0:30"},         {"H:mm:ss", 12, 30, "12:30"},
        {"HH:mm:ss", 14, 5, "14:05"},       {"HH:mm:ss", 0, 30, "00:30"},       {"HH:mm:ss", 12, 30, "12:30"},
        // Anything else reads as the first row.
        {"HH.mm", 14, 5, "2:05 PM"},        {"", 0, 30, "12:30 AM"},
    };
    for (const Case& c : cases) {
        timeFormat.Set(c.pattern);
        EXPECT_EQ(Format(At(2026, 12, 4, c.hour, c.minute)), std::string("04-Dec-2026 ") + c.time)
            << c.pattern << " " << c.hour << ":" << c.minute;
    }
}

TEST_F(DatePatternTest, MissingPatternsReadAsTheFirstRows) {
    shortDate.Remove();
    timeFormat.Remove();
    EXPECT_EQ(Format(At(2026, 12, 4, 14, 5)), "12/04/2026 2:05 PM");
}

TEST_F(DatePatternTest, SeesAChangedSettingAtOnce) {
    shortDate.Set("yyyy-MM-dd");
    timeFormat.Set("HH:mm:ss");
    const SYSTEMTIME t = At(2026, 12, 4, 14, 5);
    EXPECT_EQ(Format(t), "2026-12-04 14:05");
    EXPECT_EQ(Format(t), "2026-12-04 14:05");
    shortDate.Set("dd-MMM-yy");
    EXPECT_EQ(Format(t), "04-Dec-2026 14:05");
    timeFormat.Set("h:mm:ss tt");
    EXPECT_EQ(Format(t), "04-Dec-2026 2:05 PM");
    shortDate.Remove();
    EXPECT_EQ(Format(t), "12/04/2026 2:05 PM");
}

TEST_F(DatePatternTest, ResultIsCutToTheBuffer) {
    shortDate.Set("dd-MMM-yy");
    timeFormat.Set("hh:mm:ss tt");
    FixedText<8> out;
    EXPECT_EQ(FormatLocalDateTime(At(2026, 12, 4, 14, 5), out), 7);
    EXPECT_STREQ(out.c_str(), "04-Dec-");
    // Odd input stays within the 24 characters.
    SYSTEMTIME odd = At(30827, 13, 99, 25, 99);
    EXPECT_LE(Format(odd).size(), kDateTimeMax);
}

TEST(UnixTimeToLocal, ConvertsSecondsSince1970) {
    struct Case { long long seconds; int year, month, day, hour, minute, second; };
    const Case cases[] = {
        {0, 1970, 1, 1, 0, 0, 0},
        {1700000000, 2023, 11, 14, 22, 13, 20},
        {951782400, 2000, 2, 29, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SYSTEMTIME utc{};
        utc.wYear = WORD(c.year); utc.wMonth = WORD(c.month); utc.wDay = WORD(c.day);
        utc.wHour = WORD(c.hour); utc.wMinute = WORD(c.minute); utc.wSecond = WORD(c.second);
        SYSTEMTIME expected{}, local{};
        ASSERT_TRUE(SystemTimeToTzSpecificLocalTime(nullptr, &utc, &expected));
        ASSERT_TRUE(UnixTimeToLocal(c.seconds, local)) << c.seconds;
        EXPECT_EQ(local.wYear, expected.wYear);
        EXPECT_EQ(local.wMonth, expected.wMonth);
        EXPECT_EQ(local.wDay, expected.wDay);
        EXPECT_EQ(local.wHour, expected.wHour);
        EXPECT_EQ(local.wMinute, expected.wMinute);
        EXPECT_EQ(local.wSecond, expected.wSecond);
    }
    SYSTEMTIME out;
    EXPECT_FALSE(UnixTimeToLocal(-11644473601LL, out));
    EXPECT_FALSE(UnixTimeToLocal(0x7FFFFFFFFFFFFFFFLL, out));
}
