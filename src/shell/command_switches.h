// The command line: at most one switch, found anywhere and in any case.
#pragma once

#include <string_view>

enum class StartAction { None, Restore, RegRepair, AUOption, SetPrefix };

struct StartRequest {
    StartAction action = StartAction::None;
    int pageId = 0;     // the page to open (or 6048 for the exit request)
    bool quit = false;  // "-Q": ask a running instance to end
};

// Applies the action switches, then the page switches (the last match in table
// order wins), then "-Q". startTab is the page when no page switch matches.
StartRequest ParseCommandLine(std::string_view commandLine, int startTab);
