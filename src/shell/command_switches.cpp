#include "shell/command_switches.h"

#include "shell/page_commands.h"
#include "base/text_helpers.h"

namespace {

struct ActionSwitch { const char* text; StartAction action; };
constexpr ActionSwitch kActionSwitches[] = {
    {"-Restore", StartAction::Restore},
    {"-RegRepair", StartAction::RegRepair},
    {"-AUOption", StartAction::AUOption},
    {"-SetPrefix", StartAction::SetPrefix},
};

struct PageSwitch { const char* text; int pageId; };
// Table order matters: every match overwrites, so the later entry wins.
constexpr PageSwitch kPageSwitches[] = {
    {"-START", kPageStartup},      {"-SERVICE", kPageServices},   {"-BHO", kPageIEHelpers},
    {"-COOKIE", kPageCookiesForced}, {"-NUT", kPageCookies},      {"-OPTION", kPageOptions},
    {"-SCHEDULE", kPageScheduledTasks}, {"-TASK", kPageActiveTasks}, {"-DELAY", kPageDelayed},
    {"-FILETYPE", kPageFileTypes}, {"-HIDDEN", kPageHidden},      {"-ACTIVEX", kPageActiveX},
    {"-RECENT", kPageRecent},      {"-REGOPTIONS", kPageRegistryMonitoring},
    {"-EXIT", kCommandExitRequest}, {"-RESTART", kPageOptions},
};

}  // namespace

StartRequest ParseCommandLine(std::string_view commandLine, int startTab) {
    StartRequest request;
    request.pageId = startTab < kFirstPageCommand ? kPageStartup : startTab;
    if (commandLine.empty()) return request;
    for (const auto& s : kActionSwitches) {
        if (ContainsNoCase(commandLine, s.text)) {
            request.action = s.action;
            return request;
        }
    }
    for (const auto& s : kPageSwitches)
        if (ContainsNoCase(commandLine, s.text)) request.pageId = s.pageId;
    request.quit = ContainsNoCase(commandLine, "-Q");
    return request;
}
