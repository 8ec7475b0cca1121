#include <gtest/gtest.h>

#include "shell/command_switches.h"

namespace {

struct SwitchCase {
    const char* name;
    const char* commandLine;
    int startTab;
    StartAction action;
    int pageId;
    bool quit;
};

const SwitchCase kCases[] = {
    {"NoSwitchOpensStartTab", "", 6033, StartAction::None, 6033, false},
    {"StartTabBelowFirstPageOpensStartup", "", 0, StartAction::None, 6026, false},
    {"StartTabJustBelowFirstPage", "", 6025, StartAction::None, 6026, false},
    {"LowerCaseSwitch", "-option", 6026, StartAction::None, 6033, false},
    {"LaterSwitchInTableWins", "-START -TASK", 6026, StartAction::None, 6029, false},
    {"LaterInTableWinsWhateverTheOrderOnTheLine", "-TASK -START", 6026, StartAction::None, 6029, false},
    {"RestartOpensOptions", "-RESTART", 6026, StartAction::None, 6033, false},
    {"SwitchInsideLongerWord", "x-servicey", 6026, StartAction::None, 6038, false},
    {"CookieForcesViewCookies", "-COOKIE", 6026, StartAction::None, 6045, false},
    {"Exit", "-EXIT", 6026, StartAction::None, 6048, false},
    {"RestoreWinsOverPageSwitch", "-START -Restore", 6026, StartAction::Restore, 6026, false},
    {"ActionOrder", "-SetPrefix -AUOption", 6026, StartAction::AUOption, 6026, false},
    {"RegRepair", "-regrepair", 6026, StartAction::RegRepair, 6026, false},
    {"Quit", "-Q", 6026, StartAction::None, 6026, true},
    {"QuitWithPage", "-q -DELAY", 6026, StartAction::None, 6055, true},
};

class SwitchTable : public ::testing::TestWithParam<SwitchCase> {};

TEST_P(SwitchTable, GivesActionPageAndQuit) {
    const SwitchCase& c = GetParam();
    StartRequest r = ParseCommandLine(c.commandLine, c.startTab);
    EXPECT_EQ(r.action, c.action);
    if (c.action == StartAction::None) EXPECT_EQ(r.pageId, c.pageId);
    EXPECT_EQ(r.quit, c.quit);
}

INSTANTIATE_TEST_SUITE_P(CommandLine, SwitchTable, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CommandLine, OverLongLineMatchesNothing) {
    std::string line(800, 'x');
    line += " -OPTION -Restore";
    StartRequest r = ParseCommandLine(line, 6026);
    EXPECT_EQ(r.action, StartAction::None);
    EXPECT_EQ(r.pageId, 6026);
}

}  // namespace
