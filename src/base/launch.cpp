#include "base/launch.h"

#include <windows.h>
#include <shellapi.h>

#include <string>

#include "base/file_search.h"
#include "base/program_folders.h"

std::string CommandLineOf(std::string_view path, std::string_view parameters) {
    std::string command;
    bool quote = !path.empty() && path.find(' ') != std::string_view::npos && path.front() != '"';
    if (quote) command += '"';
    command += path;
    if (quote) command += '"';
    if (!parameters.empty()) {
        command += ' ';
        command += parameters;
    }
    return command;
}

bool LaunchFile(HWND owner, std::string_view path, std::string_view parameters, int show) {
    std::string file(path), args(parameters);
    SHELLEXECUTEINFOA info{};
    info.cbSize = sizeof(info);
    // No shell error box: a failure here is followed by the WinExec attempt.
    info.fMask = SEE_MASK_FLAG_NO_UI;
    info.hwnd = owner;
    info.lpVerb = "open";
    info.lpFile = file.c_str();
    info.lpParameters = args.empty() ? nullptr : args.c_str();
    info.nShow = show;
    if (ShellExecuteExA(&info)) return true;
    return WinExec(CommandLineOf(path, parameters).c_str(), UINT(show)) > 31;
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

bool ImportSavedRegFile() {
    FixedText<MAX_PATH> path;
    if (DataFolder(path) == 0 || path.size() + 9 >= MAX_PATH) return false;
    path.append("\\temp.reg");
    if (!FileExists(path.view())) return false;
    // Quoted: the data folder usually lies under a profile path with blanks.
    std::string command = "regedit /s \"" + std::string(path.view()) + "\"";
    return WinExec(command.c_str(), SW_SHOWNORMAL) > 31;
}
