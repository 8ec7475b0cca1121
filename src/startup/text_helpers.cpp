#include "startup/text_helpers.h"

#include <windows.h>

namespace {

// Upper-cases a copy in the user's ANSI code page, as lstrcmpiA folds case.
std::string_view UpperCopy(std::string_view text, char* buf) {
    if (!text.empty()) {
        std::memcpy(buf, text.data(), text.size());
        CharUpperBuffA(buf, DWORD(text.size()));
    }
    return std::string_view(buf, text.size());
}

// Copies text, replacing each character through map; map returns 0 to drop it.
template <class Map>
size_t CopyMapped(std::string_view text, char* out, size_t size, Map map) {
    if (!out || size == 0) return 0;
    size_t n = 0;
    for (char c : text) {
        if (n + 1 >= size) break;
        char m = map(c);
        if (m) out[n++] = m;
    }
    out[n] = '\0';
    return n;
}

}  // namespace

bool ContainsNoCase(std::string_view text, std::string_view needle) {
    if (text.empty() || needle.empty()) return false;
    if (text.size() > kContainsMaxText || needle.size() > text.size()) return false;
    char textBuf[kContainsMaxText];
    char needleBuf[kContainsMaxText];
    return UpperCopy(text, textBuf).find(UpperCopy(needle, needleBuf)) != std::string_view::npos;
}

int FileNameOffset(std::string_view path) {
    size_t slash = path.rfind('\\');
    return slash == std::string_view::npos ? 0 : int(slash + 1);
}

size_t SkipLeadingSpaces(std::string_view text, char* out, size_t size) {
    size_t first = text.find_first_not_of(" \t");
    return CopyBounded(out, size, first == std::string_view::npos ? std::string_view() : text.substr(first));
}

size_t ExtensionOf(std::string_view text, char* out, size_t size) {
    size_t dot = text.find('.');
    return CopyBounded(out, size, dot == std::string_view::npos ? std::string_view() : text.substr(dot));
}

size_t NoteName(std::string_view text, char* out, size_t size) {
    return CopyMapped(text, out, size, [](char c) { return c == '=' ? ':' : c; });
}

size_t StripQuotes(std::string_view text, char* out, size_t size) {
    if (size > kStripQuotesMax + 1) size = kStripQuotesMax + 1;
    return CopyMapped(text, out, size, [](char c) { return c == '"' ? '\0' : c; });
}

size_t CommaToBlank(std::string_view text, size_t count, char* out, size_t size) {
    return CopyMapped(text.substr(0, count), out, size, [](char c) { return c == ',' ? ' ' : c; });
}

size_t UrlEscape(std::string_view text, char* out, size_t size) {
    if (!out || size == 0) return 0;
    size_t n = 0;
    for (char c : text) {
        if (c == ' ') {
            if (n + 3 >= size) break;  // never a cut "%2"
            out[n++] = '%';
            out[n++] = '2';
            out[n++] = '0';
        } else {
            if (n + 1 >= size) break;
            out[n++] = c == '&' ? '+' : c;
        }
    }
    out[n] = '\0';
    return n;
}

size_t FormatThousands(long long number, char* out, size_t size) {
    // Digits are produced from the right; 19 digits, 6 commas and a sign fit in 32.
    char buf[32];
    size_t pos = sizeof(buf);
    unsigned long long value = number < 0 ? 0ULL - static_cast<unsigned long long>(number)
                                          : static_cast<unsigned long long>(number);
    int digits = 0;
    do {
        if (digits && digits % 3 == 0) buf[--pos] = ',';
        buf[--pos] = char('0' + value % 10);
        value /= 10;
        ++digits;
    } while (value);
    if (number < 0) buf[--pos] = '-';
    return CopyBounded(out, size, std::string_view(buf + pos, sizeof(buf) - pos));
}
