#include "shell/patrol_time.h"

#include <commctrl.h>

#include "res/options_ids.h"
#include "res/resource_ids.h"
#include "shell/app_state.h"
#include "shell/dialog_buttons.h"
#include "shell/load_text.h"
#include "shell/messages.h"
#include "shell/monitor_picture.h"
#include "shell/option_store.h"
#include "shell/options.h"
#include "shell/patrol_categories.h"
#include "shell/sheet_chrome.h"

namespace {

constexpr int kSliderMax = 30;
constexpr int kSliderPage = 3;
constexpr int kMinutesChars = 2;

// What the dialog needs between its messages; lives on SetPatrolTime's stack.
struct PatrolDialogState {
    const PatrolCategory* category = nullptr;
    long realtimeOnEntry = 0;
};

PatrolDialogState& StateOf(HWND dialog) {
    return *reinterpret_cast<PatrolDialogState*>(GetWindowLongPtrA(dialog, DWLP_USER));
}

HWND Slider(HWND dialog) { return GetDlgItem(dialog, IDC_PATROL_SLIDER); }

void InitPatrolDialog(HWND dialog, PatrolDialogState& state) {
    SetWindowLongPtrA(dialog, DWLP_USER, LONG_PTR(&state));
    const PatrolCategory& category = *state.category;
    FixedText<256> title;
    if (LoadText(category.titleId, title) > 0) SetWindowTextA(dialog, title.c_str());
    SetItemText(dialog, IDS_PATROL_EXPLANATION, IDC_PATROL_EXPLANATION);
    SetItemText(dialog, IDS_PATROL_MINUTES, IDC_PATROL_MINUTES_LABEL);
    SetItemText(dialog, IDS_PATROL_ZERO_HINT, IDC_PATROL_ZERO_HINT);
    SetItemText(dialog, IDS_CLOSE, IDCANCEL);
    SetItemText(dialog, IDS_PATROL_REALTIME, IDC_PATROL_REALTIME);
    SendDlgItemMessageA(dialog, IDC_PATROL_MINUTES, EM_LIMITTEXT, kMinutesChars, 0);

    HWND slider = Slider(dialog);
    SendMessageA(slider, TBM_SETRANGE, TRUE, MAKELPARAM(0, kSliderMax));
    SendMessageA(slider, TBM_SETPAGESIZE, 0, kSliderPage);
    long minutes = PatrolMinutes(category);
    SendMessageA(slider, TBM_SETPOS, TRUE, minutes);
    SetDlgItemInt(dialog, IDC_PATROL_MINUTES, UINT(minutes), TRUE);

    if (category.realtimeOption) {
        state.realtimeOnEntry = OptionValue(category.realtimeOption);
        CheckDlgButton(dialog, IDC_PATROL_REALTIME, PatrolRealtime(category) ? BST_CHECKED : BST_UNCHECKED);
    } else {
        // Nowhere to keep the switch: the category is patrolled only.
        ShowWindow(GetDlgItem(dialog, IDC_PATROL_REALTIME), SW_HIDE);
    }
}

void SliderMoved(HWND dialog) {
    int position = int(SendMessageA(Slider(dialog), TBM_GETPOS, 0, 0));
    SetDlgItemInt(dialog, IDC_PATROL_MINUTES, UINT(position), TRUE);
    EnableWindow(GetDlgItem(dialog, IDC_PATROL_MINUTES), position != 0);
}

// The slider follows a typed number; one beyond its range leaves it at its end.
void MinutesTyped(HWND dialog) {
    BOOL isNumber = FALSE;
    int minutes = int(GetDlgItemInt(dialog, IDC_PATROL_MINUTES, &isNumber, TRUE));
    if (isNumber) SendMessageA(Slider(dialog), TBM_SETPOS, TRUE, minutes);
}

bool RealtimeBoxChecked(HWND dialog) { return IsDlgButtonChecked(dialog, IDC_PATROL_REALTIME) == BST_CHECKED; }

void RealtimeClicked(HWND dialog) {
    const PatrolCategory& category = *StateOf(dialog).category;
    if (!category.realtimeOption) return;
    RememberOption(category.realtimeOption, RealtimeBoxChecked(dialog) ? 1 : 0);
    InvalidateRect(dialog, nullptr, TRUE);
}

// The typed number; 0 when the text is not a number. A negative number would
// read as "cancelled" or as a time the monitor cannot keep, so it is 0 as well.
int ChosenMinutes(HWND dialog) {
    BOOL isNumber = FALSE;
    int minutes = int(GetDlgItemInt(dialog, IDC_PATROL_MINUTES, &isNumber, TRUE));
    return isNumber && minutes > 0 ? minutes : 0;
}

void Accept(HWND dialog) {
    const PatrolCategory& category = *StateOf(dialog).category;
    if (category.realtimeOption) WriteOption(category.realtimeOption, RealtimeBoxChecked(dialog) ? 1 : 0);
    EndDialog(dialog, ChosenMinutes(dialog));
}

void Cancel(HWND dialog) {
    const PatrolDialogState& state = StateOf(dialog);
    if (state.category->realtimeOption) RememberOption(state.category->realtimeOption, state.realtimeOnEntry);
    EndDialog(dialog, kPatrolCancelled);
}

INT_PTR CALLBACK PatrolTimeProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    INT_PTR result = FALSE;
    if (HandleDialogButtons(dialog, message, lParam, result)) return result;
    switch (message) {
        case WM_INITDIALOG:
            InitPatrolDialog(dialog, *reinterpret_cast<PatrolDialogState*>(lParam));
            return TRUE;
        case WM_HSCROLL:
            if (HWND(lParam) == Slider(dialog)) SliderMoved(dialog);
            return TRUE;
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                case IDOK: Accept(dialog); return TRUE;
                case IDCANCEL: Cancel(dialog); return TRUE;
                case IDC_PATROL_MINUTES:
                    if (HIWORD(wParam) == EN_CHANGE) MinutesTyped(dialog);
                    return TRUE;
                case IDC_PATROL_REALTIME:
                    if (HIWORD(wParam) == BN_CLICKED) RealtimeClicked(dialog);
                    return TRUE;
            }
            break;
    }
    return FALSE;
}

}  // namespace

int SetPatrolTime(HWND owner, int titleId) {
    PatrolDialogState state;
    state.category = FindPatrolCategory(titleId);
    if (!state.category) return kPatrolCancelled;
    INT_PTR chosen = DialogBoxParamA(ResourceInstance(), MAKEINTRESOURCEA(IDD_PATROL_TIME), owner, PatrolTimeProc,
                                     LPARAM(&state));
    // A dialog that could not be created changed nothing either.
    return chosen < 0 ? kPatrolCancelled : int(chosen);
}

void ApplyPatrolTime(HWND page, int pictureId, const PatrolCategory& category, int minutes) {
    if (minutes < 0) return;
    WriteOption(category.minutesOption, minutes);
    if (page) ShowMonitorPicture(page, pictureId, category);
}

void ChangePatrolTime(HWND page, int pictureId, int titleId) {
    const PatrolCategory* category = FindPatrolCategory(titleId);
    if (!category) return;
    ApplyPatrolTime(page, pictureId, *category, SetPatrolTime(page, titleId));
}

void OpenPatrolTimeDialog(HWND page, int pageId) {
    if (const PatrolCategory* category = PatrolCategoryOfPage(pageId))
        ChangePatrolTime(page, IDC_PICTURE_MONITOR, category->titleId);
}

void OpenPatrolTimeDialog(int pageId) { OpenPatrolTimeDialog(VisiblePage(), pageId); }
