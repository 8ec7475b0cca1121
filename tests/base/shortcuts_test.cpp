#include <gtest/gtest.h>
#include <windows.h>
#include <objbase.h>

#include <cstring>
#include <string>

#include "base/fixed_text.h"
#include "base/shortcuts.h"
#include "support/test_files.h"

namespace {

// The long form, so that a short (8.3) target compares with the file's name.
std::string LongPath(const std::string& path) {
    char out[MAX_PATH] = {};
    GetLongPathNameA(path.c_str(), out, MAX_PATH);
    return out;
}

// COM for the shell's link objects, and a folder with a target program.
class Shortcuts : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
        ASSERT_TRUE(ScratchFolder::Write(target_, "MZ"));
    }
    void TearDown() override { CoUninitialize(); }

    HRESULT WriteLink(const std::string& link, const std::string& description) {
        return CreateShortcut(link, folder_.path(), description, target_, target_);
    }

    ScratchFolder folder_{"C:\\sxlinks"};
    std::string target_ = folder_ / "Long Target Name.exe";
};

TEST_F(Shortcuts, GoodShortcutReadsBackTargetAndDescription) {
    std::string link = folder_ / "Tool.lnk";
    ASSERT_EQ(WriteLink(link, "Starts the tool"), S_OK);
    FixedText<kShortcutTargetSize> target;
    FixedText<kShortcutDescriptionSize> description;
    EXPECT_EQ(ReadShortcut(link, target, description), S_OK);
    EXPECT_EQ(LongPath(target.c_str()), target_) << target.c_str();
    EXPECT_EQ(description.view(), "Starts the tool");
}

TEST_F(Shortcuts, BrokenShortcutSucceedsWithEmptyTexts) {
    std::string link = folder_ / "Gone.lnk";
    ASSERT_EQ(WriteLink(link, "Starts the tool"), S_OK);
    ASSERT_TRUE(DeleteFileA(target_.c_str()));
    FixedText<kShortcutTargetSize> target("stale");
    FixedText<kShortcutDescriptionSize> description("stale");
    HRESULT hr = ReadShortcut(link, target, description);
    EXPECT_TRUE(SUCCEEDED(hr) && hr != S_OK) << std::hex << hr;
    EXPECT_TRUE(target.empty());
    EXPECT_TRUE(description.empty());
}

TEST_F(Shortcuts, UnreadableShortcutsFailWithEmptyTexts) {
    std::string garbage = folder_ / "Garbage.lnk";
    ASSERT_TRUE(ScratchFolder::Write(garbage, std::string("\x4c\0\0\0not a link at all\xff\xfe", 22)));
    struct Case {
        const char* name;
        std::string path;
    } cases[] = {
        {"garbage", garbage},
        {"empty file", folder_ / "Empty.lnk"},
        {"missing", folder_ / "Missing.lnk"},
        {"over-long path", "C:\\" + std::string(400, 'x') + ".lnk"},
        {"empty path", ""},
    };
    ScratchFolder::Write(folder_ / "Empty.lnk", "");
    for (const Case& c : cases) {
        FixedText<kShortcutTargetSize> target("stale");
        FixedText<kShortcutDescriptionSize> description("stale");
        EXPECT_TRUE(FAILED(ReadShortcut(c.path, target, description))) << c.name;
        EXPECT_TRUE(target.empty()) << c.name;
        EXPECT_TRUE(description.empty()) << c.name;
    }
}

TEST_F(Shortcuts, SmallOutBuffersAreCutAndTerminated) {
    std::string link = folder_ / "Tool.lnk";
    ASSERT_EQ(WriteLink(link, std::string(300, 'd')), S_OK);
    FixedText<8> target;
    FixedText<16> description;
    std::memset(target.data(), '#', target.capacity());
    std::memset(description.data(), '#', description.capacity());
    ReadShortcut(link, target, description);
    EXPECT_LT(strnlen(target.data(), target.capacity()), target.capacity());
    EXPECT_LT(strnlen(description.data(), description.capacity()), description.capacity());
}

TEST_F(Shortcuts, InternetShortcutHoldsTheAddress) {
    std::string url = folder_ / "temp.url";
    ASSERT_EQ(CreateInternetShortcut("http://127.0.0.1/cgi-bin/plusinfo.pl?file=A.EXE", url), S_OK);
    std::string text = ReadWholeFile(url);
    EXPECT_NE(text.find("[InternetShortcut]"), std::string::npos) << text;
    EXPECT_NE(text.find("URL=http://127.0.0.1/cgi-bin/plusinfo.pl?file=A.EXE"), std::string::npos) << text;
    EXPECT_TRUE(FAILED(CreateInternetShortcut("http://x/", "C:\\" + std::string(400, 'u') + ".url")));
}

}  // namespace
