#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "base/text_helpers.h"

TEST(ContainsNoCase, MatchesWithoutRegardToCase) {
    struct Case { const char* text; const char* needle; bool expected; };
    const Case cases[] = {
        {"C:\\Program Files\\Microsoft Office\\winword.exe", "MICROSOFT", true},
        {"\\SystemRoot\\System32\\drivers\\x.sys", "systemroot", true},
        {"RunDll32.Exe shell32.dll,Foo", "RUNDLL32.EXE", true},
        {"firefox.exe", "FIREFOX.EXE", true},
        {"abc", "abcd", false},
        {"abc", "", false},
        {"", "abc", false},
        {"Macrosoft", "microsoft", false},
    };
    for (const Case& c : cases) EXPECT_EQ(ContainsNoCase(c.text, c.needle), c.expected) << c.text << " / " << c.needle;
}

TEST(ContainsNoCase, TextsOver772CharactersNeverMatch) {
    std::string text(771, 'x');
    text += "y";  // 772 characters: still searched, needle at the very end
    EXPECT_TRUE(ContainsNoCase(text, "Y"));
    text += "y";  // 773 characters
    EXPECT_FALSE(ContainsNoCase(text, "Y"));
    EXPECT_FALSE(ContainsNoCase(text, "x"));
}

TEST(FileNameOffset, PointsPastTheLastBackslash) {
    EXPECT_EQ(FileNameOffset("C:\\Windows\\notepad.exe"), 11);
    EXPECT_EQ(FileNameOffset("notepad.exe"), 0);
    EXPECT_EQ(FileNameOffset("C:\\dir\\"), 7);
    EXPECT_EQ(FileNameOffset(""), 0);
}

TEST(TextCopies, TransformAndStayInsideTheBuffer) {
    char out[64];
    EXPECT_EQ(SkipLeadingSpaces("   \t  run.exe /x", out, sizeof(out)), 10u);
    EXPECT_STREQ(out, "run.exe /x");
    SkipLeadingSpaces("    ", out, sizeof(out));
    EXPECT_STREQ(out, "");

    ExtensionOf("archive.tar.gz", out, sizeof(out));
    EXPECT_STREQ(out, ".tar.gz");
    ExtensionOf("README", out, sizeof(out));
    EXPECT_STREQ(out, "");

    NoteName("A=B=C.EXE", out, sizeof(out));
    EXPECT_STREQ(out, "A:B:C.EXE");

    EXPECT_EQ(StripQuotes("\"C:\\Program Files\\a.exe\" \"x\"", out, sizeof(out)), 24u);
    EXPECT_STREQ(out, "C:\\Program Files\\a.exe x");

    CommaToBlank("a,b,c,d", 5, out, sizeof(out));
    EXPECT_STREQ(out, "a b c");
    CommaToBlank("a,b", 99, out, sizeof(out));
    EXPECT_STREQ(out, "a b");

    char tiny[4];
    EXPECT_EQ(NoteName("ABCDEFG", tiny, sizeof(tiny)), 3u);
    EXPECT_STREQ(tiny, "ABC");
}

TEST(StripQuotes, KeepsAtMost512Characters) {
    std::string text = "\"" + std::string(700, 'a') + "\"";
    char out[1024];
    EXPECT_EQ(StripQuotes(text, out, sizeof(out)), 512u);
    EXPECT_EQ(std::string(out), std::string(512, 'a'));
}

TEST(UrlEscape, EscapesBlanksAndAmpersands) {
    char out[64];
    UrlEscape("Foo Bar & Co", out, sizeof(out));
    EXPECT_STREQ(out, "Foo%20Bar%20+%20Co");
    UrlEscape("100%", out, sizeof(out));
    EXPECT_STREQ(out, "100%");
    // A %20 that does not fit whole is left out, never cut to "%2".
    char small[5];
    UrlEscape("ab c", small, sizeof(small));
    EXPECT_STREQ(small, "ab");
}

TEST(FormatThousands, GroupsDigitsByThree) {
    struct Case { long long number; const char* expected; };
    const Case cases[] = {
        {0, "0"}, {7, "7"}, {999, "999"}, {1000, "1,000"}, {123456, "123,456"}, {1234567, "1,234,567"},
        {-1234, "-1,234"}, {3221225472LL, "3,221,225,472"}, {LLONG_MAX, "9,223,372,036,854,775,807"},
        {LLONG_MIN, "-9,223,372,036,854,775,808"},
    };
    char out[40];
    for (const Case& c : cases) {
        FormatThousands(c.number, out, sizeof(out));
        EXPECT_STREQ(out, c.expected);
    }
    char small[6];
    EXPECT_EQ(FormatThousands(1234567, small, sizeof(small)), 5u);
    EXPECT_STREQ(small, "1,234");
}
