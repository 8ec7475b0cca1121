#include <gtest/gtest.h>
#include <winsock2.h>
#include <windows.h>

#include <string>

#include "base/registry.h"
#include "shell/removal_report.h"
#include "support/test_files.h"
#include "support/http_server.h"

namespace {

TEST(EscapeQueryValue, EveryCharacterThatCouldChangeTheRequestIsEscaped) {
    struct Case {
        const char* text;
        const char* escaped;
    } cases[] = {
        {"", ""},
        {"PLAIN.EXE", "PLAIN.EXE"},
        {"My App", "My%20App"},
        {"a&b=c", "a%26b%3Dc"},
        {"x#y?z", "x%23y%3Fz"},
        {"100%+1", "100%25%2B1"},
        {"line\r\nbreak\ttab", "line%0D%0Abreak%09tab"},
        {"caf\xE9 \x81\xFF", "caf%E9%20%81%FF"},
        {"\"<quoted>\"", "%22%3Cquoted%3E%22"},
        {"C:/x(1)_v-2~.exe", "C:/x(1)_v-2~.exe"},
    };
    for (const Case& c : cases) EXPECT_EQ(EscapeQueryValue(c.text), c.escaped) << c.text;
}

// The report's settings: the program key's values in HKEY_LOCAL_MACHINE and
// the server setting in HKEY_CURRENT_USER, each put back afterwards.
class RemovalReport : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(server_.listening());
        server_.SetBody(std::string(100, 'a'));  // more than the 32 bytes that are read
        removed_.Remove();
        kept_.Remove();
        svid_.Remove();
        vendor_.Set(server_.BaseUrl());
    }

    testsupport::HttpServer server_;
    testsupport::RegistryGuard removed_{HKEY_LOCAL_MACHINE, kProgramKey, "cloudremoved"};
    testsupport::RegistryGuard kept_{HKEY_LOCAL_MACHINE, kProgramKey, "cloudkept"};
    testsupport::RegistryGuard svid_{HKEY_LOCAL_MACHINE, kProgramKey, "svid"};
    testsupport::RegistryGuard vendor_{HKEY_CURRENT_USER, kProgramKey, "Server"};
};

TEST_F(RemovalReport, AddressComesFromTheSettingsOrTheServer) {
    std::string base = server_.BaseUrl();
    EXPECT_EQ(RemovalReportAddress(true, "My App", "\"C:\\Program Files\\My App\\app.exe\" /min"),
              base + "/cgi-bin/cloudremoved.pl?&file=APP.EXE&title=My%20App");
    EXPECT_EQ(RemovalReportAddress(false, "", "c:\\tools\\kept.exe"),
              base + "/cgi-bin/cloudkept.pl?&file=KEPT.EXE&title=");

    removed_.Set("http://reports.example/r.pl?");
    kept_.Set("http://reports.example/k.pl?");
    svid_.Set("S 7&x");
    EXPECT_EQ(RemovalReportAddress(true, "T", "C:\\A.EXE"), "http://reports.example/r.pl?&file=A.EXE&title=T&svid=S%207%26x");
    EXPECT_EQ(RemovalReportAddress(false, "T", "C:\\A.EXE"), "http://reports.example/k.pl?&file=A.EXE&title=T&svid=S%207%26x");
}

TEST_F(RemovalReport, TitleIsCutTo127Characters) {
    std::string address = RemovalReportAddress(true, std::string(200, 't'), "C:\\A.EXE");
    EXPECT_EQ(address.substr(address.find("&title=") + 7), std::string(127, 't'));
}

TEST_F(RemovalReport, ServerReceivesOneRequestWhoseQueryCannotBeBent) {
    ReportRemoval("Tom & Jerry #1? caf\xE9", "C:\\GAMES\\TOM&J.EXE");
    ASSERT_TRUE(server_.WaitForRequests(1, 5000));
    auto requests = server_.Requests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].requestLine,
              "GET /cgi-bin/cloudremoved.pl?&file=TOM%26J.EXE&title=Tom%20%26%20Jerry%20%231%3F%20caf%E9 HTTP/1.1");
    EXPECT_EQ(requests[0].Header("User-Agent"), "Cloud");

    ReportKept("Kept", "C:\\K.EXE");
    ASSERT_TRUE(server_.WaitForRequests(2, 5000));
    EXPECT_EQ(server_.Requests()[1].target, "/cgi-bin/cloudkept.pl?&file=K.EXE&title=Kept");
}

// A port that nobody listens on: bound for a moment, then released.
unsigned short DeadPort() {
    SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(s, reinterpret_cast<sockaddr*>(&address), sizeof(address));
    int size = sizeof(address);
    getsockname(s, reinterpret_cast<sockaddr*>(&address), &size);
    closesocket(s);
    return ntohs(address.sin_port);
}

TEST_F(RemovalReport, UnreachableServerGivesUpWithinTheTimeOut) {
    // Winsock is started by the test server.
    std::string dead = "http://127.0.0.1:" + std::to_string(DeadPort()) + "/cgi-bin/cloudremoved.pl?&file=A.EXE";
    DWORD start = GetTickCount();
    EXPECT_FALSE(SendReport(dead));
    EXPECT_LT(GetTickCount() - start, kReportTimeoutMs + 1000);

    // A server that takes the connection and never answers.
    SOCKET silent = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ASSERT_EQ(bind(silent, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
    ASSERT_EQ(listen(silent, 4), 0);
    int size = sizeof(address);
    getsockname(silent, reinterpret_cast<sockaddr*>(&address), &size);
    std::string mute = "http://127.0.0.1:" + std::to_string(ntohs(address.sin_port)) + "/cgi-bin/cloudremoved.pl?";
    start = GetTickCount();
    EXPECT_FALSE(SendReport(mute));
    EXPECT_LT(GetTickCount() - start, 2 * kReportTimeoutMs + 1000);
    closesocket(silent);
}

}  // namespace
