#include "startup/startup_page_commands.h"

#include <string>
#include <vector>

#include "resource_ids.h"
#include "base/fixed_text.h"
#include "shell/list_store.h"
#include "shell/list_view.h"
#include "shell/load_text.h"
#include "shell/messages.h"
#include "base/command_line.h"
#include "startup/delayed/delayed_programs.h"
#include "shell/delete_on_reboot.h"
#include "startup/disable/disable_or_enable.h"
#include "startup/disable/disabled_index.h"
#include "shell/info_dialog.h"
#include "shell/browse_for_program.h"
#include "startup/locations/location_types.h"
#include "shell/online_lookup.h"
#include "base/processes.h"
#include "shell/end_program.h"
#include "base/raw_values.h"
#include "startup/disable/remove_item.h"
#include "startup/locations/run_entries.h"
#include "shell/selected_rows.h"
#include "startup/disable/startup_change_record.h"
#include "base/text_helpers.h"
#include "base/version_info.h"

namespace {

// Data of the program's record of an entry the user added here.
constexpr int kAddedByUser = 1;
constexpr int kUserRunType = 11;
// The program's own entries carry this in their titles; its PLUS edition is
// removed under the plain name.
constexpr std::string_view kPlusTitle = "Sentrivox PLUS";
constexpr std::string_view kOwnTitle = "Sentrivox";
// The extension that a title made from a file name leaves out.
constexpr size_t kExtensionLength = 4;

HWND ListOf(HWND page) { return GetDlgItem(page, kListControl); }

void ShowNoSelection() { ShowProgramMessage(IDS_NO_SELECTION, MB_OK | MB_ICONINFORMATION); }

const ListRow* SelectedEntry(HWND page) {
    const ListRow* row = ListStoreRow(SelectedRow(ListOf(page)));
    if (!row) ShowNoSelection();
    return row;
}

// The selected rows (each item carries its own row, so two entries of one
// title stay apart); string 57 when there are none.
std::vector<int> SelectedEntries(HWND page) {
    std::vector<int> rows = SelectedStoreRows(ListOf(page));
    if (rows.empty()) ShowNoSelection();
    return rows;
}

// The file a command runs, or the command itself when no file can be told.
FixedText<260> ProgramFileOf(const ListRow& row) {
    FixedText<260> file;
    if (ExtractProgramFile(row.path.view(), file) <= 0) file = row.path.view();
    return file;
}

// The text with its first "%s" replaced by the argument; other '%' marks stay
// as they are, so a text override cannot make the fill read past it.
FixedText<1400> FillPlaceholder(std::string_view pattern, std::string_view argument) {
    FixedText<1400> text;
    const size_t mark = pattern.find("%s");
    if (mark == std::string_view::npos) {
        text = pattern;
        return text;
    }
    text = pattern.substr(0, mark);
    text.append(argument);
    text.append(pattern.substr(mark + 2));
    return text;
}

bool ConfirmRemoval(const ListRow& row) {
    FixedText<1024> pattern;
    LoadText(IDS_CONFIRM_REMOVE_STARTUP, pattern);
    const auto question = FillPlaceholder(pattern.view(), ProgramFileOf(row).view());
    return ShowProgramMessageText(question.c_str(), MB_YESNO | MB_ICONEXCLAMATION) == IDYES;
}

// Entries that DisableItem can take out of their location (26 and 27 it only enables).
bool CanBeDisabled(int type) {
    if (IsRunTableType(type)) return type != 26 && type != 27;
    return type == kLocationWinIniLoad || type == kLocationWinIniRun || type == kLocationStartupFolder ||
           type == kLocationNotify;
}

void RemoveEntry(const ListRow& row, bool onlyOne) {
    const std::string_view title = ContainsNoCase(row.title.view(), kPlusTitle)
                                       ? kOwnTitle
                                       : row.title.view();
    if (row.typeCode < kLocationUserinit) {
        KillProgram(row.path.view(), title, onlyOne);
        if (onlyOne && !ConfirmRemoval(row)) return;
    }
    RemoveItem(title, row.path.view(), row.detail.view(), row.typeCode);
}

FixedText<128> TitleForProgram(std::string_view path) {
    VersionInfo info;
    ReadVersionInfo(path, info);
    FixedText<128> title;
    if (!info.fileDescription.empty())
        title = info.fileDescription.view();
    else if (!info.productName.empty())
        title = info.productName.view();
    if (!title.empty()) return title;
    std::string_view name = path.substr(static_cast<size_t>(FileNameOffset(path)));
    if (name.size() > kExtensionLength) name.remove_suffix(kExtensionLength);
    title = name;
    return title;
}

}  // namespace

void ShowSelectedStartupInfo(HWND page) {
    HWND list = ListOf(page);
    const int row = SelectedRow(list);
    if (!ListStoreRow(row)) {
        ShowNoSelection();
        return;
    }
    ShowInformationDialog(page, list, row);
}

void LookUpSelectedStartup(HWND page) {
    if (const ListRow* row = ListStoreRow(SelectedRow(ListOf(page))))
        OpenOnlineLookup(row->typeCode, row->path.view(), row->title.view());
}

bool AddStartupProgramFile(std::string_view path) {
    if (path.empty()) return false;
    // A path with a blank is quoted, so that Windows never runs a program
    // named by the part before the blank.
    std::string command(path);
    if (command.find(' ') != std::string::npos && command.front() != '"') command = "\"" + command + "\"";
    RunKey key;
    if (!RunKeyOf(kUserRunType, key)) return false;
    if (PutRunValue(key, TitleForProgram(path).view(), RawValue::FromText(command)).empty()) return false;
    RecordStartupChange(command, kAddedByUser);
    return true;
}

bool AddStartupProgram(HWND page) {
    FixedText<MAX_PATH> path;
    if (!BrowseForProgram(page, path)) return false;
    return AddStartupProgramFile(path.view());
}

bool RemoveSelectedStartup(HWND page) {
    const std::vector<int> rows = SelectedEntries(page);
    for (int index : rows) {
        // A copy: the questions run message loops, and the store is the page's until the refill.
        const ListRow* stored = ListStoreRow(index);
        if (!stored) continue;
        const ListRow row = *stored;
        RemoveEntry(row, rows.size() == 1);
    }
    return !rows.empty();
}

bool DisableSelectedStartup(HWND page, bool enable) {
    const std::vector<int> rows = SelectedEntries(page);
    for (int index : rows) {
        const ListRow* stored = ListStoreRow(index);
        if (!stored) continue;
        const ListRow row = *stored;
        const bool disabled = IsRecordedDisabled(row);
        if (enable) {
            if (disabled) DisableItem(row);
            continue;
        }
        // A program is only stopped for an entry that is really disabled now.
        if (disabled || !CanBeDisabled(row.typeCode)) continue;
        KillProgram(row.path.view(), row.title.view(), rows.size() == 1);
        DisableItem(row);
    }
    return !rows.empty();
}

void MoveToDelayedStart(HWND page) {
    const std::vector<int> rows = SelectedEntries(page);
    for (int row : rows) {
        // A copy: the store is the page's and stays as it is until the refill.
        const ListRow* stored = ListStoreRow(row);
        if (!stored) continue;
        const ListRow entry = *stored;
        if (MoveEntryToDelayedStart(entry) == DelayMove::OwnEntry) break;
    }
}

bool MoveSelectedToDelayedStart(HWND page) {
    if (SelectedItem(ListOf(page)) < 0) {
        ShowNoSelection();
        return false;
    }
    MoveToDelayedStart(page);
    return true;
}
