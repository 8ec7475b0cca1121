#include <gtest/gtest.h>

#include <string>

#include "shell/browser.h"
#include "support/test_files.h"

namespace {

constexpr const char* kHttpCommand = "SOFTWARE\\Classes\\HTTP\\shell\\open\\command";
constexpr const char* kIexploreAppPath = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\IEXPLORE.EXE";

class BrowserTest : public ::testing::Test {
protected:
    testsupport::RegistryGuard command{HKEY_LOCAL_MACHINE, kHttpCommand, ""};
    testsupport::RegistryGuard iePath{HKEY_LOCAL_MACHINE, kIexploreAppPath, "Path"};
};

std::string DefaultBrowser() {
    char out[MAX_PATH];
    DefaultBrowserCommand(out, sizeof(out));
    return out;
}

// A hidden top-level window of the given class and title for the life of the object.
class FakeWindow {
public:
    FakeWindow(const char* className, const char* title) {
        WNDCLASSA wc{};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = className;
        RegisterClassA(&wc);
        window_ = CreateWindowA(className, title, WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr, wc.hInstance, nullptr);
    }
    ~FakeWindow() { if (window_) DestroyWindow(window_); }
    FakeWindow(const FakeWindow&) = delete;
    FakeWindow& operator=(const FakeWindow&) = delete;
    bool ok() const { return window_ != nullptr; }

private:
    HWND window_ = nullptr;
};

}  // namespace

TEST_F(BrowserTest, DefaultBrowserCommandAndKind) {
    iePath.Set("C:\\IE;");
    struct Case { const char* command; const char* program; int kind; };
    const Case cases[] = {
        {"\"C:\\Program Files\\Mozilla Firefox\\firefox.exe\" -osint -url \"%1\"",
         "C:\\Program Files\\Mozilla Firefox\\firefox.exe", 6},  // "mozilla" is tested before "firefox"
        {"\"C:\\Apps\\firefox.exe\" -url \"%1\"", "C:\\Apps\\firefox.exe", 3},
        {"C:\\PROGRA~1\\Netscape\\netscp.exe -url %1", "C:\\PROGRA~1\\Netscape\\netscp.exe", 2},
        {"\"C:\\Program Files\\Internet Explorer\\iexplore.exe\" %1",
         "C:\\Program Files\\Internet Explorer\\iexplore.exe", 1},
        {"C:\\Apps\\My-Browser\\maxthon.exe %1", "C:\\Apps\\My-Browser\\maxthon.exe", 4},
        {"\"C:\\avant\\avant.exe\"", "C:\\avant\\avant.exe", 5},
        {"C:\\opera\\opera.exe", "C:\\opera\\opera.exe", 1},
        // Nothing usable: Internet Explorer's App Path.
        {"", "C:\\IE\\IExplore.exe", 1},
        {"-nohome", "C:\\IE\\IExplore.exe", 1},
    };
    for (const Case& c : cases) {
        command.Set(c.command);
        EXPECT_EQ(DefaultBrowser(), c.program) << c.command;
        EXPECT_EQ(BrowserKind(), c.kind) << c.command;
    }
    command.Remove();
    EXPECT_EQ(DefaultBrowser(), "C:\\IE\\IExplore.exe");
}

TEST_F(BrowserTest, InternetExplorerPath) {
    char out[MAX_PATH];
    iePath.Set("C:\\Program Files\\Internet Explorer;");
    InternetExplorerPath(out, sizeof(out));
    EXPECT_STREQ(out, "C:\\Program Files\\Internet Explorer\\iexplore.exe");
    iePath.Set("D:\\IE");
    InternetExplorerPath(out, sizeof(out));
    EXPECT_STREQ(out, "D:\\IE\\iexplore.exe");
    iePath.Remove();
    EXPECT_EQ(InternetExplorerPath(out, sizeof(out)), 0);
    EXPECT_STREQ(out, "");
}

TEST(AolRunning, KnowsTheClientsWindows) {
    EXPECT_FALSE(AolRunning());
    struct Case { const char* className; const char* title; bool expected; };
    const Case cases[] = {
        {"AOL Frame25", "America  Online", true}, {"AOL Frame25", "America Online", true},
        {"AOL Frame25", "AOL", true},             {"AOL Frame25", "AOL Canada", true},
        {"AOL Frame", "America  Online", true},   {"AOL Frame", "AOL", false},
        {"AOL Frame25", "AOL Desktop", false},
    };
    for (const Case& c : cases) {
        FakeWindow window(c.className, c.title);
        ASSERT_TRUE(window.ok());
        EXPECT_EQ(AolRunning(), c.expected) << c.className << " / " << c.title;
    }
}

TEST(CommonControlsNewerThan470, IsTrueForThePrefixsControls) { EXPECT_TRUE(CommonControlsNewerThan470()); }

TEST(VersionPair, ReadsBothProgramsOfTheFolder) {
    // A scratch folder: the build's own programs beside this test must stay untouched.
    ScratchFolder folder("C:\\sx-versionpair");
    const std::string monitor = folder / "Sentrivox.exe", explorer = folder / "SentrivoxEx.exe";

    char out[128];
    EXPECT_EQ(VersionPairIn(folder.path(), out, sizeof(out)), 0);
    ASSERT_TRUE(CopyFileA((WindowsFolderPath() + "\\regedit.exe").c_str(), monitor.c_str(), FALSE));
    VersionPairIn(folder.path(), out, sizeof(out));
    EXPECT_STREQ(out, "5.2");
    ASSERT_TRUE(CopyFileA((SystemFolderPath() + "\\comctl32.dll").c_str(), explorer.c_str(), FALSE));
    VersionPairIn(folder.path(), out, sizeof(out));
    EXPECT_STREQ(out, "5.2:5.81");
}
