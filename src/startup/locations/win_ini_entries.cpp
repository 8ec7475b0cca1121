#include "startup/locations/win_ini_entries.h"

#include <windows.h>

#include <string>

#include "base/registry.h"
#include "base/command_line.h"
#include "startup/locations/location_types.h"
#include "base/text_helpers.h"

namespace {

// WinIniRemove and WinIniAppend read an entry of up to this many characters;
// a longer one would lose its tail in their rewrite.
constexpr size_t kRewritableEntry = 512;
constexpr size_t kEntryReadSize = 4096;

std::string ReadEntry(std::string_view entry) {
    std::string key(entry), text(kEntryReadSize, '\0');
    DWORD n = GetProfileStringA("windows", key.c_str(), "", text.data(), DWORD(text.size()));
    text.resize(n);
    return text;
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

// The form a scan lists a piece in: no quotes, long path.
FixedText<MAX_PATH> Listed(std::string_view text) {
    FixedText<MAX_PATH> unquoted, listed;
    StripQuotes(text, unquoted);
    LongPathOf(unquoted.view(), listed);
    return listed;
}

template <class Visit>
void ForEachPiece(std::string_view list, Visit visit) {
    while (true) {
        size_t semi = list.find(';');
        std::string_view piece = Trim(list.substr(0, semi));
        if (!piece.empty() && visit(piece)) return;
        if (semi == std::string_view::npos) return;
        list.remove_prefix(semi + 1);
    }
}

bool HasPiece(std::string_view entry, std::string_view piece) {
    bool found = false;
    ForEachPiece(ReadEntry(entry), [&](std::string_view p) { return found = EqualsNoCase(p, Trim(piece)); });
    return found;
}

std::string WinIniPath() {
    char folder[MAX_PATH] = {};
    GetWindowsDirectoryA(folder, MAX_PATH);
    return std::string(folder) + "\\win.ini";
}

// Keeps win.ini's attributes across one rewrite.
class AttributesKept {
public:
    AttributesKept() : path_(WinIniPath()), attributes_(GetFileAttributesA(path_.c_str())) {}
    ~AttributesKept() {
        if (attributes_ != INVALID_FILE_ATTRIBUTES && (attributes_ & FILE_ATTRIBUTE_READONLY))
            SetFileAttributesA(path_.c_str(), attributes_);
    }
    AttributesKept(const AttributesKept&) = delete;
    AttributesKept& operator=(const AttributesKept&) = delete;

private:
    std::string path_;
    DWORD attributes_;
};

}  // namespace

const char* WinIniEntryOf(int type) {
    if (type == kLocationWinIniLoad) return "load";
    if (type == kLocationWinIniRun) return "run";
    return nullptr;
}

bool PieceNames(std::string_view piece, std::string_view file) {
    std::string_view p = Trim(piece), wanted = Trim(file);
    if (p.empty() || wanted.empty()) return false;
    if (EqualsNoCase(p, wanted)) return true;
    // Listed forms are cut to a path's length: only pieces that fit whole compare by them.
    return p.size() < MAX_PATH && wanted.size() < MAX_PATH && EqualsNoCase(Listed(p).view(), Listed(wanted).view());
}

bool FindWinIniPiece(std::string_view entry, std::string_view file, WinIniPiece& piece) {
    piece.clear();
    ForEachPiece(ReadEntry(entry), [&](std::string_view p) {
        if (PieceNames(p, file)) piece = p;
        return !piece.empty();
    });
    return !piece.empty();
}

bool TakeOutOfWinIni(std::string_view entry, std::string_view piece) {
    if (Trim(piece).empty()) return false;
    if (ReadEntry(entry).size() > kRewritableEntry) return false;
    {
        AttributesKept attributes;
        WinIniRemove(entry, Trim(piece));
    }
    return !HasPiece(entry, piece);
}

bool PutIntoWinIni(std::string_view entry, std::string_view piece) {
    if (Trim(piece).empty() || piece.find(';') != std::string_view::npos) return false;
    if (HasPiece(entry, piece)) return true;
    if (ReadEntry(entry).size() > kRewritableEntry) return false;
    {
        AttributesKept attributes;
        WinIniAppend(entry, Trim(piece));
    }
    return HasPiece(entry, piece);
}
