// The right-click menu of the list pages. The commands reach the page as
// WM_COMMAND with the ids of its own buttons, so a page handles a menu choice
// exactly as the button of the same id; the program commands that every page
// shares (explore the folder, properties, note) are handled here.
#pragma once

#include <windows.h>

#include <string_view>
#include <vector>

// Menu commands that no button of the pages carries. The pages handle them as
// WM_COMMAND like their buttons.
inline constexpr int kCommandSystemReport = 9;
inline constexpr int kCommandPlusInfo = 1067;
inline constexpr int kCommandDeleteHiddenFile = 1184;
inline constexpr int kCommandViewWithNotepad = 1180;
inline constexpr int kCommandRemoveChecked = 1103;
inline constexpr int kCommandRestoreHistory = 1104;
inline constexpr int kCommandClearHistory = 1106;
inline constexpr int kCommandDeleteOnReboot = 1144;
inline constexpr int kCommandMoveToDelayed = 1195;
inline constexpr int kCommandLaunchProgram = 1065;
inline constexpr int kCommandRestoreToStartup = 1198;
// The registry-monitoring menu's lock and unlock of the selected entry.
inline constexpr int kCommandLockEntry = 1340;
inline constexpr int kCommandUnlockEntry = 1341;
// Commands handled by HandleSharedMenuCommand.
inline constexpr int kCommandExploreFolder = 1201;
inline constexpr int kCommandOpenProperties = 1202;
inline constexpr int kCommandViewNote = 1164;

struct PageMenuEntry {
    int command = 0;               // 0: a separator
    int stringId = 0;              // the text's string; 0: the literal text
    std::string_view literal;
    bool checked = false;
};

// The entries of a page's menu for a row of the page's store (the Recent
// store on the Recent page); empty when the row does not exist.
std::vector<PageMenuEntry> PageMenuEntries(int pageId, int row);
// The popup menu of those entries (texts through LoadText); the caller destroys it.
HMENU BuildPageMenu(int pageId, int row);

// NM_RCLICK on a page's list 1000: the menu of the selected row at the cursor;
// nothing when no row is selected. True when the menu was shown.
bool ShowPageMenu(HWND page, int pageId);
bool ShowListMenu(HWND page, HWND list, int pageId);

// The shared program commands (1201 explore the program's folder, 1202 its
// properties, 1164 its note) for the selected row; false for any other command
// or without a selection.
bool HandleSharedMenuCommand(HWND page, int pageId, int command);
