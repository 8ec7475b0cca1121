// Program entry: one-shot actions, hand-over to a running instance, or a new
// instance with its hidden main window and the property sheet.
#include <windows.h>
#include <commctrl.h>

#include "app/registrations.h"
#include "shell/app_state.h"
#include "shell/command_switches.h"
#include "shell/load_text.h"
#include "shell/main_window.h"
#include "shell/options.h"
#include "shell/page_commands.h"
#include "shell/start_actions.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    g_app.instance = instance;
    RegisterSubsystems();
    // The registry view is settled first, so that the overrides read here and the
    // values an action switch writes are in the view every later start uses.
    DetectWindows64();
    if (LoadText(9, g_app.className) <= 0) return 0;
    char loading[33];
    if (LoadText(833, loading, sizeof(loading)) <= 0) return 0;
    g_app.caption = loading;

    long startTab = ReadOption("StartTab", kPageStartup);
    StartRequest request = ParseCommandLine(commandLine ? commandLine : "", int(startTab));
    if (request.action != StartAction::None) {
        PerformStartAction(request.action);
        return 0;
    }

    if (HWND running = FindWindowA(g_app.className.c_str(), nullptr)) {
        PostMessageA(running, WM_COMMAND, WPARAM(request.quit ? kCommandEndProgram : request.pageId), 0);
        return 0;
    }
    if (request.quit) return 0;

    HWND window = CreateMainWindow(instance);
    if (!window) return 0;
    StartProgramCom();
    InitCommonControls();
    g_app.statusBar = nullptr;
    InitializeStart();
    RotateFirstSeenPruning();

    PostMessageA(window, WM_COMMAND, WPARAM(request.pageId), 0);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return int(message.wParam);
}
