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
    FixedText<64> out;
    EXPECT_EQ(SkipLeadingSpaces("   \t  run.exe /x", out), 10u);
    EXPECT_STREQ(out.c_str(), "run.exe /x");
    SkipLeadingSpaces("    ", out);
    EXPECT_STREQ(out.c_str(), "");

    ExtensionOf("archive.tar.gz", out);
    EXPECT_STREQ(out.c_str(), ".tar.gz");
    ExtensionOf("README", out);
    EXPECT_STREQ(out.c_str(), "");

    NoteName("A=B=C.EXE", out);
    EXPECT_STREQ(out.c_str(), "A:B:C.EXE");

    EXPECT_EQ(StripQuotes("\"C:\\Program Files\\a.exe\" \"x\"", out), 24u);
    EXPECT_STREQ(out.c_str(), "C:\\Program Files\\a.exe x");

    CommaToBlank("a,b,c,d", 5, out);
    EXPECT_STREQ(out.c_str(), "a b c");
    CommaToBlank("a,b", 99, out);
    EXPECT_STREQ(out.c_str(), "a b");

    FixedText<4> tiny;
    EXPECT_EQ(NoteName("ABCDEFG", tiny), 3u);
    EXPECT_STREQ(tiny.c_str(), "ABC");
}

TEST(StripQuotes, KeepsAtMost512Characters) {
    std::string text = "\"" + std::string(700, 'a') + "\"";
    FixedText<1024> out;
    EXPECT_EQ(StripQuotes(text, out), 512u);
    EXPECT_EQ(std::string(out.view()), std::string(512, 'a'));
}

TEST(UrlEscape, EscapesBlanksAndAmpersands) {
    FixedText<64> out;
    UrlEscape("Foo Bar & Co", out);
    EXPECT_STREQ(out.c_str(), "Foo%20Bar%20+%20Co");
    UrlEscape("100%", out);
    EXPECT_STREQ(out.c_str(), "100%");
    // A %20 that does not fit whole is left out, never cut to "%2".
    FixedText<5> small;
    UrlEscape("ab c", small);
    EXPECT_STREQ(small.c_str(), "ab");
}

TEST(FormatThousands, GroupsDigitsByThree) {
    struct Case { long long number; const char* expected; };
    const Case cases[] = {
        {0, "0"}, {7, "7"}, {999, "999"}, {1000, "1,000"}, {123456, "123,456"}, {1234567, "1,234,567"},
        {-1234, "-1,234"}, {3221225472LL, "3,221,225,472"}, {LLONG_MAX, "9,223,372,036,854,775,807"},
        {LLONG_MIN, "-9,223,372,036,854,775,808"},
    };
    FixedText<40> out;
    for (const Case& c : cases) {
        FormatThousands(c.number, out);
        EXPECT_STREQ(out.c_str(), c.expected);
    }
    FixedText<6> small;
    EXPECT_EQ(FormatThousands(1234567, small), 5u);
    EXPECT_STREQ(small.c_str(), "1,234");
}

TEST(FillFirstString, OverrideTextsCannotAskForMoreArguments) {
    EXPECT_EQ(FillFirstString("The file %s is here.", "A.EXE"), "The file A.EXE is here.");
    EXPECT_EQ(FillFirstString("%d %n %s %s %x", "A"), "%d %n A %s %x");
    EXPECT_EQ(FillFirstString("no mark", "A"), "no mark");
}

// The one case-blind rule: upper-cased by the code page, then compared byte by
// byte. Letters beyond ASCII fold too; nothing is ignored or read as another
// text, as the locale's collation would ("co-op" and "coop", "ß" and "SS").
TEST(CaseBlindComparison, FoldsLettersAndKeepsEveryOtherCharacter) {
    struct Case { std::string a, b; bool equal; int order; };
    const Case cases[] = {
        {"C:\\WINDOWS\\notepad.exe", "c:\\windows\\NOTEPAD.EXE", true, 0},
        {"Caf\xE9", "CAF\xC9", true, 0},                        // e acute and E acute
        {"co-op", "coop", false, -1},                          // '-' sorts before letters
        {"Stra\xDF" "e", "STRASSE", false, 1},                 // sharp s is no "SS"
        {"a\xAD" "b", "ab", false, 1},                         // a soft hyphen counts
        {"abc", "abcd", false, -1},                            // a text that begins another comes first
        {std::string("ab\0c", 4), std::string("AB\0C", 4), true, 0},
        {"_tool", "Zed", false, 1},                            // by character code after upper-casing
        {"", "", true, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(EqualsNoCase(c.a, c.b), c.equal) << c.a << " / " << c.b;
        int order = CompareNoCase(c.a, c.b);
        EXPECT_EQ((order > 0) - (order < 0), c.order) << c.a << " / " << c.b;
        EXPECT_EQ(FoldCase(c.a) == FoldCase(c.b), c.equal) << c.a << " / " << c.b;
    }
    // Longer than the pieces the comparison folds at a time.
    const std::string longText(300, 'x');
    EXPECT_TRUE(EqualsNoCase(longText + "end", std::string(300, 'X') + "END"));
    EXPECT_LT(CompareNoCase(longText + "a", longText + "B"), 0);
}

TEST(FindNoCase, FindsTheFirstPlaceWithoutRegardToCase) {
    EXPECT_EQ(FindNoCase("\\SystemRoot\\system32\\x.sys", "SYSTEMROOT"), 1u);
    EXPECT_EQ(FindNoCase("%systemroot%\\a %SystemRoot%", "SystemRoot"), 1u);
    EXPECT_EQ(FindNoCase("abc", "abcd"), std::string::npos);
    EXPECT_EQ(FindNoCase("abc", ""), std::string::npos);
    EXPECT_EQ(FindNoCase("Caf\xE9 au lait", "CAF\xC9"), 0u);
}
