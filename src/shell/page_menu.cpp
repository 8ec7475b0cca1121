#include "shell/page_menu.h"

#include <shellapi.h>

#include "resource_ids.h"
#include "base/fixed_text.h"
#include "base/unique_resource.h"
#include "shell/list_page_hooks.h"
#include "shell/list_store.h"
#include "shell/list_view.h"
#include "shell/load_text.h"
#include "shell/page_commands.h"
#include "shell/recent_store.h"
#include "base/command_line.h"
#include "base/file_search.h"
#include "base/launch.h"
#include "base/program_folders.h"

namespace {

// The menu items: their command (the page's button of that id) and their string.
const PageMenuEntry kInfo{IDC_INFO, IDS_INFO, {}};
const PageMenuEntry kExplore{kCommandExploreFolder, IDS_EXPLORE_FOLDER, {}};
const PageMenuEntry kProperties{kCommandOpenProperties, IDS_OPEN_PROPERTIES, {}};
const PageMenuEntry kViewNote{kCommandViewNote, IDS_VIEW_NOTE, {}};
const PageMenuEntry kAdd{IDC_ADD, IDS_ADD, {}};
const PageMenuEntry kMoveToDelayed{kCommandMoveToDelayed, IDS_MOVE_TO_DELAYED, {}};
const PageMenuEntry kRemove{IDC_REMOVE, IDS_REMOVE, {}};
const PageMenuEntry kEnable{IDC_ENABLE, IDS_ENABLE, {}};
const PageMenuEntry kDisable{IDC_DISABLE, IDS_DISABLE, {}};
const PageMenuEntry kDeleteOnReboot{kCommandDeleteOnReboot, IDS_DELETE_ON_REBOOT, {}};
const PageMenuEntry kLaunch{kCommandLaunchProgram, IDS_LAUNCH_PROGRAM, {}};
const PageMenuEntry kDelayOptions{IDC_DELAY_OPTIONS, IDS_DELAY_START_OPTIONS, {}};
const PageMenuEntry kRestoreToStartup{kCommandRestoreToStartup, IDS_RESTORE_TO_STARTUP, {}};
const PageMenuEntry kRefresh{IDC_REFRESH, IDS_REFRESH, {}};
const PageMenuEntry kKillTask{IDC_KILL_TASK, IDS_KILL_TASK, {}};
const PageMenuEntry kDelete{kCommandDeleteHiddenFile, IDS_DELETE_FILE, {}};
const PageMenuEntry kViewWithNotepad{kCommandViewWithNotepad, IDS_VIEW_NOTEPAD, {}};
const PageMenuEntry kViewCookie{IDC_INFO, IDS_VIEW, {}};
const PageMenuEntry kRemoveUnchecked{IDC_PAGE_CLOSE, IDS_REMOVE_UNCHECKED, {}};  // 1004 on the cookie list
const PageMenuEntry kRemoveChecked{kCommandRemoveChecked, IDS_REMOVE_CHECKED, {}};
const PageMenuEntry kRestoreHistory{kCommandRestoreHistory, IDS_RESTORE, {}};
const PageMenuEntry kClearHistory{kCommandClearHistory, IDS_CLEAR_FILE, {}};
const PageMenuEntry kCloseHistory{IDOK, IDS_CLOSE, {}};
const PageMenuEntry kSuggestions{IDC_REGMON_SUGGESTIONS, IDS_SUGGESTIONS, {}};
const PageMenuEntry kPlusInfo{kCommandPlusInfo, IDS_PLUS_INFO, {}};
const PageMenuEntry kLog{kCommandSystemReport, IDS_SENTRIVOX_LOG, {}};
const PageMenuEntry kHelp{IDC_PICTURE_HELP, IDS_HELP_CAPTION, {}};
const PageMenuEntry kSeparator{};

constexpr int kFirstAdvancedType = 250;  // Winlogon and shell-extension entries: no disable or move

// What the menu needs of a row, from the store the page lists.
struct MenuRow {
    FixedText<260> path;
    int typeCode = 0;
};

const ListStore& StoreOf(int pageId) {
    const ListStore* own = ListPageHooksOf(pageId).store;
    return own ? *own : SharedListStore();
}

bool ReadMenuRow(int pageId, int row, MenuRow& out) {
    if (pageId == kPageRecent) {
        const RecentRow* record = RecentStoreRow(row);
        if (!record) return false;
        out.path = record->path.view();
        out.typeCode = record->typeCode;
        return true;
    }
    const ListRow* item = StoreOf(pageId).Row(row);
    if (!item) return false;
    out.path = item->path.view();
    out.typeCode = item->typeCode;
    return true;
}

bool HasNote(std::string_view path) {
    FixedText<260> note;
    return NoteFilePath(path, note) > 0 && FileExists(note.view());
}

// The program file of a row: the path resolved, or the path itself when that gives nothing.
FixedText<260> ProgramFileOf(std::string_view path) {
    FixedText<260> file;
    if (ExtractProgramFile(path, file) <= 0) file = path;
    return file;
}

void AddProgramItems(std::vector<PageMenuEntry>& menu, bool note) {
    menu.insert(menu.end(), {kInfo, kExplore, kProperties});
    if (note) menu.push_back(kViewNote);
}

void AddRecentItems(std::vector<PageMenuEntry>& menu, int typeCode, bool note) {
    menu.insert(menu.end(), {kExplore, kProperties});
    if (note) menu.push_back(kViewNote);
    menu.push_back(kSeparator);
    switch (typeCode) {
        case 1: menu.insert(menu.end(), {kSeparator, kRemove, kRefresh}); break;
        case 370: menu.insert(menu.end(), {kRefresh, kDelete, kViewWithNotepad}); break;
        case 600: menu.insert(menu.end(), {kRefresh, kKillTask}); break;
        case 900: menu.insert(menu.end(), {kRemove, kRefresh}); break;
        default: menu.push_back(kRefresh); break;
    }
    menu.push_back(kDeleteOnReboot);
}

// Drops the entries that the page does not allow for the row, and the
// separators that would then stand first, last or twice.
void LeaveOutDenied(int pageId, int row, std::vector<PageMenuEntry>& menu) {
    const auto& denies = ListPageHooksOf(pageId).denies;
    if (!denies) return;
    std::vector<PageMenuEntry> kept;
    for (const PageMenuEntry& entry : menu) {
        if (entry.command != 0 && denies(row, entry.command)) continue;
        if (entry.command == 0 && (kept.empty() || kept.back().command == 0)) continue;
        kept.push_back(entry);
    }
    while (!kept.empty() && kept.back().command == 0) kept.pop_back();
    menu = std::move(kept);
}

}  // namespace

std::vector<PageMenuEntry> PageMenuEntries(int pageId, int row) {
    std::vector<PageMenuEntry> menu;
    MenuRow item;
    if (!ReadMenuRow(pageId, row, item)) return menu;
    const bool note = HasNote(item.path.view());

    switch (pageId) {
        case kPageStartup: {
            AddProgramItems(menu, note);
            menu.push_back(kAdd);
            if (ListPageHooksOf(pageId).denies) {
                // The page says per row what it allows, as for its buttons.
                menu.insert(menu.end(), {kMoveToDelayed, kSeparator, kRemove, kEnable, kDisable, kDeleteOnReboot});
            } else if (item.typeCode < kFirstAdvancedType) {
                const auto& isDisabled = ListPageHooksOf(pageId).isDisabled;
                const bool disabled = isDisabled && isDisabled(row);
                menu.insert(menu.end(), {kMoveToDelayed, kSeparator, kRemove, disabled ? kEnable : kDisable,
                                         kDeleteOnReboot});
            }
            break;
        }
        case kPageDelayed:
            menu.insert(menu.end(), {kInfo, kExplore, kProperties, kAdd, kLaunch, kDelayOptions, kSeparator,
                                     kRemove, kRestoreToStartup});
            if (note) menu.push_back(kViewNote);
            break;
        case kPageActiveTasks:
            AddProgramItems(menu, note);
            menu.insert(menu.end(), {kRefresh, kKillTask, kDeleteOnReboot});
            break;
        case kPageServices:
            AddProgramItems(menu, note);
            break;
        case kPageScheduledTasks:
        case kPageIEHelpers:
            AddProgramItems(menu, note);
            menu.insert(menu.end(), {kRemove, kDeleteOnReboot});
            break;
        case kPageFileTypes:
            menu.push_back(kInfo);
            if (note) menu.push_back(kViewNote);
            menu.insert(menu.end(), {kAdd, kRemove});
            break;
        case kPageHidden:
            AddProgramItems(menu, note);
            menu.insert(menu.end(), {kRefresh, kDelete, kDeleteOnReboot, kViewWithNotepad});
            break;
        case kPageRecent:
            AddRecentItems(menu, item.typeCode, note);
            break;
        case kPageRegistryMonitoring: {
            // The row's number is the entry's lock; this menu has no closing items.
            PageMenuEntry locked{kCommandLockEntry, IDS_MENU_LOCKED, "Locked - Will automatically be protected.",
                                 item.typeCode != 0};
            PageMenuEntry unlocked{kCommandUnlockEntry, IDS_MENU_UNLOCKED,
                                   "Unlocked - You will be alerted if changed.", item.typeCode == 0};
            menu.insert(menu.end(), {locked, unlocked, kAdd, kSuggestions, kRemove});
            return menu;
        }
        case kPageCookies:
        case kListCookieDialog:
            menu.insert(menu.end(), {kViewCookie, kRemoveUnchecked, kRemoveChecked});
            break;
        case kListHistory:
            menu.insert(menu.end(), {kRestoreHistory, kClearHistory, kCloseHistory});
            break;
        default:
            break;
    }

    LeaveOutDenied(pageId, row, menu);
    if (!menu.empty()) menu.push_back(kSeparator);
    menu.push_back(kPlusInfo);
    if (pageId != kPageCookies && pageId != kListCookieDialog) menu.push_back(kLog);
    menu.push_back(kHelp);
    return menu;
}

HMENU BuildPageMenu(int pageId, int row) {
    std::vector<PageMenuEntry> entries = PageMenuEntries(pageId, row);
    if (entries.empty()) return nullptr;
    HMENU menu = CreatePopupMenu();
    if (!menu) return nullptr;
    for (const PageMenuEntry& entry : entries) {
        if (entry.command == 0) {
            AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        FixedText<260> text;
        if (entry.stringId == 0 || LoadText(entry.stringId, text) <= 0) text = entry.literal;
        UINT flags = MF_STRING | (entry.checked ? MF_CHECKED : MF_UNCHECKED);
        AppendMenuA(menu, flags, static_cast<UINT_PTR>(entry.command), text.c_str());
    }
    return menu;
}

bool ShowListMenu(HWND page, HWND list, int pageId) {
    const int row = SelectedRow(list);
    if (row < 0) return false;
    UniqueMenu menu(BuildPageMenu(pageId, row));
    if (!menu) return false;
    POINT at = {};
    GetCursorPos(&at);
    SetForegroundWindow(page);
    TrackPopupMenuEx(menu.get(), TPM_RIGHTBUTTON, at.x, at.y, page, nullptr);
    // The menu closes properly only after the owner has seen another message.
    PostMessageA(page, WM_NULL, 0, 0);
    return true;
}

bool ShowPageMenu(HWND page, int pageId) { return ShowListMenu(page, GetDlgItem(page, kListControl), pageId); }

bool HandleSharedMenuCommand(HWND page, int pageId, int command) {
    if (command != kCommandExploreFolder && command != kCommandOpenProperties && command != kCommandViewNote)
        return false;
    MenuRow item;
    if (!ReadMenuRow(pageId, SelectedRow(GetDlgItem(page, kListControl)), item)) return false;

    switch (command) {
        case kCommandExploreFolder: {
            FixedText<260> folder;
            if (!LocateProgramFolder(ProgramFileOf(item.path.view()).view(), folder)) return true;
            ShellExecuteA(page, "explore", folder.c_str(), nullptr, nullptr, SW_SHOWDEFAULT);
            return true;
        }
        case kCommandOpenProperties:
            OpenFileProperties(page, ProgramFileOf(item.path.view()).view());
            return true;
        default: {
            FixedText<260> note;
            if (NoteFilePath(item.path.view(), note) > 0)
                ShellExecuteA(page, "open", note.c_str(), nullptr, nullptr, SW_SHOWDEFAULT);
            return true;
        }
    }
}
