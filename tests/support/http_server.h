// A tiny HTTP/1.0 server on 127.0.0.1 for tests of the program's web requests:
// an ephemeral port, one thread, every request recorded and answered with
// "200 OK" and a small body. It stops by itself when destroyed.
#pragma once

#include <winsock2.h>
#include <windows.h>

#include <atomic>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <utility>
#include <vector>

namespace testsupport {

struct HttpRequest {
    std::string requestLine;   // "GET /cgi-bin/x.pl?a=b HTTP/1.1"
    std::string method;
    std::string target;        // path and query as sent
    std::vector<std::pair<std::string, std::string>> headers;
    std::string body;
    // The first header of that name (case does not matter), empty when absent.
    std::string Header(std::string_view name) const;
};

class HttpServer {
public:
    explicit HttpServer(std::string body = "OK");
    ~HttpServer();
    HttpServer(const HttpServer&) = delete;
    HttpServer& operator=(const HttpServer&) = delete;

    bool listening() const { return port_ != 0; }
    unsigned short port() const { return port_; }
    std::string HostAndPort() const;   // "127.0.0.1:<port>"
    std::string BaseUrl() const;       // "http://127.0.0.1:<port>"

    void SetBody(std::string body);
    std::vector<HttpRequest> Requests() const;
    bool WaitForRequests(size_t count, DWORD timeoutMs) const;

private:
    void Serve();
    void Answer(SOCKET client);

    SOCKET listener_ = INVALID_SOCKET;
    unsigned short port_ = 0;
    bool winsockStarted_ = false;
    std::atomic<bool> stop_{false};
    mutable std::mutex mutex_;
    std::string body_;
    std::vector<HttpRequest> requests_;
    std::thread thread_;
};

}  // namespace testsupport
