#include "shell/removal_report.h"

#include <wininet.h>

#include "base/fixed_text.h"
#include "base/registry.h"
#include "base/unique_resource.h"
#include "shell/vendor_server.h"
#include "base/command_line.h"
#include "base/text_helpers.h"

namespace {

constexpr const char* kRemovedValue = "cloudremoved";
constexpr const char* kKeptValue = "cloudkept";
constexpr const char* kRemovedPath = "/cgi-bin/cloudremoved.pl?";
constexpr const char* kKeptPath = "/cgi-bin/cloudkept.pl?";
constexpr const char* kAgent = "Cloud";
constexpr DWORD kAnswerBytes = 32;
constexpr DWORD kOpenFlags =
    INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_NO_UI | INTERNET_FLAG_PRAGMA_NOCACHE;

// Characters that stand for themselves in a query value; everything else is %XX.
bool IsPlainQueryChar(unsigned char c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) return true;
    switch (c) {
        case '-': case '_': case '.': case '~': case '!': case '*': case '\'': case '(': case ')':
        case ',': case ';': case ':': case '@': case '$': case '/':
            return true;
        default:
            return false;
    }
}

std::string ReportBase(bool removed) {
    FixedText<1024> value;
    if (RegReadString(kProgramKey, removed ? kRemovedValue : kKeptValue, HKEY_LOCAL_MACHINE, value) > 0)
        return std::string(value.view());
    return VendorServer() + (removed ? kRemovedPath : kKeptPath);
}

void SetOption(HINTERNET handle, DWORD option, DWORD value) {
    InternetSetOptionA(handle, option, &value, sizeof(value));
}

void SetTimeouts(HINTERNET handle) {
    SetOption(handle, INTERNET_OPTION_CONNECT_TIMEOUT, kReportTimeoutMs);
    SetOption(handle, INTERNET_OPTION_SEND_TIMEOUT, kReportTimeoutMs);
    SetOption(handle, INTERNET_OPTION_RECEIVE_TIMEOUT, kReportTimeoutMs);
    SetOption(handle, INTERNET_OPTION_CONNECT_RETRIES, 1);
}

}  // namespace

std::string EscapeQueryValue(std::string_view text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(text.size() * 3);
    for (char ch : text) {
        auto c = static_cast<unsigned char>(ch);
        if (IsPlainQueryChar(c)) {
            out += ch;
        } else {
            out += '%';
            out += kHex[c >> 4];
            out += kHex[c & 0xF];
        }
    }
    return out;
}

std::string RemovalReportAddress(bool removed, std::string_view title, std::string_view path) {
    FixedText<MAX_PATH> file;
    ExtractProgramFile(path, file);
    std::string_view fileName = file.view().substr(FileNameOffset(file.view()));
    FixedText<128> shortTitle(title);

    std::string address = ReportBase(removed);
    address += "&file=" + EscapeQueryValue(fileName);
    address += "&title=" + EscapeQueryValue(shortTitle.view());
    FixedText<260> svid;
    if (RegReadString(kProgramKey, "svid", HKEY_LOCAL_MACHINE, svid) > 0)
        address += "&svid=" + EscapeQueryValue(svid.view());
    return address;
}

bool SendReport(const std::string& address) {
    char host[INTERNET_MAX_HOST_NAME_LENGTH] = {};
    char target[INTERNET_MAX_URL_LENGTH] = {};
    URL_COMPONENTSA parts{};
    parts.dwStructSize = sizeof(parts);
    parts.lpszHostName = host;
    parts.dwHostNameLength = sizeof(host);
    parts.lpszUrlPath = target;  // path and query together, as InternetOpenUrlA sends them
    parts.dwUrlPathLength = sizeof(target);
    if (address.size() >= INTERNET_MAX_URL_LENGTH ||
        !InternetCrackUrlA(address.c_str(), DWORD(address.size()), 0, &parts) ||
        (parts.nScheme != INTERNET_SCHEME_HTTP && parts.nScheme != INTERNET_SCHEME_HTTPS))
        return false;
    // Query and fragment come back in extra info when no buffer was given for it.
    std::string pathAndQuery(target);
    if (pathAndQuery.size() < address.size()) {
        size_t at = address.find(pathAndQuery.empty() ? "?" : pathAndQuery, address.find("//") + 2);
        if (at != std::string::npos) pathAndQuery = address.substr(at);
    }
    if (pathAndQuery.empty()) pathAndQuery = "/";

    UniqueInternet session(InternetOpenA(kAgent, INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
    if (!session) return false;
    // The window waits for the report: an unreachable or silent server must
    // not hold it long. The limits are set on every handle, since not every
    // WinINet passes them down from the session.
    SetTimeouts(session.get());
    UniqueInternet connection(InternetConnectA(session.get(), host, parts.nPort, nullptr, nullptr,
                                               INTERNET_SERVICE_HTTP, 0, 0));
    if (!connection) return false;
    SetTimeouts(connection.get());
    DWORD flags = kOpenFlags | (parts.nScheme == INTERNET_SCHEME_HTTPS ? INTERNET_FLAG_SECURE : 0);
    UniqueInternet request(HttpOpenRequestA(connection.get(), "GET", pathAndQuery.c_str(), nullptr, nullptr,
                                            nullptr, flags, 0));
    if (!request) return false;
    SetTimeouts(request.get());
    if (!HttpSendRequestA(request.get(), nullptr, 0, nullptr, 0)) return false;
    char answer[kAnswerBytes];
    DWORD read = 0;
    return InternetReadFile(request.get(), answer, kAnswerBytes, &read) != FALSE;
}

void ReportRemoval(std::string_view title, std::string_view path) {
    SendReport(RemovalReportAddress(true, title, path));
}

void ReportKept(std::string_view title, std::string_view path) {
    SendReport(RemovalReportAddress(false, title, path));
}
