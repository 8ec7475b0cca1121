// The test HTTP server, driven by a plain socket client.
#include <gtest/gtest.h>

#include "support/http_server.h"

namespace {

using testsupport::HttpServer;

// Sends raw bytes to the server and returns the whole answer.
std::string Exchange(unsigned short port, const std::string& request) {
    SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (s == INVALID_SOCKET) return {};
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(port);
    std::string answer;
    DWORD timeout = 5000;
    setsockopt(s, SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&timeout), sizeof(timeout));
    if (connect(s, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0) {
        send(s, request.data(), int(request.size()), 0);
        shutdown(s, SD_SEND);
        char buffer[4096];
        int n;
        while ((n = recv(s, buffer, sizeof(buffer), 0)) > 0) answer.append(buffer, size_t(n));
    }
    closesocket(s);
    return answer;
}

TEST(HttpServer, RecordsRequestsInOrderAndAnswersWithTheBody) {
    HttpServer server("<html>ok</html>");
    ASSERT_TRUE(server.listening());
    EXPECT_EQ(server.BaseUrl(), "http://127.0.0.1:" + std::to_string(server.port()));

    std::string answer = Exchange(server.port(),
                                  "GET /cgi-bin/plusinfo.pl?name=A%20B&x=1 HTTP/1.1\r\nHost: h\r\n"
                                  "User-Agent: probe\r\n\r\n");
    EXPECT_EQ(answer.rfind("HTTP/1.0 200 OK\r\n", 0), 0u) << answer;
    EXPECT_NE(answer.find("Content-Length: 15\r\n"), std::string::npos);
    EXPECT_EQ(answer.substr(answer.size() - 15), "<html>ok</html>");

    server.SetBody("second");
    std::string post = "name=value&z=9";
    answer = Exchange(server.port(), "POST /report HTTP/1.0\r\nContent-Length: " + std::to_string(post.size()) +
                                         "\r\n\r\n" + post);
    EXPECT_EQ(answer.substr(answer.size() - 6), "second");

    ASSERT_TRUE(server.WaitForRequests(2, 2000));
    auto requests = server.Requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].requestLine, "GET /cgi-bin/plusinfo.pl?name=A%20B&x=1 HTTP/1.1");
    EXPECT_EQ(requests[0].method, "GET");
    EXPECT_EQ(requests[0].target, "/cgi-bin/plusinfo.pl?name=A%20B&x=1");
    EXPECT_EQ(requests[0].Header("user-agent"), "probe");
    EXPECT_EQ(requests[0].Header("Missing"), "");
    EXPECT_EQ(requests[1].method, "POST");
    EXPECT_EQ(requests[1].body, post);
}

TEST(HttpServer, SurvivesAClientThatSendsNothingAndStopsPromptly) {
    DWORD start = GetTickCount();
    {
        HttpServer server;
        ASSERT_TRUE(server.listening());
        // A client that connects and goes away without a request line.
        EXPECT_EQ(Exchange(server.port(), ""), "");
        EXPECT_NE(Exchange(server.port(), "GET / HTTP/1.0\r\n\r\n").find("\r\n\r\nOK"), std::string::npos);
        EXPECT_FALSE(server.WaitForRequests(2, 200));
    }
    EXPECT_LT(GetTickCount() - start, 8000u);
}

}  // namespace
