#include "startup/delayed/delayed_command.h"

#include "base/text_helpers.h"
#include "base/unique_resource.h"
#include "base/command_line.h"
#include "base/file_search.h"

namespace {

constexpr std::string_view kRundll32 = "RUNDLL32.EXE";

// The position just after "RUNDLL32.EXE" (any case), or npos.
size_t AfterRundll32(std::string_view command) {
    if (command.size() < kRundll32.size()) return std::string_view::npos;
    for (size_t at = 0; at + kRundll32.size() <= command.size(); ++at) {
        if (EqualsNoCase(command.substr(at, kRundll32.size()), kRundll32)) return at + kRundll32.size();
    }
    return std::string_view::npos;
}

bool IsFullPath(std::string_view path) { return path.size() > 2 && path[1] == ':'; }

}  // namespace

DelayedCommand SplitStartupCommand(std::string_view command) {
    DelayedCommand result;
    size_t after = AfterRundll32(command);
    if (after != std::string_view::npos) {
        std::string_view rest = command.substr(after);
        if (!rest.empty() && rest.front() == '"') rest.remove_prefix(1);
        while (!rest.empty() && (rest.front() == ' ' || rest.front() == '\t')) rest.remove_prefix(1);
        if (!rest.empty()) {
            ExtractStartupFile(rest, result.path, result.parameters);
            if (!result.path.empty()) {
                result.applet = true;
                return result;
            }
        }
        result = DelayedCommand();  // RUNDLL32 by itself: the program is RUNDLL32
    }
    ExtractStartupFile(command, result.path, result.parameters);
    return result;
}

std::string JoinStartupCommand(std::string_view path, std::string_view parameters, std::string_view applet,
                               bool quotePath) {
    std::string command;
    if (!applet.empty()) {
        command += applet;
        command += ' ';
    }
    // A program's full path is quoted, as installers write it. A file with an
    // entry point after a comma (a DLL, with or without its applet) is only
    // quoted when it has a blank: "file,entry" is the form such entries take.
    bool entryPoint = !applet.empty() || (!parameters.empty() && parameters.front() == ',');
    bool quote = quotePath && IsFullPath(path) && path.find('"') == std::string_view::npos &&
                 (!entryPoint || path.find(' ') != std::string_view::npos);
    if (quote) command += '"';
    command += path;
    if (quote) command += '"';
    if (!parameters.empty()) {
        if (parameters.front() != ',') command += ' ';
        command += parameters;
    }
    return command;
}

FixedText<MAX_PATH> PathAsOnDisk(std::string_view path) {
    FixedText<MAX_PATH> original(path);
    if (!IsFullPath(path) || path.size() < 4 || path[2] != '\\' || path.size() >= MAX_PATH ||
        path.find_first_of("*?\"") != std::string_view::npos)
        return original;
    FsRedirectionOff redirection;
    std::string spelt(path.substr(0, 2));  // the drive as given
    size_t at = 3;
    while (at <= path.size()) {
        size_t end = path.find('\\', at);
        if (end == std::string_view::npos) end = path.size();
        if (end == at) return original;  // an empty name: no such file
        std::string probe = spelt + "\\" + std::string(path.substr(at, end - at));
        WIN32_FIND_DATAA found;
        if (!UniqueFindHandle(FindFirstFileA(probe.c_str(), &found))) return original;
        std::string_view name(found.cFileName, BoundedLength(found.cFileName, sizeof(found.cFileName)));
        // The long name only: a short name given in the path stays short.
        bool same = EqualsNoCase(name, path.substr(at, end - at));
        spelt += '\\';
        spelt += same ? name : path.substr(at, end - at);
        at = end + 1;
    }
    return spelt.size() < MAX_PATH ? FixedText<MAX_PATH>(spelt) : original;
}
