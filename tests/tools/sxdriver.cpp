// A command-line window driver for scripts; runs under Wine beside SentrivoxEx.
//
//   sxdriver wait-sheet <seconds>   exit 0 once SentrivoxEx's sheet is visible, 1 on timeout
//   sxdriver close [<seconds>]      closes the sheet as a user does and waits for the program to end
//   sxdriver wait-gone <seconds>    exit 0 once no SentrivoxEx main window exists
//   sxdriver tabs                   prints the tab texts, one per line
//   sxdriver page                   prints the selected tab's text and the page's template id
//   sxdriver status                 prints the status bar's text
//   sxdriver click <id>             presses a button of the visible page
//   sxdriver message                prints the open message box's caption and text (exit 1: none)
//   sxdriver answer <id>            answers the open message box (1 OK, 2 Cancel, 6 Yes, 7 No)
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "support/window_driver.h"

namespace {

DWORD SecondsArg(int argc, char** argv, int index, DWORD fallback) {
    if (index >= argc) return fallback * 1000;
    return DWORD(std::strtoul(argv[index], nullptr, 10)) * 1000;
}

// The pid of the running SentrivoxEx, 0 when none runs.
DWORD ProgramProcess() {
    HWND main = driver::FindMainWindow();
    return main ? driver::ProcessOf(main) : 0;
}

HWND ProgramSheet() {
    DWORD pid = ProgramProcess();
    return pid ? driver::FindSheet(pid) : nullptr;
}

int Usage() {
    std::fputs("usage: sxdriver wait-sheet <s> | close [<s>] | wait-gone <s> | tabs | page | status |"
               " click <id> | message | answer <id>\n",
               stderr);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return Usage();
    std::string command = argv[1];

    if (command == "wait-sheet") {
        HWND sheet = nullptr;
        bool found = driver::WaitUntil([&] { return (sheet = ProgramSheet()) != nullptr; },
                                       SecondsArg(argc, argv, 2, 30), 100);
        if (!found) {
            std::fputs("sxdriver: no sheet\n", stderr);
            return 1;
        }
        std::printf("%s\n", driver::TextOf(sheet).c_str());
        return 0;
    }
    if (command == "close") {
        DWORD timeout = SecondsArg(argc, argv, 2, 10);
        HWND main = driver::FindMainWindow();
        if (!main) return 0;
        HWND sheet = nullptr;
        driver::WaitUntil([&] { return (sheet = ProgramSheet()) != nullptr; }, 2000, 100);
        if (sheet)
            driver::CloseSheet(sheet);
        else
            PostMessageA(main, WM_CLOSE, 0, 0);
        if (driver::WaitUntil([] { return driver::FindMainWindow() == nullptr; }, timeout, 100)) return 0;
        std::fputs("sxdriver: the program did not end\n", stderr);
        return 1;
    }
    if (command == "wait-gone") {
        return driver::WaitUntil([] { return driver::FindMainWindow() == nullptr; }, SecondsArg(argc, argv, 2, 30),
                                 100)
                   ? 0
                   : 1;
    }
    if (command == "message" || command == "answer") {
        DWORD pid = ProgramProcess();
        auto box = pid ? driver::FindMessageBox(pid) : std::nullopt;
        if (!box) return 1;
        if (command == "message") {
            std::printf("%s\n%s\n", box->caption.c_str(), box->text.c_str());
            return 0;
        }
        if (argc < 3) return Usage();
        return driver::AnswerMessageBox(box->window, std::atoi(argv[2])) ? 0 : 1;
    }

    HWND sheet = ProgramSheet();
    if (!sheet) {
        std::fputs("sxdriver: no sheet\n", stderr);
        return 1;
    }
    if (command == "tabs") {
        for (const std::string& text : driver::TabTexts(sheet)) std::printf("%s\n", text.c_str());
        return 0;
    }
    if (command == "page") {
        auto tabs = driver::TabTexts(sheet);
        int selected = driver::SelectedTab(sheet);
        std::string title = selected >= 0 && size_t(selected) < tabs.size() ? tabs[size_t(selected)] : "";
        std::printf("%s\t%d\n", title.c_str(), driver::CurrentPageTemplate(sheet));
        return 0;
    }
    if (command == "status") {
        std::printf("%s\n", driver::StatusText(sheet).c_str());
        return 0;
    }
    if (command == "click") {
        if (argc < 3) return Usage();
        return driver::ClickButton(driver::CurrentPage(sheet), std::atoi(argv[2])) ? 0 : 1;
    }
    return Usage();
}
