#include "startup/delayed/delay_dialogs.h"

#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <string>

#include "res/delay_ids.h"
#include "res/resource_ids.h"
#include "shell/app_state.h"
#include "base/fixed_text.h"
#include "shell/load_text.h"
#include "shell/messages.h"
#include "startup/delayed/delay_values.h"

namespace {

constexpr int kMaxMinutesEntry = 60;
constexpr int kSecondsStep = 10;
constexpr int kSecondsEntries = 6;    // 0 to 50
constexpr int kTypedDigits = 2;
constexpr int kTitleLimit = 127;      // the list's title holds 127 characters
constexpr int kParametersLimit = 1023;
constexpr int kOpenAsTexts[] = {IDS_OPEN_NORMAL, IDS_OPEN_MINIMIZED, IDS_OPEN_MAXIMIZED};

struct DelayOptions {
    HKEY hive = nullptr;
    FixedText<MAX_PATH> path;
    bool written = false;
};

void SetCaption(HWND dialog, int stringId) {
    FixedText<256> caption;
    if (LoadText(stringId, caption) > 0) SetWindowTextA(dialog, caption.c_str());
}

void AddNumbers(HWND box, int first, int last, int step) {
    for (int n = first; n <= last; n += step) SendMessageA(box, CB_ADDSTRING, 0, LPARAM(std::to_string(n).c_str()));
    SendMessageA(box, CB_LIMITTEXT, kTypedDigits, 0);
}

// Selects the entry of the number; a number that no entry holds (set by
// another program) is shown as it is, so that "&Apply" keeps it.
void ShowNumber(HWND box, int number, int step, int entries) {
    int entry = number / step;
    if (number % step == 0 && entry < entries) {
        SendMessageA(box, CB_SETCURSEL, WPARAM(entry), 0);
        return;
    }
    SetWindowTextA(box, std::to_string(number).c_str());
}

std::string WindowText(HWND window) {
    char text[kParametersLimit + 1] = {};
    int length = GetWindowTextA(window, text, sizeof(text));
    return std::string(text, length > 0 ? size_t(length) : 0);
}

int OpenAsIndex(HKEY hive, std::string_view path) {
    FixedText<24> text;
    ReadDelayValue(hive, DelayValue::OpenAs, path, text);
    long index = std::strtol(text.c_str(), nullptr, 10);
    return index >= 0 && index < long(std::size(kOpenAsTexts)) ? int(index) : 0;
}

void InitDelayOptions(HWND dialog, const DelayOptions& options) {
    SetCaption(dialog, IDS_DELAY_OPTIONS_TITLE);
    SetItemText(dialog, IDS_DELAY_OPTIONS_TEXT, IDC_DELAY_OPTIONS_TEXT);
    SetItemText(dialog, IDS_LABEL_TITLE, IDC_DELAY_TITLE_LABEL);
    SetItemText(dialog, IDS_MINUTES, IDC_DELAY_MINUTES_LABEL);
    SetItemText(dialog, IDS_SECONDS, IDC_DELAY_SECONDS_LABEL);
    SetItemText(dialog, IDS_PARAMETERS, IDC_DELAY_PARAMETERS_LABEL);
    SetItemText(dialog, IDS_LABEL_OPEN_AS, IDC_DELAY_OPEN_AS_LABEL);
    SetItemText(dialog, IDS_APPLY, IDOK);
    SetItemText(dialog, IDS_CLOSE, IDCANCEL);

    std::string_view path = options.path.view();
    int seconds = ReadDelaySeconds(options.hive, path);
    HWND minutes = GetDlgItem(dialog, IDC_DELAY_MINUTES), secondsBox = GetDlgItem(dialog, IDC_DELAY_SECONDS);
    AddNumbers(minutes, 0, kMaxMinutesEntry, 1);
    AddNumbers(secondsBox, 0, (kSecondsEntries - 1) * kSecondsStep, kSecondsStep);
    ShowNumber(minutes, seconds / 60, 1, kMaxMinutesEntry + 1);
    ShowNumber(secondsBox, seconds % 60, kSecondsStep, kSecondsEntries);

    HWND openAs = GetDlgItem(dialog, IDC_DELAY_OPEN_AS);
    for (int id : kOpenAsTexts) {
        FixedText<128> text;
        LoadText(id, text);
        SendMessageA(openAs, CB_ADDSTRING, 0, LPARAM(text.c_str()));
    }
    SendMessageA(openAs, CB_SETCURSEL, WPARAM(OpenAsIndex(options.hive, path)), 0);

    FixedText<1024> title, parameters;
    ReadDelayValue(options.hive, DelayValue::Title, path, title);
    ReadDelayValue(options.hive, DelayValue::Parameters, path, parameters);
    SendDlgItemMessageA(dialog, IDC_DELAY_TITLE, EM_LIMITTEXT, kTitleLimit, 0);
    SendDlgItemMessageA(dialog, IDC_DELAY_PARAMETERS, EM_LIMITTEXT, kParametersLimit, 0);
    SetDlgItemTextA(dialog, IDC_DELAY_TITLE, FixedText<kTitleLimit + 1>(title.view()).c_str());
    SetDlgItemTextA(dialog, IDC_DELAY_PARAMETERS, parameters.c_str());
}

bool ApplyDelayOptions(HWND dialog, const DelayOptions& options) {
    std::string_view path = options.path.view();
    int seconds = DelayFromBoxes(WindowText(GetDlgItem(dialog, IDC_DELAY_MINUTES)),
                                 WindowText(GetDlgItem(dialog, IDC_DELAY_SECONDS)));
    LRESULT openAs = SendDlgItemMessageA(dialog, IDC_DELAY_OPEN_AS, CB_GETCURSEL, 0, 0);
    if (openAs < 0) openAs = 0;
    bool written = WriteDelayValue(options.hive, DelayValue::Time, path, std::to_string(seconds));
    written = WriteDelayValue(options.hive, DelayValue::OpenAs, path, std::to_string(openAs)) && written;
    written = WriteDelayValue(options.hive, DelayValue::Parameters, path,
                              WindowText(GetDlgItem(dialog, IDC_DELAY_PARAMETERS))) && written;
    written = WriteDelayValue(options.hive, DelayValue::Title, path, WindowText(GetDlgItem(dialog, IDC_DELAY_TITLE))) &&
              written;
    return written;
}

INT_PTR CALLBACK DelayOptionsProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* options = reinterpret_cast<DelayOptions*>(GetWindowLongPtrA(dialog, DWLP_USER));
    switch (message) {
        case WM_INITDIALOG:
            SetWindowLongPtrA(dialog, DWLP_USER, lParam);
            InitDelayOptions(dialog, *reinterpret_cast<DelayOptions*>(lParam));
            return TRUE;
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK && options) {
                options->written = ApplyDelayOptions(dialog, *options);
                EndDialog(dialog, IDOK);
                return TRUE;
            }
            if (LOWORD(wParam) == IDCANCEL) {
                EndDialog(dialog, IDCANCEL);
                return TRUE;
            }
            break;
        case WM_CLOSE:
            EndDialog(dialog, IDCANCEL);
            return TRUE;
    }
    return FALSE;
}

INT_PTR CALLBACK StartupTypeProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG:
            SetCaption(dialog, IDS_STARTUP_TYPE_TITLE);
            SetItemText(dialog, IDS_STARTUP_TYPE_QUESTION, IDC_STARTUP_TYPE_TEXT);
            SetItemText(dialog, IDS_STARTUP_TYPE_ALL, IDC_STARTUP_TYPE_ALL);
            SetItemText(dialog, IDS_STARTUP_TYPE_CURRENT, IDC_STARTUP_TYPE_CURRENT);
            CheckRadioButton(dialog, IDC_STARTUP_TYPE_ALL, IDC_STARTUP_TYPE_CURRENT, IDC_STARTUP_TYPE_CURRENT);
            return TRUE;
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK) {
                EndDialog(dialog, IsDlgButtonChecked(dialog, IDC_STARTUP_TYPE_ALL) == BST_CHECKED ? 1 : 2);
                return TRUE;
            }
            if (LOWORD(wParam) == IDCANCEL) {
                EndDialog(dialog, 0);
                return TRUE;
            }
            break;
        case WM_CLOSE:
            EndDialog(dialog, 0);
            return TRUE;
    }
    return FALSE;
}

int NumberOf(std::string_view text) {
    int number = 0;
    size_t at = 0;
    while (at < text.size() && text[at] == ' ') ++at;
    // The user types two digits at most; a longer stored number is kept, within reason.
    for (int digits = 0; at < text.size() && text[at] >= '0' && text[at] <= '9' && digits < 6; ++at, ++digits)
        number = number * 10 + (text[at] - '0');
    return number;
}

}  // namespace

int DelayFromBoxes(std::string_view minutes, std::string_view seconds) {
    return NumberOf(minutes) * 60 + NumberOf(seconds);
}

bool ShowDelayOptionsDialog(HWND owner, HKEY hive, std::string_view path) {
    if (!hive || path.empty()) return false;
    DelayOptions options;
    options.hive = hive;
    options.path = path;
    DialogBoxParamA(ResourceInstance(), MAKEINTRESOURCEA(IDD_DELAY_OPTIONS), owner, DelayOptionsProc,
                    reinterpret_cast<LPARAM>(&options));
    return options.written;
}

int AskStartupProgramType(HWND owner) {
    INT_PTR answer = DialogBoxParamA(ResourceInstance(), MAKEINTRESOURCEA(IDD_STARTUP_TYPE), owner, StartupTypeProc, 0);
    return answer == 1 || answer == 2 ? int(answer) : 0;
}
