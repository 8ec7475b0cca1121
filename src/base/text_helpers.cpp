#include "base/text_helpers.h"

#include <windows.h>

#include <cstring>

namespace {

// Upper-cases a copy (buf holds text.size() characters) by the rule of the header.
std::string_view UpperCopy(std::string_view text, char* buf) {
    if (!text.empty()) {
        std::memcpy(buf, text.data(), text.size());
        CharUpperBuffA(buf, DWORD(text.size()));
    }
    return std::string_view(buf, text.size());
}

// The length of the next piece of text to fold on the stack: at most max
// characters, never ending inside a double-byte character.
size_t PieceLength(std::string_view text, size_t max) {
    if (text.size() <= max) return text.size();
    size_t n = max;
    while (n > 1 && IsDBCSLeadByte(static_cast<BYTE>(text[n - 1]))) --n;
    return n;
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

std::string FoldCase(std::string_view text) {
    std::string folded(text);
    if (!folded.empty()) CharUpperBuffA(folded.data(), DWORD(folded.size()));
    return folded;
}

int CompareNoCase(std::string_view a, std::string_view b) {
    // Piece by piece on the stack: the list sort compares often.
    constexpr size_t kPiece = 128;
    char left[kPiece], right[kPiece];
    while (!a.empty() && !b.empty()) {
        size_t n = PieceLength(a, kPiece), m = PieceLength(b, kPiece);
        size_t common = n < m ? n : m;
        std::string_view x = UpperCopy(a.substr(0, n), left), y = UpperCopy(b.substr(0, m), right);
        int result = std::memcmp(x.data(), y.data(), common);
        if (result != 0) return result;
        if (n != m) {
            // A double-byte character made the pieces differ in length: go on from the shorter one.
            a.remove_prefix(common);
            b.remove_prefix(common);
            continue;
        }
        a.remove_prefix(n);
        b.remove_prefix(m);
    }
    return a.empty() ? (b.empty() ? 0 : -1) : 1;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && CompareNoCase(a, b) == 0;
}

size_t FindNoCase(std::string_view text, std::string_view needle) {
    if (needle.empty() || needle.size() > text.size()) return std::string_view::npos;
    return FoldCase(text).find(FoldCase(needle));
}

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

size_t SkipLeadingSpaces(std::string_view text, TextBuffer out) {
    size_t first = text.find_first_not_of(" \t");
    return out.assign(first == std::string_view::npos ? std::string_view() : text.substr(first));
}

size_t ExtensionOf(std::string_view text, TextBuffer out) {
    size_t dot = text.find('.');
    return out.assign(dot == std::string_view::npos ? std::string_view() : text.substr(dot));
}

size_t NoteName(std::string_view text, TextBuffer out) {
    return CopyMapped(text, out.data(), out.capacity(), [](char c) { return c == '=' ? ':' : c; });
}

size_t StripQuotes(std::string_view text, TextBuffer out) {
    size_t size = out.capacity() > kStripQuotesMax + 1 ? kStripQuotesMax + 1 : out.capacity();
    return CopyMapped(text, out.data(), size, [](char c) { return c == '"' ? '\0' : c; });
}

size_t CommaToBlank(std::string_view text, size_t count, TextBuffer out) {
    return CopyMapped(text.substr(0, count), out.data(), out.capacity(), [](char c) { return c == ',' ? ' ' : c; });
}

size_t UrlEscape(std::string_view text, TextBuffer buffer) {
    char* out = buffer.data();
    const size_t size = buffer.capacity();
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

size_t FormatThousands(long long number, TextBuffer out) {
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
    return out.assign(std::string_view(buf + pos, sizeof(buf) - pos));
}

std::string FillFirstString(std::string_view pattern, std::string_view argument) {
    size_t mark = pattern.find("%s");
    if (mark == std::string_view::npos) return std::string(pattern);
    std::string text(pattern.substr(0, mark));
    text += argument;
    text += pattern.substr(mark + 2);
    return text;
}
