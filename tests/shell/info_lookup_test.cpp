#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "shell/app_state.h"
#include "base/registry.h"
#include "shell/vendor_server.h"
#include "shell/browser.h"
#include "shell/online_lookup.h"
#include "base/program_folders.h"
#include "support/test_files.h"

namespace {

std::string BuildPair() {
    FixedText<MAX_PATH> pair;
    VersionPair(pair);
    return EscapeLookupValue(pair.view());
}

// The query of an address: the names of its values in order.
std::vector<std::string> QueryNames(const std::string& address) {
    std::vector<std::string> names;
    size_t at = address.find('?');
    while (at != std::string::npos) {
        size_t equals = address.find('=', at + 1);
        names.push_back(address.substr(at + 1, equals - at - 1));
        at = address.find('&', equals);
    }
    return names;
}

class LanguageGuard {
public:
    explicit LanguageGuard(WORD language) : saved_(g_app.languageId) { g_app.languageId = language; }
    ~LanguageGuard() { g_app.languageId = saved_; }

private:
    WORD saved_;
};

}  // namespace

TEST(EscapeLookupValue, NoCharacterCanChangeTheRequest) {
    struct Case { const char* text; const char* expected; };
    const Case cases[] = {
        {"Foo Bar & Co", "Foo%20Bar%20+%20Co"},
        {"a#b?c%d+e=f;g", "a%23b%3Fc%25d%2Be%3Df%3Bg"},
        {"\"quoted\" <tag>", "%22quoted%22%20%3Ctag%3E"},
        {"C:\\Tools (x86)\\run-it_v1.2~.EXE", "C:%5CTools%20(x86)%5Crun-it_v1.2~.EXE"},
        {"1.0:2.0/3,4", "1.0:2.0/3,4"},
        {"tab\tline\r\n", "tab%09line%0D%0A"},
        {"", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(EscapeLookupValue(c.text), c.expected) << c.text;
}

TEST(EscapeLookupValue, NonAsciiTextIsSentAsEscapedUtf8) {
    if (GetACP() != 1252) GTEST_SKIP() << "the ANSI code page is " << GetACP();
    EXPECT_EQ(EscapeLookupValue("Caf\xE9 M\xFCller"), "Caf%C3%A9%20M%C3%BCller");
    EXPECT_EQ(EscapeLookupValue("\x80"), "%E2%82%AC");  // the euro sign
}

TEST(LookupAddress, ShortFormEscapesEveryValueOfTheFileName) {
    std::string address = LookupAddress(11, "\"C:\\Apps\\R&D Tools\\My Tool+1#.exe\" -x", "Ignored", false);
    EXPECT_EQ(address, VendorServer() + "/cgi-bin/plusinfo.pl?program=MY%20TOOL%2B1%23.EXE&vendor=&version=&build=" +
                           BuildPair() + "&Type=11&Loc=en&ext=.EXE");
}

TEST(LookupAddress, TitleStandsForACommandWithoutFile) {
    if (GetACP() != 1252) GTEST_SKIP() << "the ANSI code page is " << GetACP();
    std::string address = LookupAddress(400, "", "Tom & Jerry #2 Caf\xE9?x=1", false);
    EXPECT_EQ(address, VendorServer() + "/cgi-bin/plusinfo.pl?program=Tom%20+%20Jerry%20%232%20Caf%C3%A9%3Fx%3D1"
                                        "&vendor=&version=&build=" + BuildPair() + "&Type=400&Loc=en&ext=");
}

TEST(LookupAddress, ShortFormCarriesTheInterfaceLanguage) {
    struct Case { WORD language; const char* code; };
    const Case cases[] = {{7, "&Loc=de&"}, {12, "&Loc=fr&"}, {9, "&Loc=en&"}, {10, "&Loc=en&"}};
    for (const Case& c : cases) {
        LanguageGuard language(c.language);
        std::string address = LookupAddress(1, "C:\\A\\B.EXE", "", false);
        EXPECT_NE(address.find(c.code), std::string::npos) << c.language << ": " << address;
    }
}

TEST(LookupAddress, DetailedFormSendsTheFileFactsInItsOrder) {
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string address = LookupAddress(600, self, "", true);
    ASSERT_EQ(address.rfind(VendorServer() + "/cgi-bin/plusinfo12.pl?program=", 0), 0u) << address;
    const std::vector<std::string> expected = {"program", "vendor", "build",  "Type",   "Loc",      "ext",   "version",
                                               "name",    "copy",   "detail", "created", "detected", "fsize", "path"};
    EXPECT_EQ(QueryNames(address), expected) << address;
    EXPECT_NE(address.find("&Loc=us&"), std::string::npos);
    EXPECT_NE(address.find("&path=" + EscapeLookupValue(Upper(self))), std::string::npos) << address;
    EXPECT_EQ(address.find(' '), std::string::npos);
    EXPECT_EQ(address.find('\\'), std::string::npos);
}

// Records what the look-up would open instead of opening it.
class LookupOpening : public ::testing::Test {
protected:
    void SetUp() override {
        LookupLaunchers launchers;
        launchers.shellOpen = [this](const std::string& target) -> INT_PTR {
            opened_.push_back(target);
            if (target.size() > 8 && target.substr(target.size() - 8) == "temp.url") shortcutText_ = ReadWholeFile(target);
            return shellResult_;
        };
        launchers.winExec = [this](const std::string& command) -> UINT {
            executed_.push_back(command);
            return 33;
        };
        SetLookupLaunchers(std::move(launchers));
        browserFailure_.Remove();
        FixedText<MAX_PATH> explorer;
        InternetExplorerPath(explorer);
        explorer_ = std::string(explorer.view());
    }
    void TearDown() override { SetLookupLaunchers({}); }

    std::string TempUrlPath() const {
        FixedText<MAX_PATH> folder;
        ProgramFolder(folder);
        return std::string(folder.view()) + "\\temp.url";
    }

    INT_PTR shellResult_ = 42;
    std::vector<std::string> opened_, executed_;
    std::string shortcutText_, explorer_;
    testsupport::RegistryGuard browserFailure_{HKEY_CURRENT_USER, kOptionsKey, "BrowserFailure"};
    const std::string address_ = "http://127.0.0.1:9/cgi-bin/plusinfo.pl?program=A.EXE";
};

TEST_F(LookupOpening, ShortFormOpensTheAddressThroughTheShell) {
    OpenLookupAddress(address_, false);
    EXPECT_EQ(opened_, std::vector<std::string>{address_});
    EXPECT_TRUE(executed_.empty());
}

TEST_F(LookupOpening, ShellFailureFallsBackToInternetExplorer) {
    if (explorer_.empty()) GTEST_SKIP() << "no Internet Explorer path";
    shellResult_ = 2;
    OpenLookupAddress(address_, false);
    EXPECT_EQ(executed_, std::vector<std::string>{"\"" + explorer_ + "\" " + address_});

    // The detailed form asks Internet Explorer only when BrowserFailure is set.
    executed_.clear();
    OpenLookupAddress(address_, true);
    EXPECT_TRUE(executed_.empty());
    browserFailure_.Set("1");
    OpenLookupAddress(address_, true);
    EXPECT_EQ(executed_, std::vector<std::string>{"\"" + explorer_ + "\" " + address_});
}

TEST_F(LookupOpening, DetailedFormOpensATemporaryInternetShortcut) {
    OpenLookupAddress(address_, true);
    ASSERT_EQ(opened_.size(), 1u);
    if (opened_[0] == address_) GTEST_SKIP() << "Internet shortcuts cannot be written here";
    EXPECT_EQ(opened_[0], TempUrlPath());
    EXPECT_NE(shortcutText_.find("URL=" + address_), std::string::npos) << shortcutText_;
    EXPECT_EQ(GetFileAttributesA(TempUrlPath().c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(LookupOpening, RunningAolClientOpensTheAddressItself) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "AOL Frame25";
    RegisterClassA(&windowClass);
    HWND aol = CreateWindowA("AOL Frame25", "AOL", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                             GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(aol, nullptr);

    WriteProfileStringA("WAOL", "AppPath", "C:\\Program Files\\AOL 9.0");
    OpenLookupAddress(address_, false);
    WriteProfileStringA("WAOL", "AppPath", nullptr);
    OpenLookupAddress(address_, true);
    DestroyWindow(aol);
    UnregisterClassA("AOL Frame25", GetModuleHandleA(nullptr));

    EXPECT_TRUE(opened_.empty());
    const std::vector<std::string> expected = {"\"C:\\Program Files\\AOL 9.0\\WAOL.EXE\" -u \"" + address_ + "\"",
                                               "waol.exe -u \"" + address_ + "\""};
    EXPECT_EQ(executed_, expected);
}
