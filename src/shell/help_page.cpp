#include "shell/help_page.h"

#include <windows.h>
#include <shellapi.h>

#include "shell/app_state.h"
#include "shell/load_text.h"
#include "shell/vendor_server.h"
#include "shell/browser.h"
#include "base/file_search.h"
#include "base/program_folders.h"

namespace {

const char* HelpFileOf(int pageId) {
    switch (pageId) {
        case 6026: return "startup.html";
        case 6028: return "cookies.html";
        case 6029: return "tasks.html";
        case 6033: return "options.html";
        case 6038: return "services.html";
        case 6039: return "scheduler.html";
        case 6040: return "bho.html";
        case 6042: return "filetype.html";
        case 6051: return "helpme.html";
        case 6052: return "hidden.html";
        case 6055: return "delay.html";
        case 6056: return "activex.html";
        case 6061: return "reglock.html";
        default: return "features.html";
    }
}

}  // namespace

std::string HelpFileName(int pageId) {
    char code[261];
    LoadText(634, code, sizeof(code));
    std::string prefix = lstrcmpA(code, "us") == 0 ? "" : std::string(code) + "_";
    return prefix + HelpFileOf(pageId);
}

void OpenHelpPage(int pageId) {
    std::string name = HelpFileName(pageId);
    FixedText<MAX_PATH> folder;
    ProgramFolder(folder);
    std::string local = std::string(folder.view()) + "\\" + name;
    if (FileExists(local)) {
        ShellExecuteA(g_app.mainWindow, "open", local.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
        return;
    }
    std::string address = VendorHelpAddress(name);
    if (AolRunning()) {
        char aolPath[MAX_PATH] = {};
        GetProfileStringA("WAOL", "AppPath", "", aolPath, sizeof(aolPath));
        // The AOL client takes the address after an opening quote only.
        std::string command = aolPath[0] ? std::string(aolPath) + "\\WAOL.EXE -u\"" : std::string("waol.exe -u\"");
        command += address;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
        WinExec(command.c_str(), SW_SHOWNORMAL);
#pragma GCC diagnostic pop
        return;
    }
    ShellExecuteA(g_app.mainWindow, "open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}
