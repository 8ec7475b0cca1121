#include "shell/online_lookup.h"

#include <shellapi.h>

#include <vector>

#include "res/resource_ids.h"
#include "shell/app_state.h"
#include "shell/load_text.h"
#include "shell/options.h"
#include "shell/vendor_server.h"
#include "shell/browser.h"
#include "base/command_line.h"
#include "base/file_facts.h"
#include "base/program_folders.h"
#include "base/shortcuts.h"
#include "base/text_helpers.h"
#include "base/version_info.h"

namespace {

constexpr const char* kShortLookupPath = "/cgi-bin/plusinfo.pl?";
constexpr const char* kDetailedLookupPath = "/cgi-bin/plusinfo12.pl?";
constexpr WORD kLanguageGerman = 7;
constexpr WORD kLanguageFrench = 12;

LookupLaunchers& Launchers() {
    static LookupLaunchers launchers;
    return launchers;
}

INT_PTR ShellOpen(const std::string& target) {
    if (Launchers().shellOpen) return Launchers().shellOpen(target);
    return reinterpret_cast<INT_PTR>(
        ShellExecuteA(g_app.mainWindow, "open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
}

UINT RunCommand(const std::string& command) {
    if (Launchers().winExec) return Launchers().winExec(command);
    return WinExec(command.c_str(), SW_SHOWNORMAL);
}

bool PassesUnescaped(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_' ||
           c == '.' || c == '~' || c == ':' || c == '/' || c == '(' || c == ')' || c == ',';
}

// The ANSI text in UTF-8, the encoding web servers read from an escaped query.
std::string Utf8Of(std::string_view text) {
    bool ascii = true;
    for (unsigned char c : text) ascii = ascii && c < 0x80;
    if (ascii || text.size() > 0x7FFFFFF) return std::string(text);
    int wide = MultiByteToWideChar(CP_ACP, 0, text.data(), int(text.size()), nullptr, 0);
    if (wide <= 0) return std::string(text);
    std::vector<wchar_t> buffer(static_cast<size_t>(wide));
    MultiByteToWideChar(CP_ACP, 0, text.data(), int(text.size()), buffer.data(), wide);
    int bytes = WideCharToMultiByte(CP_UTF8, 0, buffer.data(), wide, nullptr, 0, nullptr, nullptr);
    if (bytes <= 0) return std::string(text);
    std::string utf8(size_t(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, buffer.data(), wide, utf8.data(), bytes, nullptr, nullptr);
    return utf8;
}

const char* ShortLanguageCode() {
    if (g_app.languageId == kLanguageGerman) return "de";
    if (g_app.languageId == kLanguageFrench) return "fr";
    return "en";
}

std::string DetailedLanguageCode() {
    std::string code = LoadTextString(IDS_LANGUAGE);
    return code.empty() ? "en" : code;
}

void AddValue(std::string& query, const char* name, std::string_view value) {
    query += name;
    query += EscapeLookupValue(value);
}

// The AOL client opens the address itself: <AppPath>\WAOL.EXE -u "<address>".
void OpenThroughAol(const std::string& address) {
    char folder[MAX_PATH] = {};
    GetProfileStringA("WAOL", "AppPath", "", folder, sizeof(folder));
    std::string command;
    if (folder[0]) {
        // Quoted: an unquoted program path with blanks could start another program.
        command = "\"";
        command += folder;
        command += "\\WAOL.EXE\" -u";
    } else {
        command = "waol.exe -u";
    }
    command += " \"" + address + "\"";
    RunCommand(command);
}

void OpenInInternetExplorer(const std::string& address) {
    FixedText<MAX_PATH> explorer;
    if (InternetExplorerPath(explorer) <= 0) return;
    RunCommand("\"" + std::string(explorer.view()) + "\" " + address);
}

// The detailed address goes through an Internet shortcut in the program
// folder; the address itself is opened when the shortcut cannot be made.
INT_PTR OpenThroughShortcut(const std::string& address) {
    FixedText<MAX_PATH> folder;
    if (ProgramFolder(folder) > 0 && folder.size() + 9 < MAX_PATH) {
        FixedText<MAX_PATH> shortcut(folder.view());
        shortcut.append("\\temp.url");
        if (SUCCEEDED(CreateInternetShortcut(address, shortcut.view()))) {
            INT_PTR result = ShellOpen(std::string(shortcut.view()));
            DeleteFileA(shortcut.c_str());
            return result;
        }
    }
    return ShellOpen(address);
}

}  // namespace

std::string EscapeLookupValue(std::string_view text) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string utf8 = Utf8Of(text);
    std::string out;
    out.reserve(utf8.size() * 3);
    for (unsigned char c : utf8) {
        if (PassesUnescaped(c)) {
            out += char(c);
        } else if (c == ' ') {
            out += "%20";
        } else if (c == '&') {
            out += '+';
        } else {
            out += '%';
            out += kHex[c >> 4];
            out += kHex[c & 15];
        }
    }
    return out;
}

std::string LookupAddress(int type, std::string_view path, std::string_view title, bool detailed) {
    FixedText<MAX_PATH> file;
    ExtractProgramFile(path, file);
    std::string_view name = file.view().substr(FileNameOffset(file.view()));
    VersionInfo version;
    if (!file.empty()) ReadVersionInfo(file.view(), version);
    FixedText<MAX_PATH> extension, build;
    ExtensionOf(name, extension);
    VersionPair(build);

    std::string address = VendorServer();
    address += detailed ? kDetailedLookupPath : kShortLookupPath;
    AddValue(address, "program=", name.empty() ? title : name);
    AddValue(address, "&vendor=", version.companyName.view());
    if (!detailed) {
        AddValue(address, "&version=", version.productVersion.view());
        AddValue(address, "&build=", build.view());
        address += "&Type=" + std::to_string(type);
        AddValue(address, "&Loc=", ShortLanguageCode());
        AddValue(address, "&ext=", extension.view());
        return address;
    }
    FileFactsRecord facts;
    if (!file.empty()) FileFacts(file.view(), type, facts, LoadTextString(IDS_FILE_IN_USE));
    AddValue(address, "&build=", build.view());
    address += "&Type=" + std::to_string(type);
    AddValue(address, "&Loc=", DetailedLanguageCode());
    AddValue(address, "&ext=", extension.view());
    AddValue(address, "&version=", version.productVersion.view());
    AddValue(address, "&name=", version.productName.view());
    AddValue(address, "&copy=", version.legalCopyright.view());
    AddValue(address, "&detail=", version.fileDescription.view());
    AddValue(address, "&created=", facts.created.view());
    AddValue(address, "&detected=", facts.firstDetected.view());
    AddValue(address, "&fsize=", facts.size.view());
    AddValue(address, "&path=", file.view());
    return address;
}

void OpenOnlineLookup(int type, std::string_view path, std::string_view title) {
    bool detailed = ReadOption("PlusFormat", 0) != 0;
    OpenLookupAddress(LookupAddress(type, path, title, detailed), detailed);
}

void OpenLookupAddress(const std::string& address, bool detailed) {
    if (AolRunning()) {
        OpenThroughAol(address);
        return;
    }
    INT_PTR result = detailed ? OpenThroughShortcut(address) : ShellOpen(address);
    if (result > 32) return;
    if (!detailed || ReadOption("BrowserFailure", 0) != 0) OpenInInternetExplorer(address);
}

void SetLookupLaunchers(LookupLaunchers launchers) { Launchers() = std::move(launchers); }
