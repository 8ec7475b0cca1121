#include "shell/browser.h"

#include <windows.h>
#include <shlwapi.h>

#include <string_view>

#include "shell/load_text.h"
#include "base/registry.h"
#include "base/file_search.h"
#include "base/program_folders.h"
#include "base/text_helpers.h"
#include "base/version_info.h"

namespace {

constexpr int kIdsHttpCommandKey = 5;
constexpr int kIdsIexploreAppPathKey = 12;
constexpr const char* kHttpCommandKey = "SOFTWARE\\Classes\\HTTP\\shell\\open\\command";
constexpr const char* kIexploreAppPathKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\IEXPLORE.EXE";

// A key path from the string table, or its built-in text when the table has none.
FixedText<MAX_PATH> KeyPath(int id, const char* fallback) {
    FixedText<MAX_PATH> key;
    if (LoadText(id, key) <= 0) key = fallback;
    return key;
}

// The IEXPLORE.EXE App Paths folder without its trailing ';', plus file; empty when unknown.
int IexplorePath(std::string_view file, char* out, size_t size) {
    FixedText<MAX_PATH> folder;
    if (RegReadString(KeyPath(kIdsIexploreAppPathKey, kIexploreAppPathKey).view(), "Path", HKEY_LOCAL_MACHINE,
                      folder) <= 0)
        return int(CopyBounded(out, size, {}));
    std::string_view path = folder.view();
    if (!path.empty() && path.back() == ';') path.remove_suffix(1);
    FixedText<MAX_PATH> result(path);
    result.append(file);
    return int(CopyBounded(out, size, result.view()));
}

// The program of a browser command. A quoted program is the text inside its
// quotes; otherwise quotes are dropped and the text ends before its first
// switch (a blank followed by '-', '/' or '%'), so that a folder with a
// hyphen in its name stays whole.
std::string_view BrowserProgram(std::string_view command, FixedText<MAX_PATH>& buf) {
    if (!command.empty() && command.front() == '"') {
        size_t close = command.find('"', 1);
        return command.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1);
    }
    StripQuotes(command, buf);
    std::string_view text = buf.view();
    for (size_t i = 0; i < text.size(); ++i) {
        bool switchStart = text[i] == '-' || text[i] == '/' || text[i] == '%';
        if (switchStart && (i == 0 || text[i - 1] == ' ')) return text.substr(0, i ? i - 1 : 0);
    }
    return text;
}

}  // namespace

int DefaultBrowserCommand(char* out, size_t size) {
    FixedText<1024> command;
    RegReadString(KeyPath(kIdsHttpCommandKey, kHttpCommandKey).view(), "", HKEY_LOCAL_MACHINE, command);
    FixedText<MAX_PATH> buf;
    std::string_view program = BrowserProgram(command.view(), buf);
    while (!program.empty() && program.back() == ' ') program.remove_suffix(1);
    if (!program.empty()) return int(CopyBounded(out, size, program));
    return IexplorePath("\\IExplore.exe", out, size);
}

int InternetExplorerPath(char* out, size_t size) { return IexplorePath("\\iexplore.exe", out, size); }

int BrowserKind() {
    FixedText<MAX_PATH> command;
    DefaultBrowserCommand(command);
    struct Kind { const char* name; int number; };
    static constexpr Kind kKinds[] = {{"iexplore", 1}, {"netscp", 2}, {"maxthon", 4},
                                      {"avant", 5},    {"mozilla", 6}, {"firefox", 3}};
    for (const Kind& kind : kKinds)
        if (ContainsNoCase(command.view(), kind.name)) return kind.number;
    return 1;
}

bool AolRunning() {
    static constexpr const char* kFrame25Titles[] = {"America  Online", "America Online", "AOL", "AOL Canada"};
    for (const char* title : kFrame25Titles)
        if (FindWindowA("AOL Frame25", title)) return true;
    return FindWindowA("AOL Frame", "America  Online") != nullptr;
}

bool CommonControlsNewerThan470() {
    HMODULE module = GetModuleHandleA("comctl32.dll");
    UniqueModule loaded;
    if (!module) {
        loaded.reset(LoadLibraryA("comctl32.dll"));
        module = loaded.get();
    }
    if (!module) return false;
    auto getVersion = reinterpret_cast<DLLGETVERSIONPROC>(GetProcAddress(module, "DllGetVersion"));
    if (!getVersion) return false;
    DLLVERSIONINFO info{};
    info.cbSize = sizeof(info);
    if (FAILED(getVersion(&info))) return false;
    return (info.dwMajorVersion << 16) + info.dwMinorVersion > 0x40046;
}

int VersionPair(char* out, size_t size) {
    FixedText<MAX_PATH> folder;
    ProgramFolder(folder);
    return VersionPairIn(folder.view(), out, size);
}

int VersionPairIn(std::string_view folder, char* out, size_t size) {
    FixedText<MAX_PATH> monitor, explorer;
    monitor = folder;
    monitor.append("\\Sentrivox.exe");
    explorer = folder;
    explorer.append("\\SentrivoxEx.exe");

    VersionInfo info;
    ReadVersionInfo(monitor.view(), info);
    FixedText<1024> pair(info.productVersion.view());
    if (FileExists(explorer.view())) {
        ReadVersionInfo(explorer.view(), info);
        pair.append(":");
        pair.append(info.productVersion.view());
    }
    return int(CopyBounded(out, size, pair.view()));
}
