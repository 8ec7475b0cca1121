#include "startup/delayed/delayed_launch.h"

#include <cstdlib>
#include <string>

#include "base/fixed_text.h"
#include "base/launch.h"
#include "base/registry.h"
#include "shell/app_state.h"

namespace {

constexpr const char* kOpenAsKey = "Software\\Orvik Studios\\Sentrivox\\Delay\\OpenAs";

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
        std::string dll = CommandLineOf(path, {});
        if (!parameters.empty() && parameters.front() != ',') dll += ' ';
        dll += parameters;
        return LaunchFile(g_app.mainWindow, applet, dll, show);
    }
    return LaunchFile(g_app.mainWindow, path, parameters, show);
}
