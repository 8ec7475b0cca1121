#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "shell/list_page_hooks.h"
#include "shell/list_store.h"
#include "shell/page_commands.h"
#include "shell/page_menu.h"
#include "shell/recent_store.h"
#include "base/program_folders.h"

namespace {

std::vector<int> Commands(int pageId, int row) {
    std::vector<int> commands;
    for (const PageMenuEntry& entry : PageMenuEntries(pageId, row)) commands.push_back(entry.command);
    return commands;
}

class PageMenuTest : public ::testing::Test {
protected:
    void SetUp() override {
        ListStoreClear();
        RecentStoreClear();
    }
    void TearDown() override {
        ListStoreClear();
        RecentStoreClear();
        SetListPageHooks(kPageStartup, {});
        if (!note_.empty()) DeleteFileA(note_.c_str());
    }
    // Gives the program of a command line a note file.
    void MakeNote(const char* commandLine) {
        FixedText<260> path;
        ASSERT_GT(NoteFilePath(commandLine, path), 0);
        note_ = path.c_str();
        HANDLE file = CreateFileA(note_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        CloseHandle(file);
    }
    std::string note_;
};

TEST_F(PageMenuTest, ItemsByPage) {
    const int closing[] = {0, 1067, 9, 1077};
    auto with = [&](std::vector<int> items, bool log = true) {
        for (int c : closing)
            if (log || c != 9) items.push_back(c);
        return items;
    };
    ListStoreAppend("t", "C:\\No Such\\prog.exe", "", "", 11, 0);   // row 0
    ListStoreAppend("t", "C:\\No Such\\shell.dll", "", "", 250, 0);  // row 1
    struct { const char* name; int page; int row; std::vector<int> commands; } cases[] = {
        {"startup", kPageStartup, 0, with({1008, 1201, 1202, 1064, 1195, 0, 1003, 11, 1144})},
        {"startup advanced entry", kPageStartup, 1, with({1008, 1201, 1202, 1064})},
        {"delayed start", kPageDelayed, 0, with({1008, 1201, 1202, 1064, 1065, 1197, 0, 1003, 1198})},
        {"active tasks", kPageActiveTasks, 0, with({1008, 1201, 1202, 1006, 1007, 1144})},
        {"services", kPageServices, 0, with({1008, 1201, 1202})},
        {"scheduled tasks", kPageScheduledTasks, 0, with({1008, 1201, 1202, 1003, 1144})},
        {"IE helpers", kPageIEHelpers, 0, with({1008, 1201, 1202, 1003, 1144})},
        {"file types", kPageFileTypes, 0, with({1008, 1064, 1003})},
        {"hidden files", kPageHidden, 0, with({1008, 1201, 1202, 1006, 1184, 1144, 1180})},
        {"registry monitoring", kPageRegistryMonitoring, 0,
         {kCommandLockEntry, kCommandUnlockEntry, 1064, 1065, 1003}},
        {"cookies", kPageCookies, 0, with({1008, 1004, 1103}, false)},
        {"cookie list", kListCookieDialog, 0, with({1008, 1004, 1103}, false)},
        {"history", kListHistory, 0, with({1104, 1106, IDOK})},
        {"no such row", kPageStartup, 2, {}},
    };
    for (const auto& c : cases) EXPECT_EQ(Commands(c.page, c.row), c.commands) << c.name;
}

TEST_F(PageMenuTest, StateOfTheRowChoosesItems) {
    ListStoreAppend("t", "C:\\No Such\\prog.exe", "", "", 11, 0);
    ListStoreAppend("t", "C:\\No Such\\other.exe", "", "", 11, 0);
    ListPageHooks hooks;
    hooks.isDisabled = [](int row) { return row == 1; };
    SetListPageHooks(kPageStartup, hooks);
    EXPECT_EQ(Commands(kPageStartup, 0)[7], 11) << "&Disable for an enabled entry";
    EXPECT_EQ(Commands(kPageStartup, 1)[7], 10) << "&Enable for a disabled one";

    // The lock of a registry entry is its type code; the matching item is checked.
    ListStoreClear();
    ListStoreAppend("HKLM", "Software\\X", "v", "d", 1, 1);
    ListStoreAppend("HKCU", "Software\\Y", "v", "d", 0, 1);
    auto locked = PageMenuEntries(kPageRegistryMonitoring, 0);
    auto unlocked = PageMenuEntries(kPageRegistryMonitoring, 1);
    EXPECT_TRUE(locked[0].checked);
    EXPECT_FALSE(locked[1].checked);
    EXPECT_FALSE(unlocked[0].checked);
    EXPECT_TRUE(unlocked[1].checked);
    EXPECT_EQ(locked[0].literal, "Locked - Will automatically be protected.");
}

TEST_F(PageMenuTest, ViewNoteOnlyWhenTheProgramHasANote) {
    ListStoreAppend("t", "\"C:\\No Such\\noted.exe\" /x", "", "", 11, 0);
    EXPECT_EQ(Commands(kPageServices, 0), (std::vector<int>{1008, 1201, 1202, 0, 1067, 9, 1077}));
    MakeNote("C:\\No Such\\noted.exe");
    EXPECT_EQ(Commands(kPageServices, 0), (std::vector<int>{1008, 1201, 1202, 1164, 0, 1067, 9, 1077}));
    EXPECT_EQ(Commands(kPageFileTypes, 0), (std::vector<int>{1008, 1164, 1064, 1003, 0, 1067, 9, 1077}));
    const std::vector<int> delayed = Commands(kPageDelayed, 0);
    EXPECT_EQ(delayed[9], 1164) << "last of the delayed-start items";
}

TEST_F(PageMenuTest, RecentItemsFollowTheRecordsType) {
    struct { int type; std::vector<int> middle; } cases[] = {
        {1, {0, 1003, 1006}},
        {370, {1006, 1184, 1180}},
        {600, {1006, 1007}},
        {900, {1003, 1006}},
        {11, {1006}},
    };
    for (const auto& c : cases) {
        RecentStoreClear();
        RecentStoreAppend("t", "C:\\NO SUCH\\X.EXE", 1070, "", c.type, 0);
        std::vector<int> want = {1201, 1202, 0};
        want.insert(want.end(), c.middle.begin(), c.middle.end());
        want.insert(want.end(), {1144, 0, 1067, 9, 1077});
        EXPECT_EQ(Commands(kPageRecent, 0), want) << c.type;
    }
    // The Recent page reads its own store, not the shared one.
    ListStoreAppend("t", "C:\\x.exe", "", "", 600, 0);
    ListStoreAppend("t", "C:\\x.exe", "", "", 600, 0);
    EXPECT_TRUE(PageMenuEntries(kPageRecent, 1).empty());
}

TEST_F(PageMenuTest, BuiltMenuCarriesCommandsAndChecks) {
    ListStoreAppend("HKLM", "Software\\X", "v", "d", 1, 1);
    HMENU menu = BuildPageMenu(kPageRegistryMonitoring, 0);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(GetMenuItemCount(menu), 5);
    EXPECT_EQ(GetMenuItemID(menu, 0), static_cast<UINT>(kCommandLockEntry));
    EXPECT_TRUE(GetMenuState(menu, 0, MF_BYPOSITION) & MF_CHECKED);
    EXPECT_FALSE(GetMenuState(menu, 1, MF_BYPOSITION) & MF_CHECKED);
    char text[128] = {};
    GetMenuStringA(menu, 0, text, sizeof(text), MF_BYPOSITION);
    EXPECT_STREQ(text, "Locked - Will automatically be protected.");
    DestroyMenu(menu);

    EXPECT_EQ(BuildPageMenu(kPageStartup, 7), nullptr);
}

TEST_F(PageMenuTest, NoMenuWithoutSelection) {
    HWND page = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
    ListStoreAppend("t", "C:\\x.exe", "", "", 11, 0);
    EXPECT_FALSE(ShowPageMenu(page, kPageStartup));
    EXPECT_FALSE(HandleSharedMenuCommand(page, kPageStartup, kCommandExploreFolder));
    EXPECT_FALSE(HandleSharedMenuCommand(page, kPageStartup, 1003)) << "not a shared command";
    DestroyWindow(page);
}

}  // namespace
