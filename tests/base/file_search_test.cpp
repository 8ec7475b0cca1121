#include <gtest/gtest.h>

#include <string>

#include "shell/app_state.h"
#include "base/file_search.h"
#include "support/test_files.h"
#include "base/windows_version.h"

namespace {

// Restores the 64-bit flag that a test sets.
struct Windows64Flag {
    bool saved = IsWindows64();
    ~Windows64Flag() { SetWindows64(saved); }
};

std::string Locate(const std::string& path, bool* found = nullptr) {
    FixedText<MAX_PATH> out;
    bool ok = LocateProgramFolder(path, out);
    if (found) *found = ok;
    return std::string(out.view());
}

}  // namespace

TEST(FileExists, FindsFilesAndBareSystemNames) {
    ScratchFolder folder("C:\\sx-h-exists");
    ASSERT_TRUE(ScratchFolder::Write(folder / "here.txt", "x"));
    struct Case { std::string path; bool expected; };
    const Case cases[] = {
        {"notepad.exe", true},                         // the Windows folder
        {"kernel32.dll", true},                        // the System folder
        {"NOTEPAD.EXE", true},
        {WindowsFolderPath() + "\\notepad.exe", true},
        {folder / "here.txt", true},
        {folder / "missing.txt", false},
        {folder.path(), false},                        // a folder is not a file
        {"", false},
        {"no-such-file-anywhere.exe", false},
        {"C:\\" + std::string(300, 'a') + ".exe", false},
    };
    for (const Case& c : cases) EXPECT_EQ(FileExists(c.path), c.expected) << c.path;
}

TEST(FileExists, SearchesOnlyBareNamesShorterThan32Characters) {
    const std::string name31 = "sx-h-" + std::string(22, 'n') + ".dat";  // 31 characters
    const std::string name32 = "sx-h-" + std::string(23, 'n') + ".dat";  // 32 characters
    ASSERT_EQ(name31.size(), 31u);
    ASSERT_EQ(name32.size(), 32u);
    const std::string in31 = WindowsFolderPath() + "\\" + name31, in32 = WindowsFolderPath() + "\\" + name32;
    ASSERT_TRUE(ScratchFolder::Write(in31, "x"));
    ASSERT_TRUE(ScratchFolder::Write(in32, "x"));
    EXPECT_TRUE(FileExists(name31));
    EXPECT_FALSE(FileExists(name32));
    EXPECT_TRUE(FileExists(in32));
    DeleteFileA(in31.c_str());
    DeleteFileA(in32.c_str());
}

TEST(FileExists, WorksWithThe64BitFlagSet) {
    // In a 64-bit process the redirection calls must be harmless.
    Windows64Flag flag;
    SetWindows64(true);
    EXPECT_TRUE(FileExists("notepad.exe"));
    EXPECT_TRUE(FileExists(SystemFolderPath() + "\\kernel32.dll"));
    EXPECT_FALSE(FileExists("no-such-file-anywhere.exe"));
    void* cookie = nullptr;
    SetFsRedirection(true, &cookie);
    SetFsRedirection(false, &cookie);
    EXPECT_TRUE(FileExists("notepad.exe"));
}

TEST(SetFsRedirection, IsANoOpWithoutThe64BitFlag) {
    Windows64Flag flag;
    SetWindows64(false);
    void* cookie = reinterpret_cast<void*>(0x1234);
    EXPECT_TRUE(SetFsRedirection(true, &cookie));
    EXPECT_EQ(cookie, reinterpret_cast<void*>(0x1234));
    EXPECT_TRUE(SetFsRedirection(false, &cookie));
}

TEST(FolderOfPath, CutsAtTheLastBackslash) {
    FixedText<MAX_PATH> out;
    EXPECT_EQ(FolderOfPath("C:\\a\\b\\c.exe", out), 6);
    EXPECT_STREQ(out.c_str(), "C:\\a\\b");
    EXPECT_EQ(FolderOfPath("C:\\c.exe", out), 2);
    EXPECT_STREQ(out.c_str(), "C:");
    EXPECT_EQ(FolderOfPath("c.exe", out), 0);
    EXPECT_STREQ(out.c_str(), "");
}

TEST(LocateProgramFolder, GivesTheFolderToShow) {
    bool found = false;
    EXPECT_EQ(Locate("C:\\Apps\\Foo\\foo.exe", &found), "C:\\Apps\\Foo");
    EXPECT_TRUE(found);
    EXPECT_EQ(Locate("C:\\foo.exe", &found), "C:\\");
    EXPECT_TRUE(found);
    EXPECT_EQ(Locate("notepad.exe", &found), WindowsFolderPath());
    EXPECT_TRUE(found);
    EXPECT_EQ(Locate("kernel32.dll", &found), SystemFolderPath());
    EXPECT_TRUE(found);
    EXPECT_EQ(Locate("no-such-file-anywhere.exe", &found), "");
    EXPECT_FALSE(found);
    Locate(std::string(40, 'n') + ".exe", &found);
    EXPECT_FALSE(found);
}

TEST(LocateProgramFolder, FindsFilesOnlyInSysWow64WithTrailingBackslash) {
    const std::string wow64 = WindowsFolderPath() + "\\SysWOW64";
    if (GetFileAttributesA(wow64.c_str()) == INVALID_FILE_ATTRIBUTES) GTEST_SKIP() << "no SysWOW64 folder";
    const std::string file = wow64 + "\\sx-h-wow.dll";
    ASSERT_TRUE(ScratchFolder::Write(file, "x"));
    bool found = false;
    EXPECT_EQ(Upper(Locate("sx-h-wow.dll", &found)), Upper(wow64 + "\\"));
    EXPECT_TRUE(found);
    DeleteFileA(file.c_str());
}

TEST(DeleteFileForce, DeletesReadOnlyFiles) {
    ScratchFolder folder("C:\\sx-h-delete");
    const std::string file = folder / "locked.txt";
    ASSERT_TRUE(ScratchFolder::Write(file, "x"));
    SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
    EXPECT_TRUE(DeleteFileForce(file));
    EXPECT_EQ(GetFileAttributesA(file.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_FALSE(DeleteFileForce(file));
    EXPECT_FALSE(DeleteFileForce(""));
}

TEST(HostsFilePath, IsUnderDriversEtcOnNt) {
    FixedText<MAX_PATH> out;
    HostsFilePath(out);
    ASSERT_TRUE(IsWindowsNT());
    EXPECT_EQ(std::string(out.view()), SystemFolderPath() + "\\drivers\\etc\\HOSTS");
}
