#include "shell/main_window.h"

#include <array>
#include <optional>

#include "base/registry.h"
#include "base/unique_resource.h"
#include "res/resource_ids.h"
#include "shell/app_state.h"
#include "shell/cookie_store.h"
#include "shell/list_store.h"
#include "shell/monitor_link.h"
#include "shell/option_store.h"
#include "shell/options.h"
#include "shell/page_commands.h"
#include "shell/property_sheet.h"
#include "shell/restart_commands.h"
#include "shell/startup_hooks.h"

namespace {

struct SharedGdi {
    std::array<UniqueGdiObject, size_t(SharedFont::Count)> fonts;
    struct Bitmap { int id; UniqueGdiObject handle; };
    std::array<Bitmap, 10> bitmaps{{{133, {}}, {134, {}}, {135, {}}, {154, {}}, {155, {}}, {156, {}}, {193, {}},
                                    {158, {}}, {159, {}}, {160, {}}}};
};

SharedGdi& Gdi() {
    static SharedGdi gdi;
    return gdi;
}

// COM of the program's thread, from the start until the program ends.
std::optional<ComScope>& ProgramCom() {
    static std::optional<ComScope> com;
    return com;
}

HFONT MakeFont(int height, int weight, bool underline, const char* face, BYTE pitchAndFamily = FF_SWISS) {
    return CreateFontA(height, 0, 0, 0, weight, FALSE, underline, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, pitchAndFamily, face);
}

void CreateSharedGdi(HINSTANCE instance) {
    auto& fonts = Gdi().fonts;
    auto set = [&](SharedFont which, HFONT font) { fonts[size_t(which)].reset(font); };
    set(SharedFont::Verdana18, MakeFont(-18, 600, false, "Verdana"));
    set(SharedFont::Arial18, MakeFont(-18, 500, false, "Arial"));
    set(SharedFont::Arial18Underline, MakeFont(-18, 500, true, "Arial"));
    set(SharedFont::SansSerif14Bold, MakeFont(-14, 600, false, "MS Sans Serif"));
    set(SharedFont::SansSerif10Bold, MakeFont(-10, 600, false, "MS Sans Serif"));
    set(SharedFont::Arial14, MakeFont(-14, 400, false, "Arial"));
    set(SharedFont::SansSerif12, MakeFont(-12, 500, false, "MS Sans Serif"));
    set(SharedFont::ShellDlg14Bold, MakeFont(-14, 700, false, "MS Shell Dlg", 0));
    set(SharedFont::ShellDlg14, MakeFont(-14, 500, false, "MS Shell Dlg", 0));
    FixedText<65> face;
    if (RegReadString(kOptionsKey, "NoteFont", HKEY_CURRENT_USER, face) <= 0) face = "Arial";
    set(SharedFont::Note, MakeFont(NoteFontHeight(ReadOption("NoteSize", 14)), 500, false, face.c_str()));
    for (auto& bitmap : Gdi().bitmaps)
        bitmap.handle.reset(LoadBitmapA(instance, MAKEINTRESOURCEA(bitmap.id)));
}

// Frees what the lists hold and ends the message loop; WM_CLOSE and WM_DESTROY
// both arrive here, so the shutdown runs once.
void EndProgram() {
    static bool ended = false;
    if (ended) return;
    ended = true;
    ListStoreClear();
    CookieListStore().Clear();
    ProgramCom().reset();
    SaveOptions();
    PostQuitMessage(0);
}

void ExitRequest(HWND window) {
    if (ReadOption("ConfirmExit", 0) == 0) {
        DestroyWindow(window);
        return;
    }
    if (FindMonitorWindow())
        OpenSheet(window, kPageStartup);
    else
        StartMonitor();
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            HandleMainCommand(window, LOWORD(wParam));
            return 0;
        case WM_CLOSE:
        case WM_DESTROY:
            EndProgram();
            return 0;
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}

}  // namespace

void StartProgramCom() {
    if (!ProgramCom()) ProgramCom().emplace();
}

int NoteFontHeight(long noteSize) { return -int(noteSize & 255); }

HFONT GetSharedFont(SharedFont which) {
    return static_cast<HFONT>(Gdi().fonts[size_t(which)].get());
}

HBITMAP GetSharedBitmap(int resourceId) {
    for (auto& bitmap : Gdi().bitmaps)
        if (bitmap.id == resourceId) return static_cast<HBITMAP>(bitmap.handle.get());
    return nullptr;
}

void HandleMainCommand(HWND window, int id) {
    switch (id) {
        case kPageStartup: case kPageCookies: case kPageActiveTasks: case kPageOptions: case kPageServices:
        case kPageScheduledTasks: case kPageIEHelpers: case kPageFileTypes: case kPageHidden: case kPageDelayed:
        case kPageActiveX: case kPageRecent: case kPageRegistryMonitoring:
            OpenSheet(window, id);
            break;
        case kPageCookiesForced:
            g_app.viewCookiesForced = true;
            OpenSheet(window, kPageCookies);
            g_app.viewCookiesForced = false;
            break;
        case kCommandEndProgram:
            DestroyWindow(window);
            break;
        case kCommandToggleMonitorAutoStart:
            SwitchMonitorAutoStart(!g_app.monitorAutoStart);
            break;
        case kCommandViewRestartCommands:
            ViewRestartCommands();
            break;
        case kCommandExitRequest:
            ExitRequest(window);
            break;
        default:
            break;  // other ids are not the main window's
    }
}

HWND CreateMainWindow(HINSTANCE instance) {
    WNDCLASSA wc{};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = MainWindowProc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_PROGRAM));
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
    wc.lpszClassName = g_app.className.c_str();
    if (!RegisterClassA(&wc)) return nullptr;
    CreateSharedGdi(instance);
    HWND window = CreateWindowExA(WS_EX_APPWINDOW, g_app.className.c_str(), g_app.caption.c_str(),
                                  WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 0, -200, 0, 0, nullptr,
                                  nullptr, instance, nullptr);
    g_app.mainWindow = window;
    return window;
}
