#include "base/command_line.h"

#include <windows.h>

#include "base/registry.h"
#include "base/text_helpers.h"
#include "base/windows_version.h"

namespace {

constexpr std::string_view kSystemRoot = "SYSTEMROOT";
constexpr std::string_view kProgramFiles = "%PROGRAMFILES%";
constexpr const char* kCurrentVersionKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";

char UpperAscii(char c) { return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c; }

// A command line with one known prefix replaced by the folder it stands for.
// The token's span in the original lets a position in the working copy be
// mapped back to the original text.
struct WorkingCopy {
    FixedText<kCommandWorkSize> text;
    size_t tokenStart = 0, tokenEnd = 0, replacementLength = 0;
    bool expanded = false;

    size_t OriginalPosition(size_t pos) const {
        if (!expanded || pos <= tokenStart) return pos;
        if (pos < tokenStart + replacementLength) return tokenEnd;
        return pos - replacementLength + (tokenEnd - tokenStart);
    }
};

void Substitute(WorkingCopy& work, std::string_view line, size_t start, size_t end, std::string_view folder) {
    std::string_view rest = line.substr(end);
    if (!folder.empty() && folder.back() == '\\' && !rest.empty() && rest.front() == '\\') folder.remove_suffix(1);
    work.text.assign(line.substr(0, start));
    work.text.append(folder);
    work.text.append(rest);
    work.tokenStart = start;
    work.tokenEnd = end;
    work.replacementLength = folder.size();
    work.expanded = true;
}

bool StartsPath(std::string_view line, size_t pos) {
    if (pos == 0) return true;
    char before = line[pos - 1];
    return before == ' ' || before == '"' || before == '=' || before == ',' || before == '\t';
}

// The Windows folder in place of the NT prefix "\SystemRoot", of "%SystemRoot%"
// anywhere, or of a bare "SystemRoot" that begins a path. A folder that merely
// has SystemRoot in its name is left alone.
bool ExpandSystemRoot(WorkingCopy& work, std::string_view line) {
    if (!ContainsNoCase(line, kSystemRoot)) return false;
    size_t pos = FindNoCase(line, kSystemRoot);
    if (pos == std::string_view::npos) return false;
    size_t start = pos, end = pos + kSystemRoot.size();
    if (pos > 0 && line[pos - 1] == '%' && end < line.size() && line[end] == '%') {
        start = pos - 1;
        ++end;
    } else {
        if (pos > 0 && line[pos - 1] == '\\') start = pos - 1;
        if (!StartsPath(line, start)) return false;
    }
    char windows[MAX_PATH] = {};
    UINT n = GetWindowsDirectoryA(windows, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return false;
    Substitute(work, line, start, end, std::string_view(windows, n));
    return true;
}

bool ExpandProgramFiles(WorkingCopy& work, std::string_view line) {
    if (!ContainsNoCase(line, kProgramFiles)) return false;
    size_t pos = FindNoCase(line, kProgramFiles);
    if (pos == std::string_view::npos) return false;
    FixedText<MAX_PATH> folder;
    if (RegReadString(kCurrentVersionKey, "ProgramFilesDir", HKEY_LOCAL_MACHINE, folder) <= 0)
        folder = "C:\\Program Files";
    Substitute(work, line, pos, pos + kProgramFiles.size(), folder.view());
    return true;
}

struct Walk {
    size_t start = 0;  // the drive letter, or 0
    size_t end = 0;    // one past the last character taken
};

// Takes characters until an extension whose second letter after the dot is one
// of stopLetters (".EXE", ".DLL", ".CPL"), remembering the drive letter before
// the last colon seen as the start of the file.
Walk WalkCommand(std::string_view work, std::string_view stopLetters) {
    Walk walk;
    for (size_t i = 0; i < work.size(); ++i) {
        char c = work[i];
        if (c == '.' && i + 2 < work.size() && stopLetters.find(UpperAscii(work[i + 2])) != std::string_view::npos) {
            walk.end = i + 4 < work.size() ? i + 4 : work.size();
            return walk;
        }
        if (c == ':') walk.start = i ? i - 1 : 0;
    }
    walk.end = work.size();
    return walk;
}

int CopyUpper(std::string_view text, char* out, size_t size) {
    size_t n = CopyBounded(out, size, text);
    if (n) CharUpperBuffA(out, DWORD(n));
    return int(n);
}

using GetLongPathNameFn = DWORD(WINAPI*)(LPCSTR, LPSTR, DWORD);

GetLongPathNameFn LongPathFunction() {
    static const GetLongPathNameFn fn = [] {
        // Windows 95 exports the name but does not implement it.
        if (IsWindows95()) return GetLongPathNameFn();
        HMODULE kernel = GetModuleHandleA("KERNEL32.DLL");
        return kernel ? reinterpret_cast<GetLongPathNameFn>(GetProcAddress(kernel, "GetLongPathNameA"))
                      : GetLongPathNameFn();
    }();
    return fn;
}

}  // namespace

int ExtractProgramFile(std::string_view commandLine, TextBuffer out) {
    WorkingCopy work;
    if (!ExpandSystemRoot(work, commandLine) && !ExpandProgramFiles(work, commandLine))
        work.text.assign(commandLine.substr(0, MAX_PATH - 1));
    std::string_view text = work.text.view();
    Walk walk = WalkCommand(text, "XL");
    return CopyUpper(text.substr(walk.start, walk.end - walk.start), out.data(),
                     out.capacity() < MAX_PATH ? out.capacity() : MAX_PATH);
}

int ExtractStartupFile(std::string_view commandLine, TextBuffer fileOut, TextBuffer parametersOut) {
    parametersOut.clear();
    WorkingCopy work;
    if (!ExpandSystemRoot(work, commandLine)) work.text.assign(commandLine);
    std::string_view text = work.text.view();
    Walk walk = WalkCommand(text, "XLP");

    FixedText<MAX_PATH> file;
    CopyUpper(text.substr(walk.start, walk.end - walk.start), file.data(), file.capacity());
    int length = int(LongPathOf(file.view(), fileOut));

    // The parameters come from the original text. A quoted path leaves its
    // closing quote behind, and the blank after the file only separates: both
    // go, so that "file" + blank + parameters rebuilds a well-formed command.
    size_t pos = work.OriginalPosition(walk.end);
    std::string_view rest = pos < commandLine.size() ? commandLine.substr(pos) : std::string_view();
    if (!rest.empty() && rest.front() == '"') rest.remove_prefix(1);
    while (!rest.empty() && (rest.front() == ' ' || rest.front() == '\t')) rest.remove_prefix(1);
    parametersOut.assign(rest);
    return length;
}

size_t LongPathOf(std::string_view path, TextBuffer out) {
    GetLongPathNameFn fn = LongPathFunction();
    if (fn && !path.empty()) {
        FixedText<kCommandWorkSize> source(path);
        char longPath[kCommandWorkSize];
        DWORD n = fn(source.c_str(), longPath, sizeof(longPath));
        if (n > 0 && n < sizeof(longPath)) return out.assign(std::string_view(longPath, n));
    }
    return out.assign(path);
}

bool NamesRundll32(std::string_view commandLine) { return ContainsNoCase(commandLine, "RUNDLL32.EXE"); }
