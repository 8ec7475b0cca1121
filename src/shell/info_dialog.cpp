#include "shell/info_dialog.h"

#include <commctrl.h>
#include <shellapi.h>

#include <cstdlib>
#include <string>
#include <string_view>

#include "res/info_ids.h"
#include "res/resource_ids.h"
#include "shell/app_state.h"
#include "shell/list_store.h"
#include "shell/list_view.h"
#include "shell/load_text.h"
#include "shell/main_window.h"
#include "shell/messages.h"
#include "shell/options.h"
#include "shell/placement.h"
#include "base/unique_resource.h"
#include "shell/wait_cursor.h"
#include "base/file_facts.h"
#include "base/file_search.h"
#include "shell/info_item.h"
#include "shell/info_notes.h"
#include "shell/info_type_text.h"
#include "shell/online_lookup.h"
#include "base/processes.h"
#include "shell/end_program.h"
#include "base/text_helpers.h"

namespace {

// The icon of browser add-ons comes from the row's description field.
constexpr int kFirstIconFromDescription = 901, kLastIconFromDescription = 902;
// "C:\Program Files (x86)" is 22 characters long.
constexpr size_t kProgramFilesX86Length = 22;

// What only the expanded dialog shows.
constexpr int kExpandedControls[] = {IDC_INFO_CREATED_LABEL, IDC_INFO_CREATED,  IDC_INFO_WRITTEN_LABEL,
                                     IDC_INFO_WRITTEN,       IDC_INFO_SIZE_LABEL, IDC_INFO_SIZE,
                                     IDC_INFO_DETECTED_LABEL, IDC_INFO_DETECTED, IDC_INFO_NOTE,
                                     IDC_INFO_NOTE_BUTTON};
// Shown by the services' own hook only.
constexpr int kServiceControls[] = {IDC_INFO_START_TYPE, IDC_INFO_START_TYPE_LABEL, IDC_INFO_APPLY};

struct InfoSession {
    int index = 0;
    bool expanded = false;
    bool noteOpen = false;    // the note box shows the program's note and is editable
    bool noteLocked = false;  // a note too long to be written back whole stays read-only
    UniqueIcon icon;
};

InfoSession* SessionOf(HWND dialog) {
    return reinterpret_cast<InfoSession*>(GetWindowLongPtrA(dialog, DWLP_USER));
}

void Show(HWND dialog, int id, bool visible) { ShowWindow(GetDlgItem(dialog, id), visible ? SW_SHOW : SW_HIDE); }

void SetText(HWND dialog, int id, std::string_view text) {
    SetDlgItemTextA(dialog, id, std::string(text).c_str());
}

void SetTextId(HWND dialog, int id, int stringId) { SetText(dialog, id, LoadTextString(stringId)); }

HWND NoteBox(HWND dialog) { return GetDlgItem(dialog, IDC_INFO_NOTE); }
bool NoteModified(HWND dialog) { return SendMessageA(NoteBox(dialog), EM_GETMODIFY, 0, 0) != 0; }
void SetNoteModified(HWND dialog, bool modified) { SendMessageA(NoteBox(dialog), EM_SETMODIFY, modified, 0); }

int ScreenDpiY() {
    WindowDc screen(nullptr);
    int dpi = screen ? GetDeviceCaps(screen.get(), LOGPIXELSY) : 0;
    return dpi > 0 ? dpi : 96;
}

void ApplyExpandState(HWND dialog, bool expanded) {
    for (int id : kExpandedControls) Show(dialog, id, expanded);
    SetItemText(dialog, expanded ? IDS_SHRINK_WINDOW : IDS_EXPAND_INFO, IDC_INFO_EXPAND);
    RECT frame;
    GetWindowRect(dialog, &frame);
    SetWindowPos(dialog, nullptr, 0, 0, frame.right - frame.left, InfoDialogHeight(expanded, ScreenDpiY()),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The first icon of a file; a "file,index" text picks another one.
HICON IconOf(std::string_view source) {
    int iconIndex = 0;
    size_t comma = source.rfind(',');
    if (comma != std::string_view::npos && comma + 1 < source.size()) {
        std::string number(source.substr(comma + 1));
        char* end = nullptr;
        long parsed = std::strtol(number.c_str(), &end, 10);
        if (end && *end == '\0') {
            iconIndex = int(parsed);
            source = source.substr(0, comma);
        }
    }
    if (source.empty() || source.size() >= MAX_PATH) return nullptr;
    FixedText<MAX_PATH> file(source);
    HICON icon = ExtractIconA(ResourceInstance(), file.c_str(), UINT(iconIndex));
    return reinterpret_cast<UINT_PTR>(icon) > 1 ? icon : nullptr;  // 1: the file has no icons
}

void ShowIcon(HWND dialog, InfoSession& session, const InfoItem& item) {
    HICON icon = nullptr;
    if (item.type >= kFirstIconFromDescription && item.type <= kLastIconFromDescription) {
        icon = IconOf(item.text.view());
    } else if (FileExists(item.file.view())) {
        icon = IconOf(item.file.view());
    } else if (ContainsNoCase(item.file.view(), "(x86)") && item.file.size() > kProgramFilesX86Length) {
        // A 64-bit program listed under the 32-bit Program Files folder.
        FixedText<MAX_PATH> native("C:\\Program Files");
        native.append(item.file.view().substr(kProgramFilesX86Length));
        if (FileExists(native.view())) icon = IconOf(native.view());
    }
    SendDlgItemMessageA(dialog, IDC_INFO_ICON, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
    session.icon.reset(icon);
}

void ShowVersionTexts(HWND dialog, const InfoItem& item) {
    const VersionInfo& v = item.version;
    SetText(dialog, IDC_INFO_DESCRIPTION, v.fileDescription.empty() ? item.title.view() : v.fileDescription.view());
    SetText(dialog, IDC_INFO_PRODUCT, v.productName.view());
    SetText(dialog, IDC_INFO_COMPANY, v.companyName.view());
    SetText(dialog, IDC_INFO_VERSION, v.productVersion.view());
    SetText(dialog, IDC_INFO_COPYRIGHT, v.legalCopyright.view());
}

void ShowFileFacts(HWND dialog, const InfoItem& item) {
    FileFactsRecord facts;
    if (!item.file.empty()) FileFacts(item.file.view(), item.type, facts, LoadTextString(IDS_FILE_IN_USE));
    SetText(dialog, IDC_INFO_CREATED, facts.created.view());
    SetText(dialog, IDC_INFO_WRITTEN, facts.written.view());
    SetText(dialog, IDC_INFO_SIZE, facts.size.view());
    SetText(dialog, IDC_INFO_DETECTED, facts.firstDetected.view());
}

// "Running" with Kill, "Ready" with Run, or "Local File not found." with
// neither; types without a running state hide all of it.
void ShowRunningState(HWND dialog, const InfoItem& item) {
    for (int id : kServiceControls) Show(dialog, id, false);
    SetItemText(dialog, IDS_KILL_TASK, IDC_INFO_KILL);
    SetItemText(dialog, IDS_LABEL_STATUS, IDC_INFO_STATUS_LABEL);
    EnableWindow(GetDlgItem(dialog, IDC_INFO_KILL), TRUE);
    const bool exists = !item.file.empty() && FileExists(item.file.view());

    const InfoTypeHooks& hooks = InfoTypeHooksOf(item.type);
    if (!(hooks.showState && hooks.showState(dialog, item))) {
        const bool shows = ShowsRunningState(item.type);
        const bool running = shows && !item.file.empty() && IsProgramRunning(item.file.view()) != 0;
        for (int id : {IDC_INFO_STATUS_LABEL, IDC_INFO_STATUS}) Show(dialog, id, shows);
        Show(dialog, IDC_INFO_KILL, running);
        Show(dialog, IDC_INFO_RUN, shows && !running && exists);
        SetTextId(dialog, IDC_INFO_STATUS, running ? IDS_STATE_RUNNING : exists ? IDS_READY : IDS_FILE_NOT_FOUND);
    }
    if (!exists) {
        SetTextId(dialog, IDC_INFO_STATUS, IDS_FILE_NOT_FOUND);
        for (int id : {IDC_INFO_STATUS_LABEL, IDC_INFO_STATUS}) Show(dialog, id, true);
    }
}

// The program's note when it has one (editable, "Save Note"); otherwise the
// item's texts, read-only, with "Create Note". A row that names no file has
// no note of its own: every such row would share the same note file.
void ShowNote(HWND dialog, InfoSession& session, const InfoItem& item) {
    ProgramNote note;
    session.noteOpen = !item.file.empty() && ReadProgramNote(item.path.view(), note);
    session.noteLocked = session.noteOpen && note.cut;
    SetText(dialog, IDC_INFO_NOTE, session.noteOpen ? note.text : InfoDescriptionText(item));
    SendMessageA(NoteBox(dialog), EM_SETREADONLY, !session.noteOpen || session.noteLocked, 0);
    SetItemText(dialog, session.noteOpen ? IDS_SAVE_NOTE : IDS_CREATE_NOTE, IDC_INFO_NOTE_BUTTON);
    EnableWindow(GetDlgItem(dialog, IDC_INFO_NOTE_BUTTON), !item.file.empty() && !session.noteLocked);
    SetNoteModified(dialog, false);
}

void FillDialog(HWND dialog, InfoSession& session) {
    WaitCursor wait;
    InfoItem& item = CurrentInfoItem();
    if (!LoadInfoItem(session.index, item)) return;
    SetWindowTextA(dialog, item.title.c_str());
    ShowIcon(dialog, session, item);
    ShowVersionTexts(dialog, item);
    ShowFileFacts(dialog, item);
    ShowRunningState(dialog, item);
    SetText(dialog, IDC_INFO_LOCATION, item.location.view());
    SetText(dialog, IDC_INFO_LOCATION_LINE, InfoLocationLine(item));
    ShowNote(dialog, session, item);
}

void CreateNote(HWND dialog, InfoSession& session) {
    const InfoItem& item = CurrentInfoItem();
    std::string text = NewNoteText(item.title.view(), item.file.view());
    SetText(dialog, IDC_INFO_NOTE, text);
    SendMessageA(NoteBox(dialog), EM_SETREADONLY, FALSE, 0);
    SetItemText(dialog, IDS_SAVE_NOTE, IDC_INFO_NOTE_BUTTON);
    session.noteOpen = true;
    // A note that could not be written stays marked, so that Save is offered again.
    SetNoteModified(dialog, !WriteProgramNote(item.path.view(), text));
    SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(NoteBox(dialog)), TRUE);
    SendMessageA(NoteBox(dialog), EM_SETSEL, text.size(), text.size());
}

void SaveNote(HWND dialog, InfoSession& session) {
    if (session.noteLocked) return;
    std::string text(kNoteTextMax + 1, '\0');
    int length = GetDlgItemTextA(dialog, IDC_INFO_NOTE, text.data(), int(text.size()));
    text.resize(size_t(length > 0 ? length : 0));
    if (!WriteProgramNote(CurrentInfoItem().path.view(), text)) return;  // stays modified: Save again
    SetNoteModified(dialog, false);
    EnableWindow(GetDlgItem(dialog, IDC_INFO_NOTE_BUTTON), FALSE);
}

// Stepping away or closing keeps what the user typed into the note.
void KeepTypedNote(HWND dialog, InfoSession& session) {
    if (session.noteOpen && !session.noteLocked && NoteModified(dialog)) SaveNote(dialog, session);
}

void Step(HWND dialog, InfoSession& session, int delta) {
    int count = ListStoreCount();
    if (count <= 0) return;
    KeepTypedNote(dialog, session);
    session.index = ((session.index + delta) % count + count) % count;
    FillDialog(dialog, session);
}

void ToggleExpanded(HWND dialog, InfoSession& session) {
    session.expanded = !session.expanded;
    WriteOption("ExpandInfo", session.expanded ? 1 : 0);
    ApplyExpandState(dialog, session.expanded);
}

void RunProgram(const InfoItem& item) {
    if (item.file.empty()) return;
    std::string command = "\"" + std::string(item.file.view()) + "\"";
    WinExec(command.c_str(), SW_SHOWNORMAL);
}

void CloseDialog(HWND dialog, InfoSession& session) {
    KeepTypedNote(dialog, session);
    SavePlacement(dialog, "xInfo", "yInfo", "dxInfo", "dyInfo");
    ClearCurrentInfoItem();
    EndDialog(dialog, IDOK);
}

void OnCommand(HWND dialog, InfoSession& session, int id, int code) {
    const InfoItem& item = CurrentInfoItem();
    const InfoTypeHooks& hooks = InfoTypeHooksOf(item.type);
    bool handled = hooks.command && id != IDOK && id != IDCANCEL && hooks.command(dialog, item, id, code);
    if (!handled && code == BN_CLICKED) {
        switch (id) {
            case IDC_INFO_NEXT: Step(dialog, session, 1); break;
            case IDC_INFO_PREVIOUS: Step(dialog, session, -1); break;
            case IDC_INFO_EXPAND: ToggleExpanded(dialog, session); break;
            case IDC_INFO_KILL:
                KillProgram(item.file.view(), item.title.view(), true);
                FillDialog(dialog, session);
                break;
            case IDC_INFO_RUN:
                RunProgram(item);
                FillDialog(dialog, session);
                break;
            case IDC_INFO_NOTE_BUTTON:
                if (session.noteOpen) SaveNote(dialog, session);
                else CreateNote(dialog, session);
                break;
            case IDC_INFO_PLUS: OpenOnlineLookup(item.type, item.path.view(), item.title.view()); break;
            case IDOK:
            case IDCANCEL: CloseDialog(dialog, session); return;
            default: break;
        }
    }
    if (session.noteOpen && !session.noteLocked && NoteModified(dialog))
        EnableWindow(GetDlgItem(dialog, IDC_INFO_NOTE_BUTTON), TRUE);
}

void SetFont(HWND dialog, int id, SharedFont which) {
    if (HFONT font = GetSharedFont(which)) SendDlgItemMessageA(dialog, id, WM_SETFONT, WPARAM(font), FALSE);
}

void InitDialog(HWND dialog, InfoSession& session) {
    static constexpr struct { int stringId, itemId; } kTexts[] = {
        {IDS_LABEL_COMPANY, IDC_INFO_COMPANY_LABEL},     {IDS_LABEL_VERSION, IDC_INFO_VERSION_LABEL},
        {IDS_LABEL_COPYRIGHT, IDC_INFO_COPYRIGHT_LABEL}, {IDS_LABEL_STATUS, IDC_INFO_STATUS_LABEL},
        {IDS_LABEL_DATE_CREATED, IDC_INFO_CREATED_LABEL}, {IDS_LABEL_LAST_SAVED, IDC_INFO_WRITTEN_LABEL},
        {IDS_LABEL_FILE_SIZE, IDC_INFO_SIZE_LABEL},      {IDS_LABEL_DETECTED, IDC_INFO_DETECTED_LABEL},
        {IDS_PLUS_INFO, IDC_INFO_PLUS},                  {IDS_KILL_TASK, IDC_INFO_KILL},
        {IDS_RUN, IDC_INFO_RUN},                         {IDS_CLOSE, IDOK},
        {IDS_APPLY, IDC_INFO_APPLY},                     {IDS_LABEL_STARTUP_TYPE, IDC_INFO_START_TYPE_LABEL},
    };
    for (const auto& text : kTexts) SetItemText(dialog, text.stringId, text.itemId);
    SetFont(dialog, IDC_INFO_DESCRIPTION, SharedFont::ShellDlg14Bold);
    SetFont(dialog, IDC_INFO_NEXT, SharedFont::ShellDlg14Bold);
    SetFont(dialog, IDC_INFO_PREVIOUS, SharedFont::ShellDlg14Bold);
    SetFont(dialog, IDC_INFO_NOTE, SharedFont::Note);
    SendMessageA(NoteBox(dialog), EM_SETLIMITTEXT, kNoteTextMax, 0);

    RestorePlacement(dialog, "xInfo", "yInfo");
    session.expanded = ReadOption("ExpandInfo", 0) != 0;
    ApplyExpandState(dialog, session.expanded);
    FillDialog(dialog, session);
}

INT_PTR CALLBACK InfoDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG: {
            SetWindowLongPtrA(dialog, DWLP_USER, lParam);
            InitDialog(dialog, *reinterpret_cast<InfoSession*>(lParam));
            return TRUE;
        }
        case WM_COMMAND:
            if (InfoSession* session = SessionOf(dialog)) OnCommand(dialog, *session, LOWORD(wParam), HIWORD(wParam));
            return TRUE;
        case WM_DESTROY:
            SendDlgItemMessageA(dialog, IDC_INFO_ICON, STM_SETICON, 0, 0);
            return FALSE;
        default:
            return FALSE;
    }
}

void SelectRowInList(HWND list, int row) {
    LVFINDINFOA find = {};
    find.flags = LVFI_PARAM;
    find.lParam = row;
    int item = int(SendMessageA(list, LVM_FINDITEMA, WPARAM(-1), reinterpret_cast<LPARAM>(&find)));
    if (item >= 0) SelectOnly(list, item);
}

}  // namespace

int ShowInformationDialog(HWND owner, HWND list, int index) {
    if (index < 0 || index >= ListStoreCount()) return index;
    InfoSession session;
    session.index = index;
    DialogBoxParamA(ResourceInstance(), MAKEINTRESOURCEA(IDD_PROGRAM_INFO), owner, InfoDialogProc,
                    reinterpret_cast<LPARAM>(&session));
    ClearCurrentInfoItem();
    if (list) SelectRowInList(list, session.index);
    return session.index;
}

void RefreshInformationDialog(HWND dialog) {
    if (InfoSession* session = SessionOf(dialog)) FillDialog(dialog, *session);
}

int InfoDialogHeight(bool expanded, int dpi) {
    return MulDiv(expanded ? kInfoExpandedHeight : kInfoShrunkHeight, dpi > 0 ? dpi : 96, 96);
}
