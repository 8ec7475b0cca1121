#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>

#include "shell/app_state.h"
#include "shell/list_store.h"
#include "shell/options.h"
#include "shell/recent_store.h"
#include "shell/list_test_support.h"

namespace {

class ListStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        ListStoreClear();
        savedCaption_ = g_app.caption;
        g_app.caption = "Sentrivox";
    }
    void TearDown() override {
        ListStoreClear();
        g_app.caption = savedCaption_.view();
    }
    FixedText<64> savedCaption_;
};

TEST_F(ListStoreTest, HoldsAtMost4096RowsAndClears) {
    for (int i = 0; i < kListStoreMaxRows; ++i)
        ASSERT_TRUE(ListStoreAppend("row " + std::to_string(i), "C:\\x.exe", "", "", 1, 0)) << i;
    EXPECT_FALSE(ListStoreAppend("one too many", "C:\\x.exe", "", "", 1, 0));
    EXPECT_EQ(ListStoreCount(), kListStoreMaxRows);
    EXPECT_STREQ(ListStoreRow(kListStoreMaxRows - 1)->title.c_str(), "row 4095");

    ListStoreClear();
    EXPECT_EQ(ListStoreCount(), 0);
    EXPECT_EQ(ListStoreRow(0), nullptr);
    EXPECT_TRUE(ListStoreAppend("again", "C:\\x.exe", "", "", 1, 0));
}

TEST_F(ListStoreTest, CookieFileRowsStopAtMaxCookie) {
    listtest::OptionValues options({"MaxCookie"});
    WriteOption("MaxCookie", 3);
    ListStoreClear();  // the limit is read once per fill
    for (int i = 0; i < 3; ++i) ASSERT_TRUE(ListStoreAppend("c", "C:\\c.txt", "", "", kCookieRowType, 0));
    EXPECT_FALSE(ListStoreAppend("c", "C:\\c.txt", "", "", kCookieRowType, 0));
    // Database cookies and other rows are bounded only by the store.
    EXPECT_TRUE(ListStoreAppend("db", "/", "v", "", 504, 1));
    EXPECT_EQ(ListStoreCount(), 4);
}

TEST_F(ListStoreTest, AppendRules) {
    const std::string longTitle(200, 'T'), longPath(300, 'P'), longDetail(300, 'D'), longText(2000, 'x');
    struct Case {
        const char* name;
        std::string title, path, detail, description;
        std::string wantTitle, wantPath, wantDetail, wantDescription;
    } cases[] = {
        {"quotes leave the path", "Tool", "\"C:\\Program Files\\Tool\\tool.exe\" /min", "HKLM\\Run", "",
         "Tool", "C:\\Program Files\\Tool\\tool.exe /min", "HKLM\\Run", ""},
        {"quotes inside too", "Tool", "C:\\a\"b\"\\c.exe", "", "", "Tool", "C:\\ab\\c.exe", "", ""},
        {"short path kept as is", "Tool", "\"ab\"", "x", "", "Tool", "ab", "x", ""},
        {"empty title from file name", "", "C:\\No Such Folder\\notepad.exe", "", "", "notepad",
         "C:\\No Such Folder\\notepad.exe", "", ""},
        {"empty title without extension loses 4 characters anyway", "", "C:\\dir\\README", "", "", "RE",
         "C:\\dir\\README", "", ""},
        {"empty title of a short file name", "", "C:\\dir\\abc", "", "", "", "C:\\dir\\abc", "", ""},
        {"empty title of a quoted path", "", "\"C:\\dir\\tool.exe\"", "", "", "tool", "C:\\dir\\tool.exe", "",
         ""},
        {"(Default) is stored empty", "(Default)", "C:\\x.exe", "", "", "", "C:\\x.exe", "", ""},
        {"(Default) inside a title", "Key (Default) value", "C:\\x.exe", "", "", "", "C:\\x.exe", "", ""},
        {"description as is", "T", "C:\\x.exe", "", "\"quoted\" text", "T", "C:\\x.exe", "", "\"quoted\" text"},
        {"cuts", longTitle, longPath, longDetail, longText, std::string(127, 'T'), std::string(259, 'P'),
         std::string(259, 'D'), std::string(1023, 'x')},
    };
    for (const Case& c : cases) {
        ListStoreClear();
        ASSERT_TRUE(ListStoreAppend(c.title, c.path, c.detail, c.description, 11, 7)) << c.name;
        const ListRow* row = ListStoreRow(0);
        ASSERT_NE(row, nullptr);
        EXPECT_EQ(row->title.view(), c.wantTitle) << c.name;
        EXPECT_EQ(row->path.view(), c.wantPath) << c.name;
        EXPECT_EQ(row->detail.view(), c.wantDetail) << c.name;
        EXPECT_EQ(row->description.view(), c.wantDescription) << c.name;
        EXPECT_EQ(row->typeCode, 11) << c.name;
        EXPECT_EQ(row->flag, 7) << c.name;
    }
}

TEST_F(ListStoreTest, ShortPathsTakeTheirLongForm) {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    std::string folder = std::string(temp) + "Sentrivox Long Folder Name";
    std::string file = folder + "\\A Long File Name.exe";
    CreateDirectoryA(folder.c_str(), nullptr);
    CloseHandle(CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    char shortFile[MAX_PATH] = {}, shortFolder[MAX_PATH] = {}, longFile[MAX_PATH] = {};
    GetShortPathNameA(file.c_str(), shortFile, MAX_PATH);
    GetShortPathNameA(folder.c_str(), shortFolder, MAX_PATH);
    GetLongPathNameA(shortFile, longFile, MAX_PATH);
    ASSERT_STRNE(shortFile, longFile);

    ASSERT_TRUE(ListStoreAppend("t", std::string("\"") + shortFile + "\"", shortFolder, "", 1, 0));
    EXPECT_STREQ(ListStoreRow(0)->path.c_str(), longFile);
    char longFolder[MAX_PATH] = {};
    GetLongPathNameA(shortFolder, longFolder, MAX_PATH);
    EXPECT_STREQ(ListStoreRow(0)->detail.c_str(), longFolder);

    DeleteFileA(file.c_str());
    RemoveDirectoryA(folder.c_str());
}

TEST_F(ListStoreTest, TitleNamingTheProductBecomesTheCaption) {
    ListStoreAppend("Ordinary", "C:\\x.exe", "", "", 1, 0);
    EXPECT_STREQ(g_app.caption.c_str(), "Sentrivox");

    ListStoreAppend("my SENTRIVOX helper", "C:\\x.exe", "", "", 1, 0);
    EXPECT_STREQ(g_app.caption.c_str(), "my SENTRIVOX helper");
    EXPECT_STREQ(ListStoreRow(1)->title.c_str(), "my SENTRIVOX helper");

    const std::string longTitle = "Sentrivox " + std::string(100, 'z');
    ListStoreAppend(longTitle, "C:\\x.exe", "", "", 1, 0);
    EXPECT_EQ(g_app.caption.view(), longTitle.substr(0, 63));

    ListStoreAppend("Sentrivox (Default)", "C:\\x.exe", "", "", 1, 0);
    EXPECT_STREQ(g_app.caption.c_str(), "Sentrivox (Default)");
    EXPECT_STREQ(ListStoreRow(3)->title.c_str(), "");
}

TEST_F(ListStoreTest, FieldReadersCopyBoundedAndMissingRowsReadEmpty) {
    ListStoreAppend("Title", "C:\\dir\\file.exe", "Detail", "Description text", 42, -3);
    char out[6];
    EXPECT_EQ(ListStoreTitle(0, out, sizeof(out)), 5);
    EXPECT_STREQ(out, "Title");
    EXPECT_EQ(ListStorePath(0, out, sizeof(out)), 5);
    EXPECT_STREQ(out, "C:\\di");
    EXPECT_EQ(ListStoreDescription(0, out, sizeof(out)), 5);
    EXPECT_STREQ(out, "Descr");
    FixedText<260> detail;
    EXPECT_EQ(ListStoreDetail(0, detail), 6);
    EXPECT_STREQ(detail.c_str(), "Detail");
    EXPECT_EQ(ListStoreTypeCode(0), 42);
    EXPECT_EQ(ListStoreFlag(0), -3);

    for (int missing : {-1, 1, 5000}) {
        std::strcpy(out, "junk");
        EXPECT_EQ(ListStoreTitle(missing, out, sizeof(out)), 0);
        EXPECT_STREQ(out, "");
        EXPECT_EQ(ListStoreTypeCode(missing), 0);
        EXPECT_EQ(ListStoreFlag(missing), 0);
    }
}

TEST(RecentStore, HoldsAtMost4096RecordsWithTheirFields) {
    RecentStoreClear();
    for (int i = 0; i < kRecentStoreMaxRows; ++i)
        ASSERT_TRUE(RecentStoreAppend("t", "C:\\X.EXE", 1010, "d", 600, i));
    EXPECT_FALSE(RecentStoreAppend("t", "C:\\X.EXE", 1010, "d", 600, 0));
    EXPECT_EQ(RecentStoreCount(), kRecentStoreMaxRows);
    EXPECT_EQ(RecentStoreFlag(4095), 4095);
    EXPECT_EQ(RecentStoreCategory(0), 1010);
    EXPECT_EQ(RecentStoreTypeCode(0), 600);
    RecentStoreClear();
    EXPECT_EQ(RecentStoreCount(), 0);

    RecentStoreAppend(std::string(200, 'n'), std::string(300, 'p'), 1070, std::string(300, 'd'), 11, 0);
    EXPECT_EQ(RecentStoreRow(0)->title.size(), 127u);
    EXPECT_EQ(RecentStoreRow(0)->path.size(), 259u);
    EXPECT_EQ(RecentStoreRow(0)->detail.size(), 259u);
    char out[8] = "junk";
    EXPECT_EQ(RecentStorePath(1, out, sizeof(out)), 0);
    EXPECT_STREQ(out, "");
    RecentStoreClear();
}

}  // namespace
