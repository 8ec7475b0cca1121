#include "shell/hide_alerts.h"

#include "res/options_ids.h"
#include "res/resource_ids.h"
#include "shell/app_state.h"
#include "shell/dialog_buttons.h"
#include "shell/load_text.h"
#include "shell/messages.h"
#include "shell/option_store.h"

namespace {

// One row per category. The check box's id is also the string id of its text.
struct AlertRow {
    int box;
    int allow;
    int prevent;
    const char* option;
};

constexpr AlertRow kAlertRows[] = {
    {IDC_ALERT_STARTUP, IDC_ALERT_STARTUP_ALLOW, IDC_ALERT_STARTUP_PREVENT, "HideStartup"},
    {IDC_ALERT_IEHELPER, IDC_ALERT_IEHELPER_ALLOW, IDC_ALERT_IEHELPER_PREVENT, "HideIEHelper"},
    {IDC_ALERT_TASKS, IDC_ALERT_TASKS_ALLOW, IDC_ALERT_TASKS_PREVENT, "HideTasks"},
    {IDC_ALERT_SERVICES, IDC_ALERT_SERVICES_ALLOW, IDC_ALERT_SERVICES_PREVENT, "HideServices"},
    {IDC_ALERT_ACTIVEX, IDC_ALERT_ACTIVEX_ALLOW, IDC_ALERT_ACTIVEX_PREVENT, "HideActiveX"},
    {IDC_ALERT_HIDDEN, IDC_ALERT_HIDDEN_ALLOW, IDC_ALERT_HIDDEN_PREVENT, "HideHidden"},
    {IDC_ALERT_FILETYPE, IDC_ALERT_FILETYPE_ALLOW, IDC_ALERT_FILETYPE_PREVENT, "HideFileType"},
    {IDC_ALERT_SYSFILES, IDC_ALERT_SYSFILES_ALLOW, IDC_ALERT_SYSFILES_PREVENT, "HideSystemFiles"},
    {IDC_ALERT_HOME, IDC_ALERT_HOME_ALLOW, IDC_ALERT_HOME_PREVENT, "HideHomePage"},
};

struct ExtraBox {
    int box;
    const char* option;
};

constexpr ExtraBox kExtraBoxes[] = {{IDC_ALERT_RUNONCE, "HideRunOnce"}, {IDC_ALERT_SHOW_ALL, "ShowAlerts"}};

// A stored value outside the three states (the monitor's, or typed into the
// registry) shows as "show alerts" until the user chooses.
long AlertState(const AlertRow& row) {
    long value = OptionValue(row.option);
    return value == kAlertAllow || value == kAlertPrevent ? value : kAlertShow;
}

void Check(HWND dialog, int id, bool checked) { CheckDlgButton(dialog, id, checked ? BST_CHECKED : BST_UNCHECKED); }
void Enable(HWND dialog, int id, bool enabled) { EnableWindow(GetDlgItem(dialog, id), enabled); }
bool Checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

void RefreshAlertRows(HWND dialog) {
    for (const ExtraBox& extra : kExtraBoxes) Check(dialog, extra.box, OptionValue(extra.option) > 0);
    bool showAll = OptionValue("ShowAlerts") > 0;
    for (const AlertRow& row : kAlertRows) {
        long state = AlertState(row);
        Check(dialog, row.box, state != kAlertShow);
        Check(dialog, row.allow, state == kAlertAllow);
        Check(dialog, row.prevent, state == kAlertPrevent);
        Enable(dialog, row.box, !showAll);
        Enable(dialog, row.allow, !showAll && state != kAlertShow);
        Enable(dialog, row.prevent, !showAll && state != kAlertShow);
    }
}

void InitHideAlerts(HWND dialog) {
    FixedText<256> title;
    if (LoadText(IDS_OPT_HIDE_ALERTS, title) > 0) SetWindowTextA(dialog, title.c_str());
    for (const AlertRow& row : kAlertRows) SetItemText(dialog, row.box, row.box);
    SetItemText(dialog, IDS_ALERT_RUNONCE, IDC_ALERT_RUNONCE);
    SetItemText(dialog, IDS_ALERT_SHOW_ALL, IDC_ALERT_SHOW_ALL);
    SetItemText(dialog, IDS_CLOSE, IDOK);
    RefreshAlertRows(dialog);
}

// True when the control belongs to the dialog's rows or boxes.
bool AlertClicked(HWND dialog, int id) {
    for (const AlertRow& row : kAlertRows) {
        if (id == row.box) RememberOption(row.option, Checked(dialog, id) ? kAlertAllow : kAlertShow);
        else if (id == row.allow) RememberOption(row.option, kAlertAllow);
        else if (id == row.prevent) RememberOption(row.option, kAlertPrevent);
        else continue;
        return true;
    }
    for (const ExtraBox& extra : kExtraBoxes) {
        if (id != extra.box) continue;
        RememberOption(extra.option, Checked(dialog, id) ? 1 : 0);
        return true;
    }
    return false;
}

INT_PTR CALLBACK HideAlertsProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    INT_PTR result = FALSE;
    if (HandleDialogButtons(dialog, message, lParam, result)) return result;
    switch (message) {
        case WM_INITDIALOG:
            InitHideAlerts(dialog);
            return TRUE;
        case WM_COMMAND: {
            int id = LOWORD(wParam);
            if (id == IDOK || id == IDCANCEL) {
                EndDialog(dialog, id);
                return TRUE;
            }
            if (HIWORD(wParam) == BN_CLICKED && AlertClicked(dialog, id)) {
                RefreshAlertRows(dialog);
                return TRUE;
            }
            break;
        }
    }
    return FALSE;
}

}  // namespace

void ShowHideAlertsDialog(HWND owner) {
    DialogBoxParamA(ResourceInstance(), MAKEINTRESOURCEA(IDD_HIDE_ALERTS), owner, HideAlertsProc, 0);
}
