#include "startup/launch.h"

#include <windows.h>
#include <commdlg.h>
#include <shellapi.h>

#include <cstdlib>
#include <string>

#include "shell/app_state.h"
#include "shell/load_text.h"
#include "shell/registry.h"
#include "startup/file_search.h"
#include "startup/program_folders.h"

namespace {

constexpr int kIdsNoHostsFile = 736;
constexpr int kIdsBrowseTitle = 902;
constexpr int kIdsBrowseFilter = 903;
constexpr const char* kOpenAsKey = "Software\\Orvik Studios\\Sentrivox\\Delay\\OpenAs";

// A path with blanks is quoted, so that WinExec does not split it.
std::string CommandOf(std::string_view path, std::string_view parameters) {
    std::string command;
    bool quote = path.find(' ') != std::string_view::npos && path.front() != '"';
    if (quote) command += '"';
    command += path;
    if (quote) command += '"';
    if (!parameters.empty()) {
        command += ' ';
        command += parameters;
    }
    return command;
}

bool LaunchFile(std::string_view path, std::string_view parameters, int show) {
    std::string file(path), args(parameters);
    SHELLEXECUTEINFOA info{};
    info.cbSize = sizeof(info);
    // No shell error box: a failure here is followed by the WinExec attempt.
    info.fMask = SEE_MASK_FLAG_NO_UI;
    info.hwnd = g_app.mainWindow;
    info.lpVerb = "open";
    info.lpFile = file.c_str();
    info.lpParameters = args.empty() ? nullptr : args.c_str();
    info.nShow = show;
    if (ShellExecuteExA(&info)) return true;
    return WinExec(CommandOf(path, parameters).c_str(), UINT(show)) > 31;
}

}  // namespace

// The stored window state: "0" normal, "1" minimised, "2" maximised.
int DelayedShowMode(HKEY hive, std::string_view path) {
    FixedText<24> text;
    if (!hive || path.empty() || RegReadString(kOpenAsKey, path, hive, text) <= 0) return SW_SHOWNORMAL;
    switch (std::strtol(text.c_str(), nullptr, 10)) {
        case 1: return SW_MINIMIZE;
        case 2: return SW_MAXIMIZE;
        default: return SW_SHOWNORMAL;
    }
}

bool LaunchProgram(HKEY hive, std::string_view path, std::string_view parameters, std::string_view applet) {
    if (path.empty()) return false;
    int show = DelayedShowMode(hive, path);
    if (!applet.empty()) {
        // The DLL is no program: its applet runs it, with the DLL (quoted when
        // it has blanks) and the entry point that follows it.
        std::string dll = CommandOf(path, {});
        if (!parameters.empty() && parameters.front() != ',') dll += ' ';
        dll += parameters;
        return LaunchFile(applet, dll, show);
    }
    return LaunchFile(path, parameters, show);
}

bool OpenFileProperties(HWND owner, std::string_view path) {
    if (path.empty()) return false;
    FixedText<MAX_PATH> file(path), folder;
    LocateProgramFolder(path, folder);
    SHELLEXECUTEINFOA info{};
    info.cbSize = sizeof(info);
    info.fMask = SEE_MASK_INVOKEIDLIST;
    info.hwnd = owner;
    info.lpVerb = "properties";
    info.lpFile = file.c_str();
    info.lpParameters = "";
    info.lpDirectory = folder.empty() ? nullptr : folder.c_str();
    info.nShow = SW_SHOW;
    return ShellExecuteExA(&info) != FALSE;
}

void ViewHostsFile() {
    FixedText<MAX_PATH> hosts, folder;
    HostsFilePath(hosts);
    if (hosts.empty() || !FileExists(hosts.view())) {
        FixedText<1024> text;
        LoadText(kIdsNoHostsFile, text);
        MessageBoxExA(g_app.mainWindow, text.c_str(), g_app.caption.c_str(), MB_OK | MB_ICONINFORMATION | MB_TOPMOST,
                      g_app.languageId);
        return;
    }
    FolderOfPath(hosts.view(), folder);
    ShellExecuteA(g_app.mainWindow, "open", "notepad.exe", hosts.c_str(), folder.c_str(), SW_SHOWNORMAL);
}

bool BrowseForProgram(HWND owner, char* out, size_t size) {
    CopyBounded(out, size, {});
    FixedText<260> title;
    LoadText(kIdsBrowseTitle, title);
    // The filter's parts are separated by '%' in the text and by terminators for the dialog.
    char filter[512] = {};
    int length = LoadText(kIdsBrowseFilter, filter, sizeof(filter) - 1);
    for (int i = 0; i < length; ++i)
        if (filter[i] == '%') filter[i] = '\0';

    char file[MAX_PATH] = {};
    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = length > 0 ? filter : nullptr;
    ofn.lpstrFile = file;
    ofn.nMaxFile = MAX_PATH;
    ofn.lpstrInitialDir = "C:\\Program Files";
    ofn.lpstrTitle = title.empty() ? nullptr : title.c_str();
    ofn.Flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST | OFN_EXPLORER | OFN_LONGNAMES;
    if (!GetOpenFileNameA(&ofn)) return false;
    size_t n = BoundedLength(file, MAX_PATH);
    if (n <= 4) return false;
    CopyBounded(out, size, std::string_view(file, n));
    return true;
}

bool ImportSavedRegFile() {
    FixedText<MAX_PATH> path;
    if (DataFolder(path) == 0 || path.size() + 9 >= MAX_PATH) return false;
    path.append("\\temp.reg");
    if (!FileExists(path.view())) return false;
    // Quoted: the data folder usually lies under a profile path with blanks.
    std::string command = "regedit /s \"" + std::string(path.view()) + "\"";
    return WinExec(command.c_str(), SW_SHOWNORMAL) > 31;
}
