#include "shell/confirm_system_file.h"

#include "res/resource_ids.h"
#include "shell/app_state.h"
#include "shell/list_store.h"
#include "shell/load_text.h"
#include "shell/placement.h"
#include "base/command_line.h"
#include "base/text_helpers.h"
#include "base/version_info.h"

namespace {

bool IsMicrosoftFile(std::string_view path) {
    FixedText<MAX_PATH> file;
    VersionInfo version;
    if (ExtractProgramFile(path, file) <= 0) return false;
    ReadVersionInfo(file.view(), version);
    return ContainsNoCase(version.companyName.view(), "Microsoft");
}

void SetText(HWND dialog, int item, std::string_view text) {
    FixedText<1024> terminated(text);
    SetDlgItemTextA(dialog, item, terminated.c_str());
}

void Close(HWND dialog, bool confirmed) {
    SavePlacement(dialog, kConfirmPlacementX, kConfirmPlacementY, kConfirmPlacementDx, kConfirmPlacementDy);
    EndDialog(dialog, confirmed ? IDYES : IDNO);
}

INT_PTR CALLBACK ConfirmProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG: {
            const auto* item = reinterpret_cast<const ListRow*>(lParam);
            SetWindowTextA(dialog, LoadTextString(IDS_MESSAGE_CAPTION, 128).c_str());
            SetText(dialog, IDC_CONFIRM_FILE, item->path.view());
            SetText(dialog, IDC_CONFIRM_PROTECTED, LoadTextString(IDS_SYSTEM_FILE_PROTECTED));
            SetText(dialog, IDC_CONFIRM_MICROSOFT,
                    IsMicrosoftFile(item->path.view()) ? MicrosoftFileNote(item->title.view()) : std::string());
            SetText(dialog, IDC_CONFIRM_REALLY, LoadTextString(IDS_CONFIRM_SYSTEM_FILE));
            CheckDlgButton(dialog, IDC_CONFIRM_REALLY, BST_UNCHECKED);
            RestorePlacement(dialog, kConfirmPlacementX, kConfirmPlacementY);
            return TRUE;
        }
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK) {
                Close(dialog, IsDlgButtonChecked(dialog, IDC_CONFIRM_REALLY) == BST_CHECKED);
                return TRUE;
            }
            if (LOWORD(wParam) == IDCANCEL) {
                Close(dialog, false);
                return TRUE;
            }
            break;
        case WM_CLOSE:
            Close(dialog, false);
            return TRUE;
    }
    return FALSE;
}

}  // namespace

std::string MicrosoftFileNote(std::string_view name) {
    return FillFirstString(LoadTextString(IDS_MICROSOFT_SYSTEM_FILE), name);
}

bool ConfirmSystemFile(HWND owner, const ListRow& item) {
    INT_PTR result = DialogBoxParamA(ResourceInstance(), MAKEINTRESOURCEA(IDD_CONFIRM_SYSTEM_FILE), owner,
                                     ConfirmProc, reinterpret_cast<LPARAM>(&item));
    return result == IDYES;
}
