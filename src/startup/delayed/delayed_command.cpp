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

