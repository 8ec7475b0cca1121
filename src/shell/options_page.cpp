#include "shell/options_page.h"

#include <prsht.h>

#include "res/resource_ids.h"
#include "shell/app_state.h"
#include "shell/explorer_verb.h"
#include "shell/frame_page.h"
#include "shell/hide_alerts.h"
#include "shell/load_text.h"
#include "shell/messages.h"
#include "shell/monitor_link.h"
#include "shell/monitor_picture.h"
#include "shell/option_store.h"
#include "shell/options.h"
#include "shell/options_actions.h"
#include "shell/page_commands.h"
#include "shell/patrol_categories.h"
#include "shell/patrol_time.h"
#include "shell/start_actions.h"
#include "shell/startup_hooks.h"
#include "base/windows_version.h"

namespace {

constexpr int kTrayIconOriginal = 159;
constexpr int kTrayIconPlain = 101;

struct ItemText {
    int controlId;
    int stringId;
};

constexpr ItemText kItemTexts[] = {
    {IDC_OPT_INTRO, IDS_OPTIONS_INTRO},
    {IDC_OPT_GROUP, IDS_OPTIONS_GROUP},
    {IDC_OPT_AUTOSTART, IDS_OPT_AUTOSTART},
    {IDC_OPT_SOUND, IDS_OPT_SOUND},
    {IDC_OPT_HISTORY, IDS_OPT_HISTORY},
    {IDC_OPT_HIDE_TRAY, IDS_OPT_HIDE_TRAY},
    {IDC_OPT_LOCK_FILETYPES, IDS_OPT_LOCK_FILETYPES},
    {IDC_OPT_CONFIRM_EXIT, IDS_OPT_CONFIRM_EXIT},
    {IDC_OPT_ORIGINAL_TRAY_ICON, IDS_OPT_ORIGINAL_TRAY_ICON},
    {IDC_OPT_PLUS_INFO, IDS_OPT_PLUS_INFO},
    {IDC_OPT_EXPLORER_MENU, IDS_OPT_EXPLORER_MENU},
    {IDC_OPT_HOMEPAGE_TEXT, IDS_OPT_HOMEPAGE},
    {IDC_OPT_HOSTS_TEXT, IDS_OPT_HOSTS},
    {IDC_OPT_RESTART_TEXT, IDS_OPT_RESTART_FILE},
    {IDC_OPT_VIEW_HISTORY, IDS_VIEW_HISTORY},
    {IDC_OPT_VIEW_HOSTS, IDS_VIEW_HOSTS},
    {IDC_OPT_EXPORT, IDS_EXPORT_SETTINGS},
    {IDC_OPT_RESTORE_DELAYED, IDS_RESTORE_ALL_DELAYED},
    {IDC_OPT_REPORT, IDS_SENTRIVOX_LOG},
    {IDC_OPT_HIJACK_LOG, IDS_HIJACK_LOG},
    {IDC_OPT_SPREADSHEET, IDS_SPREADSHEET_REPORT},
    {IDC_OPT_HIDE_ALERTS, IDS_OPT_HIDE_ALERTS},
};

// Check boxes whose state is their option's value.
struct OptionBox {
    int controlId;
    const char* option;
};

constexpr OptionBox kOptionBoxes[] = {
    {IDC_OPT_SOUND, "Sound"},
    {IDC_OPT_HISTORY, "History"},
    {IDC_OPT_HIDE_TRAY, "HideBrisko"},
    {IDC_OPT_LOCK_FILETYPES, "LockFileTypes"},
    {IDC_OPT_CONFIRM_EXIT, "ConfirmExit"},
    {IDC_OPT_PLUS_INFO, "PlusFormat"},
    {IDC_OPT_EXPLORER_MENU, "ExplorerMenu"},
};

// The page's own Monitor pictures and their patrol categories.
struct PatrolPicture {
    int pictureId;
    int textId;
    int titleId;
};

constexpr PatrolPicture kPatrolPictures[] = {
    {IDC_OPT_HOMEPAGE_PICTURE, IDC_OPT_HOMEPAGE_TEXT, IDS_PATROL_HOMEPAGE},
    {IDC_OPT_HOSTS_PICTURE, IDC_OPT_HOSTS_TEXT, IDS_PATROL_HOSTS},
    {IDC_OPT_RESTART_PICTURE, IDC_OPT_RESTART_TEXT, IDS_PATROL_WININIT},
};

// The restart file (wininit.ini) exists on the 9x family only.
bool PictureShown(const PatrolPicture& picture) {
    return picture.pictureId != IDC_OPT_RESTART_PICTURE || !IsWindowsNT();
}

void Check(HWND page, int id, bool checked) { CheckDlgButton(page, id, checked ? BST_CHECKED : BST_UNCHECKED); }
bool Checked(HWND page, int id) { return IsDlgButtonChecked(page, id) == BST_CHECKED; }

void InitOptionsPage(HWND page) {
    g_app.currentPageId = kPageOptions;
    for (const ItemText& item : kItemTexts) SetItemText(page, item.stringId, item.controlId);
    EnableWindow(GetDlgItem(page, IDC_OPT_HIDE_ALERTS), TRUE);
    // Values the monitor changed since the program started are picked up here.
    InitializeStart();
}

void ShowOptionsState(HWND page) {
    for (const PatrolPicture& picture : kPatrolPictures) {
        int show = PictureShown(picture) ? SW_SHOW : SW_HIDE;
        ShowWindow(GetDlgItem(page, picture.pictureId), show);
        ShowWindow(GetDlgItem(page, picture.textId), show);
        if (const PatrolCategory* category = FindPatrolCategory(picture.titleId))
            AttachMonitorPicture(page, picture.pictureId, *category);
    }
    Check(page, IDC_OPT_AUTOSTART, MonitorAutoStartPresent());
    for (const OptionBox& box : kOptionBoxes) Check(page, box.controlId, OptionValue(box.option) > 0);
    Check(page, IDC_OPT_ORIGINAL_TRAY_ICON, ReadOption("TrayIcon", 0) != kTrayIconPlain);
}

void LeaveOptionsPage(HWND page) {
    for (const PatrolPicture& picture : kPatrolPictures) DetachMonitorPicture(page, picture.pictureId);
}

void HideTaskbarIconClicked(HWND page) {
    bool hide = Checked(page, IDC_OPT_HIDE_TRAY);
    RememberOption("HideBrisko", hide ? 1 : 0);
    if (hide) ShowNote(IDS_TRAY_HIDDEN_NOTE);
    SendTrayIconSwitch(hide);
}

void PlusInfoClicked(HWND page) {
    bool allow = Checked(page, IDC_OPT_PLUS_INFO);
    RememberOption("PlusFormat", allow ? 1 : 0);
    if (!allow) return;
    FixedText<1024> text;
    LoadText(IDS_PLUS_INFO_THANKS, text);
    MessageBoxExA(page, text.c_str(), g_app.caption.c_str(), MB_ICONWARNING | MB_TOPMOST, g_app.languageId);
}

void ExplorerMenuClicked(HWND page) {
    bool on = Checked(page, IDC_OPT_EXPLORER_MENU);
    RememberOption("ExplorerMenu", on ? 1 : 0);
    if (on) CreateExplorerVerb();
    else RemoveExplorerVerb();
}

// The box shows what the machine's Run key holds afterwards, so a switch that
// could not be made stays visible as such.
void AutoStartClicked(HWND page) {
    SwitchMonitorAutoStart(Checked(page, IDC_OPT_AUTOSTART));
    Check(page, IDC_OPT_AUTOSTART, MonitorAutoStartPresent());
}

// Returns true when the control was one of the page's own.
bool OptionsCommand(HWND page, int id) {
    switch (id) {
        case IDC_OPT_AUTOSTART: AutoStartClicked(page); return true;
        case IDC_OPT_EXPLORER_MENU: ExplorerMenuClicked(page); return true;
        case IDC_OPT_SOUND:
        case IDC_OPT_LOCK_FILETYPES:
        case IDC_OPT_CONFIRM_EXIT:
        case IDC_OPT_HISTORY:
            for (const OptionBox& box : kOptionBoxes)
                if (box.controlId == id) RememberOption(box.option, Checked(page, id) ? 1 : 0);
            return true;
        case IDC_OPT_HIDE_TRAY: HideTaskbarIconClicked(page); return true;
        case IDC_OPT_ORIGINAL_TRAY_ICON:
            WriteOption("TrayIcon", Checked(page, id) ? kTrayIconOriginal : kTrayIconPlain);
            return true;
        case IDC_OPT_PLUS_INFO: PlusInfoClicked(page); return true;
        case IDC_OPT_VIEW_HISTORY: OpenHistoryViewer(page); return true;
        case IDC_OPT_VIEW_HOSTS: ViewHostsFile(); return true;
        case IDC_OPT_EXPORT: RunSettingsExport(page); return true;
        case IDC_OPT_RESTORE_DELAYED: RestoreDelayedStartPrograms(); return true;
        case IDC_OPT_REPORT: RunSystemReport(page); return true;
        case IDC_OPT_HIJACK_LOG: RunScanLog(page); return true;
        case IDC_OPT_SPREADSHEET: RunSpreadsheetReport(page); return true;
        case IDC_OPT_HIDE_ALERTS: ShowHideAlertsDialog(page); return true;
    }
    for (const PatrolPicture& picture : kPatrolPictures) {
        if (picture.pictureId != id) continue;
        ChangePatrolTime(page, picture.pictureId, picture.titleId);
        return true;
    }
    return false;
}

}  // namespace

INT_PTR CALLBACK OptionsPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    INT_PTR result = FALSE;
    switch (message) {
        case WM_INITDIALOG:
            InitOptionsPage(page);
            break;
        case WM_NOTIFY: {
            UINT code = reinterpret_cast<const NMHDR*>(lParam)->code;
            if (code == PSN_KILLACTIVE) LeaveOptionsPage(page);
            bool handled = HandlePageCommon(page, message, wParam, lParam, kPageOptions, result);
            if (code == PSN_SETACTIVE) ShowOptionsState(page);
            return handled ? result : FALSE;
        }
        case WM_COMMAND:
            if (HIWORD(wParam) == BN_CLICKED && OptionsCommand(page, LOWORD(wParam))) {
                // Every change reaches the registry at once, and the monitor reloads.
                SaveOptions();
                return TRUE;
            }
            break;
    }
    HandlePageCommon(page, message, wParam, lParam, kPageOptions, result);
    return result;
}
