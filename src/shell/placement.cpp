#include "shell/placement.h"

#include <string>

#include "shell/app_state.h"
#include "shell/options.h"
#include "shell/page_commands.h"
#include "base/registry.h"

namespace {

bool ReadSaved(std::string_view name, long& value) {
    FixedText<33> text;
    if (RegReadString(kProgramKey, name, HKEY_CURRENT_USER, text) <= 0) return false;
    value = ParseOptionText(text.view());
    return true;
}

}  // namespace

void RememberStartTab() {
    // While the sheet closes, pages are destroyed after the visible one has set
    // CurrentPageId to 0; writing that would forget the last page.
    if (g_app.currentPageId >= kFirstPageCommand) WriteOption("StartTab", g_app.currentPageId);
}

int ClampSavedCoordinate(long value, int virtualExtent, int fallback) {
    return value > virtualExtent ? fallback : int(value);
}

void SavePlacement(HWND window, std::string_view xName, std::string_view yName, std::string_view dxName,
                   std::string_view dyName) {
    RECT r;
    if (window && GetWindowRect(window, &r)) {
        RegWriteString(HKEY_CURRENT_USER, kProgramKey, xName, std::to_string(r.left));
        RegWriteString(HKEY_CURRENT_USER, kProgramKey, yName, std::to_string(r.top));
        RegWriteString(HKEY_CURRENT_USER, kProgramKey, dxName, std::to_string(r.right - r.left));
        RegWriteString(HKEY_CURRENT_USER, kProgramKey, dyName, std::to_string(r.bottom - r.top));
    }
    RememberStartTab();
}

void CenterWindow(HWND window) {
    RECT r;
    if (!GetWindowRect(window, &r)) return;
    int x = (GetSystemMetrics(SM_CXSCREEN) - (r.right - r.left)) / 2;
    int y = (GetSystemMetrics(SM_CYSCREEN) - (r.bottom - r.top)) / 3;
    SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void RestorePlacement(HWND window, std::string_view xName, std::string_view yName) {
    RememberStartTab();
    long x = 0, y = 0;
    if (ReadSaved(xName, x) && ReadSaved(yName, y)) {
        int px = ClampSavedCoordinate(x, GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CXSCREEN) / 2);
        int py = ClampSavedCoordinate(y, GetSystemMetrics(SM_CYVIRTUALSCREEN), GetSystemMetrics(SM_CYSCREEN) / 2);
        SetWindowPos(window, nullptr, px, py, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    } else {
        CenterWindow(window);
    }
}
