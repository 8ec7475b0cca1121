#include "sysobjects/service_dialog.h"

#include <iterator>
#include <string>

#include "res/resource_ids.h"
#include "info_ids.h"
#include "shell/history.h"
#include "shell/load_text.h"
#include "shell/messages.h"
#include "shell/info_dialog.h"
#include "shell/info_item.h"
#include "sysobjects/service_control.h"
#include "sysobjects/service_rows.h"

namespace {

constexpr int kStopEvent = 9;             // SERVICE_Stop
constexpr int kFirstStartTypeEvent = 10;  // SERVICE_Automatic, SERVICE_Manual, SERVICE_Disabled
constexpr int kFirstFromEvent = 17;       // SERVICE_from_Automatic, _from_Manual, _from_Disabled
// The choices of the start-type list, in its order; index n is start value n + 2.
constexpr int kStartChoiceTexts[] = {IDS_START_AUTOMATIC, IDS_START_MANUAL, IDS_START_DISABLED};
constexpr int kStartChoices = int(std::size(kStartChoiceTexts));
// A stop request is not waited for; this lets a quick service show its new state.
constexpr DWORD kStopSettleMs = 100;

HWND Item(HWND dialog, int id) { return GetDlgItem(dialog, id); }
void Show(HWND dialog, int id, bool visible) { ShowWindow(Item(dialog, id), visible ? SW_SHOW : SW_HIDE); }

int ChoiceOfStartValue(long start) {
    return start >= long(kFirstStartChoice) && start <= long(kLastStartChoice) ? int(start - kFirstStartChoice) : -1;
}

int ChoiceOfStartText(std::string_view text) {
    for (int choice = 0; choice < kStartChoices; ++choice)
        if (!text.empty() && text == LoadTextString(kStartChoiceTexts[choice])) return choice;
    return -1;
}

// The choice shown when the dialog was last filled, kept with the list itself:
// Apply compares against it and records it as the type that was replaced.
void RememberShownChoice(HWND combo, int choice) { SetWindowLongPtrA(combo, GWLP_USERDATA, LONG_PTR(choice + 1)); }
int ShownChoice(HWND combo) { return int(GetWindowLongPtrA(combo, GWLP_USERDATA)) - 1; }
int SelectedChoice(HWND combo) {
    int selected = int(SendMessageA(combo, CB_GETCURSEL, 0, 0));
    return selected >= 0 && selected < kStartChoices ? selected : -1;
}

// What a change records: copied before any question, whose message loop
// lets the dialog step to another row meanwhile.
struct ServiceChange {
    ServiceKeyName keyName;
    FixedText<128> title;
    FixedText<260> path;
    int type = 0;
};

bool ChangeOf(const InfoItem& item, ServiceChange& change) {
    change.title = item.title.view();
    change.path = item.path.view();
    change.type = item.type;
    return ServiceKeyNameOfRow(item.index, change.keyName);
}

void FillStartChoices(HWND combo) {
    if (SendMessageA(combo, CB_GETCOUNT, 0, 0) > 0) return;
    for (int id : kStartChoiceTexts)
        SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(LoadTextString(id).c_str()));
}

void ShowStartType(HWND dialog, const InfoItem& item, const ServiceKeyName& keyName, bool known) {
    HWND combo = Item(dialog, IDC_INFO_START_TYPE);
    FillStartChoices(combo);
    // The service control manager's present setting; the row's text when it cannot say.
    int shown = known ? ChoiceOfStartValue(QueryServiceStartType(keyName.view())) : -1;
    if (shown < 0) shown = ChoiceOfStartText(item.detail.view());
    SendMessageA(combo, CB_SETCURSEL, WPARAM(shown), 0);
    RememberShownChoice(combo, shown);
    EnableWindow(Item(dialog, IDC_INFO_APPLY), FALSE);

    const bool hasStartType = !item.detail.empty();
    if (hasStartType) {
        SetItemText(dialog, IDS_LABEL_STARTUP_TYPE, IDC_INFO_START_TYPE_LABEL);
        SetItemText(dialog, IDS_APPLY, IDC_INFO_APPLY);
    }
    for (int id : {IDC_INFO_START_TYPE, IDC_INFO_START_TYPE_LABEL, IDC_INFO_APPLY}) Show(dialog, id, hasStartType);
}

void ShowStatus(HWND dialog, const ServiceKeyName& keyName, bool known) {
    SetItemText(dialog, IDS_LABEL_STATUS, IDC_INFO_STATUS_LABEL);
    for (int id : {IDC_INFO_STATUS_LABEL, IDC_INFO_STATUS}) Show(dialog, id, true);
    ServiceStatusText status;
    const DWORD word = known ? GetServiceStatusText(keyName.view(), status) : 0;
    SetDlgItemTextA(dialog, IDC_INFO_STATUS, word ? status.c_str() : "");
    // Only a service that says it accepts a stop is offered one.
    const bool stoppable = word && (GetServiceControlsAccepted(keyName.view()) & SERVICE_ACCEPT_STOP);
    Show(dialog, IDC_INFO_KILL, true);
    EnableWindow(Item(dialog, IDC_INFO_KILL), stoppable);
}

void OnStartChoice(HWND dialog) {
    HWND combo = Item(dialog, IDC_INFO_START_TYPE);
    const int selected = SelectedChoice(combo);
    EnableWindow(Item(dialog, IDC_INFO_APPLY), selected >= 0 && selected != ShownChoice(combo));
}

void ApplyStartType(HWND dialog, const InfoItem& item) {
    HWND combo = Item(dialog, IDC_INFO_START_TYPE);
    const int chosen = SelectedChoice(combo);
    const int replaced = ShownChoice(combo);
    ServiceChange change;
    if (chosen < 0 || chosen == replaced || !ChangeOf(item, change)) return;
    if (ShowProgramMessage(IDS_SERVICE_WARNING, MB_YESNO | MB_ICONEXCLAMATION) != IDYES) return;
    if (!SetServiceStartType(change.keyName.view(), kFirstStartChoice + DWORD(chosen))) return;
    // The type that was replaced first, so that the history can put it back.
    if (replaced >= 0)
        WriteHistory(change.title.view(), change.path.view(), "", change.type, kFirstFromEvent + replaced);
    WriteHistory(change.title.view(), change.path.view(), "", change.type, kFirstStartTypeEvent + chosen);
    if (IsWindow(combo)) RememberShownChoice(combo, chosen);
}

void Stop(const InfoItem& item) {
    ServiceChange change;
    if (!ChangeOf(item, change)) return;
    if (StopService(change.keyName.view()))
        WriteHistory(change.title.view(), change.path.view(), "", change.type, kStopEvent);
    Sleep(kStopSettleMs);
}

}  // namespace

bool ShowServiceState(HWND dialog, const InfoItem& item) {
    SetItemText(dialog, IDS_STOP, IDC_INFO_KILL);
    Show(dialog, IDC_INFO_RUN, false);  // a service is started by Windows, not from here
    ServiceKeyName keyName;
    const bool known = ServiceKeyNameOfRow(item.index, keyName);
    ShowStartType(dialog, item, keyName, known);
    ShowStatus(dialog, keyName, known);
    return true;
}

bool OnServiceCommand(HWND dialog, const InfoItem& item, int id, int notifyCode) {
    switch (id) {
        case IDC_INFO_START_TYPE:
            if (notifyCode != CBN_SELCHANGE) return false;
            OnStartChoice(dialog);
            return true;
        case IDC_INFO_APPLY:
            if (notifyCode != BN_CLICKED) return false;
            ApplyStartType(dialog, item);
            break;
        case IDC_INFO_KILL:
            if (notifyCode != BN_CLICKED) return false;
            Stop(item);
            break;
        case IDC_INFO_RUN:
            if (notifyCode != BN_CLICKED) return false;
            break;  // not offered for services: only refreshes
        default:
            return false;
    }
    RefreshInformationDialog(dialog);
    return true;
}
