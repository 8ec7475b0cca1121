#include "support/http_server.h"

#include <ws2tcpip.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>

namespace testsupport {

namespace {

// Bounds on what one request may hold, so a runaway client cannot stall a test.
constexpr size_t kMaxHead = 16 * 1024;
constexpr size_t kMaxBody = 64 * 1024;
constexpr DWORD kReceiveTimeoutMs = 2000;
constexpr long kPollMicroseconds = 100 * 1000;

bool SameNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

std::string Trim(std::string_view text) {
    size_t b = text.find_first_not_of(" \t");
    size_t e = text.find_last_not_of(" \t\r");
    return b == std::string_view::npos ? std::string() : std::string(text.substr(b, e - b + 1));
}

HttpRequest Parse(const std::string& head, std::string body) {
    HttpRequest request;
    request.body = std::move(body);
    size_t lineEnd = head.find("\r\n");
    request.requestLine = head.substr(0, lineEnd);
    size_t sp1 = request.requestLine.find(' ');
    size_t sp2 = request.requestLine.find(' ', sp1 == std::string::npos ? sp1 : sp1 + 1);
    request.method = request.requestLine.substr(0, sp1);
    if (sp1 != std::string::npos) request.target = request.requestLine.substr(sp1 + 1, sp2 == std::string::npos ? std::string::npos : sp2 - sp1 - 1);
    size_t pos = lineEnd == std::string::npos ? head.size() : lineEnd + 2;
    while (pos < head.size()) {
        size_t end = head.find("\r\n", pos);
        if (end == std::string::npos) end = head.size();
        std::string line = head.substr(pos, end - pos);
        size_t colon = line.find(':');
        if (colon != std::string::npos) request.headers.emplace_back(Trim(line.substr(0, colon)), Trim(line.substr(colon + 1)));
        pos = end + 2;
    }
    return request;
}

}  // namespace

std::string HttpRequest::Header(std::string_view name) const {
    for (const auto& [key, value] : headers)
        if (SameNoCase(key, name)) return value;
    return {};
}

HttpServer::HttpServer(std::string body) : body_(std::move(body)) {
    WSADATA data;
    if (WSAStartup(MAKEWORD(2, 2), &data) != 0) return;
    winsockStarted_ = true;
    listener_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (listener_ == INVALID_SOCKET) return;
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    int length = sizeof(address);
    if (bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0 || listen(listener_, 8) != 0 ||
        getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        closesocket(listener_);
        listener_ = INVALID_SOCKET;
        return;
    }
    port_ = ntohs(address.sin_port);
    thread_ = std::thread([this] { Serve(); });
}

HttpServer::~HttpServer() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
    if (listener_ != INVALID_SOCKET) closesocket(listener_);
    if (winsockStarted_) WSACleanup();
}

std::string HttpServer::HostAndPort() const { return "127.0.0.1:" + std::to_string(port_); }

std::string HttpServer::BaseUrl() const { return "http://" + HostAndPort(); }

void HttpServer::SetBody(std::string body) {
    std::lock_guard<std::mutex> lock(mutex_);
    body_ = std::move(body);
}

std::vector<HttpRequest> HttpServer::Requests() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return requests_;
}

bool HttpServer::WaitForRequests(size_t count, DWORD timeoutMs) const {
    DWORD start = GetTickCount();
    for (;;) {
        if (Requests().size() >= count) return true;
        if (GetTickCount() - start >= timeoutMs) return false;
        Sleep(20);
    }
}

void HttpServer::Serve() {
    while (!stop_) {
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(listener_, &readable);
        timeval wait = {0, kPollMicroseconds};
        if (select(0, &readable, nullptr, nullptr, &wait) <= 0) continue;
        SOCKET client = accept(listener_, nullptr, nullptr);
        if (client == INVALID_SOCKET) continue;
        Answer(client);
        closesocket(client);
    }
}

void HttpServer::Answer(SOCKET client) {
    DWORD timeout = kReceiveTimeoutMs;
    setsockopt(client, SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&timeout), sizeof(timeout));
    std::string data;
    char buffer[4096];
    size_t headEnd = std::string::npos;
    while (!stop_ && data.size() < kMaxHead) {
        int n = recv(client, buffer, sizeof(buffer), 0);
        if (n <= 0) break;
        data.append(buffer, size_t(n));
        if ((headEnd = data.find("\r\n\r\n")) != std::string::npos) break;
    }
    if (headEnd == std::string::npos) {
        if (data.empty()) return;
        headEnd = data.size();
    }
    std::string head = data.substr(0, headEnd);
    std::string body = headEnd + 4 <= data.size() ? data.substr(headEnd + 4) : std::string();
    HttpRequest request = Parse(head, {});
    size_t wanted = std::min<size_t>(std::strtoul(request.Header("Content-Length").c_str(), nullptr, 10), kMaxBody);
    while (!stop_ && body.size() < wanted) {
        int n = recv(client, buffer, sizeof(buffer), 0);
        if (n <= 0) break;
        body.append(buffer, size_t(n));
    }
    request.body = body.substr(0, std::max(wanted, std::min(body.size(), kMaxBody)));

    std::string reply;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        requests_.push_back(std::move(request));
        reply = "HTTP/1.0 200 OK\r\nContent-Type: text/html\r\nContent-Length: " + std::to_string(body_.size()) +
                "\r\nConnection: close\r\n\r\n" + body_;
    }
    const char* p = reply.data();
    size_t left = reply.size();
    while (left > 0) {
        int n = send(client, p, int(std::min<size_t>(left, 1 << 16)), 0);
        if (n <= 0) break;
        p += n;
        left -= size_t(n);
    }
    shutdown(client, SD_SEND);
}

}  // namespace testsupport
