// The Services and Active Tasks pages as a user drives them: the rows of real
// services and processes, the check box, Kill Task on one of two copies of a
// program, and Delete File on Reboot asking about a file of Windows' own.
#include <gtest/gtest.h>
#include <winsock2.h>
#include <windows.h>

#include <deque>
#include <string>
#include <vector>

#include "base/processes.h"
#include "base/text_helpers.h"
#include "resource_ids.h"
#include "shell/list_store.h"
#include "shell/list_view.h"
#include "shell/page_commands.h"
#include "shell/options.h"
#include "shell/page_menu.h"
#include "support/box_answerer.h"
#include "support/http_server.h"
#include "support/page_host.h"
#include "support/test_files.h"
#include "sysobjects/active_tasks_page.h"
#include "sysobjects/services_page.h"
#include "service_test_support.h"

namespace {

using namespace servicetest;

// The store row behind an item of the page's list.
const ListRow* RowOfItem(const PageHost& host, int item) {
    LVITEMA lvi = {};
    lvi.mask = LVIF_PARAM;
    lvi.iItem = item;
    if (!SendMessageA(host.List(), LVM_GETITEMA, 0, LPARAM(&lvi))) return nullptr;
    return ListStoreRow(int(lvi.lParam));
}

// The item whose row's path (or title) is the given one; -1 when none.
int ItemWhere(const PageHost& host, bool byPath, const std::string& text) {
    for (int item = 0; item < host.ItemCount(); ++item) {
        const ListRow* row = RowOfItem(host, item);
        if (!row) continue;
        std::string_view field = byPath ? row->path.view() : row->title.view();
        if (byPath ? SamePath(std::string(field), text) : field == text) return item;
    }
    return -1;
}

class ServicesPageTest : public ::testing::Test {
protected:
    void TearDown() override { ListStoreClear(); }
    testsupport::RegistryGuard hide_{HKEY_CURRENT_USER, kOptionsKey, "HideMicrosoftServices"};
    testsupport::RegistryGuard sort_{HKEY_CURRENT_USER, kOptionsKey, "SortService"};
};

TEST_F(ServicesPageTest, ListsARunningServiceWithCompanyStatusStartTypeAndDate) {
    ScratchService service({"Page", "Sx Page Service " + UniqueKeyName("title")});
    ASSERT_TRUE(service.created());
    ASSERT_TRUE(service.Start());
    PageHost host(IDD_PAGE_SERVICES, ServicesPageProc);
    host.Activate();
    const int item = ItemWhere(host, false, service.displayName());
    ASSERT_GE(item, 0);
    EXPECT_EQ(host.ItemText(item, 1), "idle_service.exe");
    EXPECT_EQ(host.ItemText(item, 2), "Lanternway Services");
    EXPECT_EQ(host.ItemText(item, 3), "Running");
    EXPECT_EQ(host.ItemText(item, 4), "Manual");
    EXPECT_FALSE(host.ItemText(item, 5).empty()) << "first seen now";

    // The menu offers what every system-object row has, no change of its own.
    host.SelectItem(item);
    std::vector<int> commands;
    for (const PageMenuEntry& entry : PageMenuEntries(kPageServices, SelectedRow(host.List())))
        commands.push_back(entry.command);
    EXPECT_EQ(commands, (std::vector<int>{1008, 1201, 1202, 0, 1067, 9, 1077}));
}

TEST_F(ServicesPageTest, TheCheckBoxIsStoredAndTheListFilledAtOnce) {
    ScratchService service({"Box"});
    ASSERT_TRUE(service.created());
    PageHost host(IDD_PAGE_SERVICES, ServicesPageProc);
    host.Activate();
    const int all = host.ItemCount();
    host.Click(IDC_SERVICES_NON_MICROSOFT);
    EXPECT_EQ(ReadOption("HideMicrosoftServices", 0), 1);
    EXPECT_GE(ItemWhere(host, false, service.displayName()), 0) << "a service of another maker stays";
    EXPECT_LE(host.ItemCount(), all);
    host.Click(IDC_SERVICES_NON_MICROSOFT);
    EXPECT_EQ(ReadOption("HideMicrosoftServices", 1), 0);
    EXPECT_EQ(host.ItemCount(), all);
}

class ActiveTasksPageTest : public ::testing::Test {
protected:
    void SetUp() override {
        ListStoreClear();  // as the sheet leaves it when another page was left
        ASSERT_TRUE(server_.listening());
        vendor_.Set(server_.BaseUrl());
        ASSERT_TRUE(copies_.copied());
    }
    void TearDown() override { ListStoreClear(); }
    std::string Copy(const char* sub) const { return copies_.Copy(sub); }
    driver::Process& Start(const std::string& path) { return copies_.Start(path); }

    IdleProgramCopies copies_{"C:\\active_tasks_page_test"};
    HistoryFile history_;
    testsupport::HttpServer server_;
    testsupport::RegistryGuard vendor_{HKEY_CURRENT_USER, kProgramKey, "Server"};
    testsupport::RegistryGuard reportAddress_{HKEY_LOCAL_MACHINE, kProgramKey, "cloudremoved"};
    testsupport::RegistryGuard sort_{HKEY_CURRENT_USER, kOptionsKey, "SortActiveTask"};
};

TEST_F(ActiveTasksPageTest, KillTaskEndsTheSelectedCopyOnly) {
    driver::Process& first = Start(Copy("first"));
    driver::Process& second = Start(Copy("second"));
    PageHost host(IDD_PAGE_ACTIVETASKS, ActiveTasksPageProc);
    host.Activate();
    const int item = ItemWhere(host, true, Copy("second"));
    ASSERT_GE(item, 0);
    ASSERT_GE(ItemWhere(host, true, Copy("first")), 0);
    EXPECT_TRUE(EqualsNoCase(host.ItemText(item, 0), "idle_program.exe")) << host.ItemText(item, 0);
    host.SelectItem(item);
    {
        // No question on this page: any box would be a fault.
        testsupport::BoxAnswerer unexpected(testsupport::kEveryBox, IDOK);
        host.Click(IDC_KILL_TASK);
        unexpected.Stop();
        EXPECT_EQ(unexpected.texts(), std::vector<std::string>{});
    }
    EXPECT_TRUE(second.WaitExit(5000).has_value());
    EXPECT_FALSE(first.WaitExit(300).has_value()) << "the other copy of the same name runs on";
    EXPECT_LT(ItemWhere(host, true, Copy("second")), 0) << "the list is filled again";
}

// Delete File on Reboot names the file, and a file of Windows' own is asked
// about through the system-file question instead of the plain one.
TEST_F(ActiveTasksPageTest, DeleteOnRebootAsksThroughTheSystemFileQuestionForWindowsFiles) {
    PageHost host(IDD_PAGE_ACTIVETASKS, ActiveTasksPageProc);
    host.Activate();
    char system[MAX_PATH] = {};
    GetSystemDirectoryA(system, sizeof(system));
    int item = -1;
    for (int i = 0; i < host.ItemCount() && item < 0; ++i)
        if (const ListRow* row = RowOfItem(host, i); row && ContainsNoCase(row->path.view(), system)) item = i;
    ASSERT_GE(item, 0) << "some process of the prefix runs from the System folder";
    const std::string file(RowOfItem(host, item)->path.view());
    host.SelectItem(item);
    const auto renamesBefore = PendingRenames();
    std::string named;
    {
        testsupport::BoxAnswerer answer([&](HWND dialog) {
            char text[1024] = {};
            GetDlgItemTextA(dialog, IDC_CONFIRM_FILE, text, sizeof(text));
            named = text;
            PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        });
        host.Command(kCommandDeleteOnReboot);
        answer.Stop();
        EXPECT_TRUE(answer.seen());
    }
    EXPECT_TRUE(SamePath(named, file)) << "the protection dialog names " << file << ", not " << named;
    EXPECT_EQ(PendingRenames(), renamesBefore) << "nothing is scheduled without the user's yes";
}

// Any other file is asked about with the plain question, which names it.
TEST_F(ActiveTasksPageTest, DeleteOnRebootNamesAnyOtherFileInThePlainQuestion) {
    Start(Copy("first"));
    PageHost host(IDD_PAGE_ACTIVETASKS, ActiveTasksPageProc);
    host.Activate();
    const int item = ItemWhere(host, true, Copy("first"));
    ASSERT_GE(item, 0);
    const std::string file(RowOfItem(host, item)->path.view());
    host.SelectItem(item);
    const auto renamesBefore = PendingRenames();
    testsupport::BoxAnswerer answer(IDNO);
    host.Command(kCommandDeleteOnReboot);
    answer.Stop();
    ASSERT_TRUE(answer.seen());
    EXPECT_NE(FoldCase(answer.text()).find(FoldCase(file)), std::string::npos) << answer.text();
    EXPECT_EQ(PendingRenames(), renamesBefore);
}

}  // namespace
