#include <gtest/gtest.h>

#include <string>

#include "base/command_line.h"
#include "support/test_files.h"

namespace {

constexpr const char* kCurrentVersion = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";

std::string Extract(const std::string& commandLine) {
    FixedText<260> out;
    int n = ExtractProgramFile(commandLine, out);
    EXPECT_EQ(size_t(n), strlen(out.c_str()));
    return std::string(out.view());
}

struct StartupSplit {
    std::string file, parameters;
};

StartupSplit Split(const std::string& commandLine) {
    FixedText<260> file;
    FixedText<1024> parameters;
    ExtractStartupFile(commandLine, file, parameters);
    return {std::string(file.view()), std::string(parameters.view())};
}

}  // namespace

TEST(ExtractProgramFile, TurnsCommandLinesIntoTheirFile) {
    const std::string windows = Upper(WindowsFolderPath());
    struct Case { std::string commandLine, expected; };
    const Case cases[] = {
        {"\"C:\\Program Files\\Foo\\foo.exe\" /min", "C:\\PROGRAM FILES\\FOO\\FOO.EXE"},
        {"\\SystemRoot\\System32\\drivers\\beep.sys", windows + "\\SYSTEM32\\DRIVERS\\BEEP.SYS"},
        {"rundll32.exe shell32.dll,Foo", "RUNDLL32.EXE"},
        {"C:\\one\\first.exe C:\\two\\second.dll", "C:\\ONE\\FIRST.EXE"},
        {"C:\\one\\lib.dll,Entry D:\\two\\b.exe", "C:\\ONE\\LIB.DLL"},
        {"\\??\\C:\\drivers\\filter.sys", "C:\\DRIVERS\\FILTER.SYS"},
        {"C:\\tools\\script.bat /q", "C:\\TOOLS\\SCRIPT.BAT /Q"},
        {":x.exe", ":X.EXE"},
        {"", ""},
        // Text that ends right after ".E" or ".EX": the stop test looks no further than the text.
        {"C:\\a.e", "C:\\A.E"},
        {"C:\\a.ex", "C:\\A.EX"},
        // The environment form and a bare prefix at the start of a path are the Windows folder too.
        {"%SystemRoot%\\system32\\svchost.exe -k netsvcs", windows + "\\SYSTEM32\\SVCHOST.EXE"},
        {"SystemRoot\\System32\\smss.exe", windows + "\\SYSTEM32\\SMSS.EXE"},
        // A folder that only has the prefix's name is a folder like any other.
        {"C:\\Tools\\SystemRoot\\x.exe", "C:\\TOOLS\\SYSTEMROOT\\X.EXE"},
    };
    for (const Case& c : cases) EXPECT_EQ(Extract(c.commandLine), c.expected) << c.commandLine;
}

TEST(ExtractProgramFile, ProgramFilesComesFromTheRegistry) {
    testsupport::RegistryGuard programFiles(HKEY_LOCAL_MACHINE, kCurrentVersion, "ProgramFilesDir");
    programFiles.Set("D:\\Apps Here");
    EXPECT_EQ(Extract("%PROGRAMFILES%\\Foo\\foo.exe -tray"), "D:\\APPS HERE\\FOO\\FOO.EXE");
    EXPECT_EQ(Extract("\"%ProgramFiles%\\Foo Bar\\bar.exe\" /s"), "D:\\APPS HERE\\FOO BAR\\BAR.EXE");
    programFiles.Remove();
    EXPECT_EQ(Extract("%PROGRAMFILES%\\Foo\\foo.exe"), "C:\\PROGRAM FILES\\FOO\\FOO.EXE");
}

TEST(ExtractProgramFile, StaysInsideItsBuffers) {
    // Far longer than the working copy, with and without a prefix to expand.
    std::string longLine = "C:\\" + std::string(3000, 'a') + ".exe";
    EXPECT_EQ(Extract(longLine).size(), 259u);
    std::string expanded = "\\SystemRoot\\" + std::string(700, 'b') + "\\x.exe";
    EXPECT_LE(Extract(expanded).size(), 259u);

    FixedText<8> small;
    EXPECT_EQ(ExtractProgramFile("C:\\Program Files\\Foo\\foo.exe", small), 7);
    EXPECT_STREQ(small.c_str(), "C:\\PROG");
}

TEST(NamesRundll32, FindsRundll32InAnyCase) {
    EXPECT_TRUE(NamesRundll32("rundll32.exe shell32.dll,Foo"));
    EXPECT_TRUE(NamesRundll32("C:\\WINDOWS\\System32\\RunDLL32.EXE url.dll,Run"));
    EXPECT_FALSE(NamesRundll32("C:\\Program Files\\Foo\\foo.exe"));
    EXPECT_FALSE(NamesRundll32("rundll.exe x"));
}

TEST(ExtractStartupFile, SplitsFileAndParameters) {
    const std::string windows = Upper(WindowsFolderPath());
    struct Case { std::string commandLine, file, parameters; };
    const Case cases[] = {
        {"\"C:\\Program Files\\Foo\\foo.exe\" /min", "C:\\PROGRAM FILES\\FOO\\FOO.EXE", "/min"},
        {"\"C:\\Program Files\\Foo\\foo.exe\"", "C:\\PROGRAM FILES\\FOO\\FOO.EXE", ""},
        {"C:\\Foo\\foo.exe   -a -b \"c d\"", "C:\\FOO\\FOO.EXE", "-a -b \"c d\""},
        {"rundll32.exe shell32.dll,Control_RunDLL", "RUNDLL32.EXE", "shell32.dll,Control_RunDLL"},
        {"C:\\Apps\\applet.cpl,@0", "C:\\APPS\\APPLET.CPL", ",@0"},
        {"C:\\tools\\script.bat /q", "C:\\TOOLS\\SCRIPT.BAT /Q", ""},
        // The parameters are taken from the original text, past the expanded prefix.
        {"\\SystemRoot\\nosuch\\tool.exe -a", windows + "\\NOSUCH\\TOOL.EXE", "-a"},
        {"%SystemRoot%\\nosuch\\tool.exe /b", windows + "\\NOSUCH\\TOOL.EXE", "/b"},
        // %PROGRAMFILES% is not expanded for startup entries.
        {"%PROGRAMFILES%\\Foo\\foo.exe x", "%PROGRAMFILES%\\FOO\\FOO.EXE", "x"},
    };
    for (const Case& c : cases) {
        StartupSplit split = Split(c.commandLine);
        EXPECT_EQ(split.file, c.file) << c.commandLine;
        EXPECT_EQ(split.parameters, c.parameters) << c.commandLine;
    }
}

TEST(ExtractStartupFile, GivesTheLongFormOfAnExistingFile) {
    ScratchFolder folder("C:\\sx-h-startup");
    CreateDirectoryA((folder / "Long Folder Name").c_str(), nullptr);
    std::string longPath = folder / "Long Folder Name\\Program.exe";
    ASSERT_TRUE(ScratchFolder::Write(longPath, "MZ"));
    char shortPath[MAX_PATH];
    ASSERT_GT(GetShortPathNameA(longPath.c_str(), shortPath, MAX_PATH), 0u);

    StartupSplit split = Split(std::string(shortPath) + " /tray");
    EXPECT_EQ(Upper(split.file), Upper(longPath));
    EXPECT_EQ(split.parameters, "/tray");

    FixedText<MAX_PATH> out;
    LongPathOf(shortPath, out);
    EXPECT_EQ(Upper(out.c_str()), Upper(longPath));
    LongPathOf("C:\\no such\\file.exe", out);
    EXPECT_STREQ(out.c_str(), "C:\\no such\\file.exe");
}

TEST(ExtractStartupFile, RebuiltCommandIsWellFormedAndSplitsTheSame) {
    const char* commandLines[] = {
        "\"C:\\Program Files\\Foo\\foo.exe\" /min",
        "\"C:\\Program Files\\Foo\\foo.exe\"   /a \"two words\"",
        "C:\\Foo\\foo.exe -x",
        "\"C:\\Program Files\\Foo\\applet.cpl\",@1",
    };
    for (const char* commandLine : commandLines) {
        StartupSplit first = Split(commandLine);
        ASSERT_FALSE(first.parameters.empty()) << commandLine;
        EXPECT_NE(first.parameters.front(), ' ') << commandLine;
        EXPECT_NE(first.parameters.front(), '"') << commandLine;
        std::string rebuilt = "\"" + first.file + "\" " + first.parameters;
        size_t quotes = 0;
        for (char c : rebuilt) quotes += c == '"';
        EXPECT_EQ(quotes % 2, 0u) << rebuilt;
        StartupSplit second = Split(rebuilt);
        EXPECT_EQ(second.file, first.file) << rebuilt;
        EXPECT_EQ(second.parameters, first.parameters) << rebuilt;
    }
}

TEST(ExtractStartupFile, CutsLongInputToItsBuffers) {
    std::string longLine = "\"C:\\" + std::string(2000, 'p') + ".exe\" " + std::string(3000, 'q');
    FixedText<260> file;
    FixedText<64> parameters;
    int n = ExtractStartupFile(longLine, file, parameters);
    EXPECT_LE(n, 259);
    EXPECT_EQ(strlen(file.c_str()), size_t(n));
    EXPECT_LE(strlen(parameters.c_str()), 63u);
}
