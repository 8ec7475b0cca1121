#include <gtest/gtest.h>

#include <string>

#include "base/program_folders.h"
#include "support/test_files.h"

namespace {

constexpr const char* kShellFolders = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

std::string ExeFolder() {
    char module[MAX_PATH];
    GetModuleFileNameA(nullptr, module, MAX_PATH);
    std::string path = module;
    return path.substr(0, path.rfind('\\'));
}

bool IsFolder(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

class DataFolderTest : public ::testing::Test {
protected:
    testsupport::RegistryGuard appData{HKEY_CURRENT_USER, kShellFolders, "AppData"};
    ScratchFolder scratch{"C:\\sx-h-appdata"};
};

template <size_t N>
std::string Text(int (*fn)(TextBuffer)) {
    FixedText<N> out;
    fn(out);
    return std::string(out.view());
}

}  // namespace

TEST(ProgramFolder, IsTheFolderOfTheRunningProgram) {
    FixedText<MAX_PATH> out;
    EXPECT_EQ(ProgramFolder(out), int(ExeFolder().size()));
    EXPECT_EQ(std::string(out.view()), ExeFolder());
}

TEST_F(DataFolderTest, CreatesTheDataFolderAndItsVault) {
    appData.Set(scratch / "App Data");
    CreateDirectoryA((scratch / "App Data").c_str(), nullptr);
    EXPECT_EQ(Text<MAX_PATH>(DataFolder), scratch / "App Data\\Sentrivox");
    EXPECT_TRUE(IsFolder(scratch / "App Data\\Sentrivox\\vault"));
    // Existing folders are a success too.
    EXPECT_EQ(Text<MAX_PATH>(DataFolder), scratch / "App Data\\Sentrivox");
    EXPECT_EQ(Text<MAX_PATH>(VaultFolder), scratch / "App Data\\Sentrivox\\vault");
}

TEST_F(DataFolderTest, FallsBackToTheProgramFolder) {
    appData.Remove();
    EXPECT_EQ(Text<MAX_PATH>(DataFolder), ExeFolder());
    // A file where the vault should be: the folder cannot be made.
    CreateDirectoryA((scratch / "Sentrivox").c_str(), nullptr);
    ASSERT_TRUE(ScratchFolder::Write(scratch / "Sentrivox\\vault", "not a folder"));
    appData.Set(scratch.path());
    EXPECT_EQ(Text<MAX_PATH>(DataFolder), ExeFolder());
    appData.Set("Q:\\no\\such\\drive");
    EXPECT_EQ(Text<MAX_PATH>(DataFolder), ExeFolder());
}

TEST_F(DataFolderTest, NoteFilesAreNamedForTheProgram) {
    appData.Set(scratch.path());
    FixedText<MAX_PATH> out;
    NoteFilePath("\"C:\\Program Files\\Foo\\foo.exe\" /min", out);
    EXPECT_EQ(std::string(out.view()), scratch / "Sentrivox\\note_FOO.EXE.txt");
    NoteFilePath("C:\\Apps\\a=b.exe", out);
    EXPECT_EQ(std::string(out.view()), scratch / "Sentrivox\\note_A:B.EXE.txt");

    // A note beside the program wins over the data folder.
    const std::string besideProgram = ExeFolder() + "\\note_BAR.EXE.txt";
    ASSERT_TRUE(ScratchFolder::Write(besideProgram, "note"));
    NoteFilePath("C:\\Apps\\bar.exe", out);
    EXPECT_EQ(std::string(out.view()), besideProgram);
    DeleteFileA(besideProgram.c_str());
    NoteFilePath("C:\\Apps\\bar.exe", out);
    EXPECT_EQ(std::string(out.view()), scratch / "Sentrivox\\note_BAR.EXE.txt");
}

TEST(UserProfileName, IsTheLastPartOfTheProfilePath) {
    char saved[MAX_PATH] = {};
    DWORD had = GetEnvironmentVariableA("USERPROFILE", saved, MAX_PATH);
    struct Case { std::string profile, expected; };
    const Case cases[] = {
        {"C:\\users\\Some One", "Some One"},
        {"C:\\users\\trailing\\", "trailing"},
        {"plain", "plain"},
        {"C:\\users\\" + std::string(200, 'u'), std::string(128, 'u')},
    };
    FixedText<260> out;
    for (const Case& c : cases) {
        SetEnvironmentVariableA("USERPROFILE", c.profile.c_str());
        UserProfileName(out);
        EXPECT_EQ(std::string(out.view()), c.expected) << c.profile;
    }
    SetEnvironmentVariableA("USERPROFILE", nullptr);
    EXPECT_EQ(UserProfileName(out), 0);
    SetEnvironmentVariableA("USERPROFILE", had ? saved : nullptr);
}
