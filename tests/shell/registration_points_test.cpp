// The shell's registration points: what a registered function is asked, and
// what the shell does while a subsystem's function is not registered (as in
// a build without that subsystem). Each test registers the program's wiring
// again at its end.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/registrations.h"
#include "shell/category_scanners.h"
#include "shell/frame_page.h"
#include "shell/history_restore.h"
#include "shell/list_store.h"
#include "shell/page_commands.h"
#include "shell/page_table.h"
#include "shell/start_hooks.h"
#include "shell/startup_hooks.h"

namespace {

class RegistrationPoints : public ::testing::Test {
protected:
    void TearDown() override {
        ListStoreClear();
        SetStartHooks({});
        RegisterSubsystems();
    }
};

TEST_F(RegistrationPoints, CategoryScannersRunOnlyWhenRegistered) {
    ListStoreAppend("stale", "C:\\stale.exe", "", "", 1, 0);
    SetCategoryScanner(ScanCategory::Services, {});
    EXPECT_FALSE(HasCategoryScanner(ScanCategory::Services));
    EXPECT_FALSE(RunCategoryScanner(ScanCategory::Services));
    EXPECT_EQ(ListStoreCount(), 0) << "the store is emptied either way";

    int runs = 0;
    SetCategoryScanner(ScanCategory::Services, [&] {
        ++runs;
        ListStoreAppend("svc", "C:\\svc.exe", "", "", 700, 0);
    });
    ListStoreAppend("stale", "C:\\stale.exe", "", "", 1, 0);
    EXPECT_TRUE(RunCategoryScanner(ScanCategory::Services));
    EXPECT_EQ(runs, 1);
    ASSERT_EQ(ListStoreCount(), 1);
    EXPECT_EQ(ListStoreRow(0)->title.view(), "svc");
    SetCategoryScanner(ScanCategory::Services, {});
}

TEST_F(RegistrationPoints, TheProgramRegistersTheScannersItHas) {
    EXPECT_TRUE(HasCategoryScanner(ScanCategory::Startup));
    EXPECT_TRUE(HasCategoryScanner(ScanCategory::RunningPrograms));
}

TEST_F(RegistrationPoints, HistoryEventsAreRestoredByTheirCodesOwnRestore) {
    constexpr int kEvent = 31;  // LOG_ALERT_ACTIVEX: nothing to restore
    const HistoryEvent event{"title", "C:\\x.exe /y", "detail", 370, kEvent};
    EXPECT_FALSE(CanRestoreHistoryEvent(kEvent));
    EXPECT_FALSE(RestoreHistoryEvent(event));

    std::vector<std::string> seen;
    SetHistoryRestore(kEvent, [&](const HistoryEvent& e) {
        seen = {std::string(e.title), std::string(e.command), std::string(e.detail), std::to_string(e.itemType)};
        return true;
    });
    EXPECT_TRUE(CanRestoreHistoryEvent(kEvent));
    EXPECT_TRUE(RestoreHistoryEvent(event));
    EXPECT_EQ(seen, (std::vector<std::string>{"title", "C:\\x.exe /y", "detail", "370"}));
    SetHistoryRestore(kEvent, {});
    EXPECT_FALSE(CanRestoreHistoryEvent(kEvent));
    EXPECT_TRUE(CanRestoreHistoryEvent(0)) << "a removed startup entry goes back through the startup subsystem";
}

TEST_F(RegistrationPoints, WithoutTheStartupHooksNothingChangesOrIsPresent) {
    SetStartupHooks({});
    EXPECT_FALSE(SwitchMonitorAutoStart(true));
    EXPECT_FALSE(MonitorAutoStartPresent());
    LoadDelayedStartList();
    RestoreDelayedStartPrograms();

    std::vector<std::string> calls;
    StartupHooks hooks;
    hooks.setSelfStartup = [&](bool on) { calls.push_back(on ? "on" : "off"); return true; };
    hooks.selfStartupPresent = [&] { calls.push_back("present"); return true; };
    hooks.loadDelayedList = [&] { calls.push_back("load"); };
    hooks.restoreAllDelayed = [&] { calls.push_back("restore"); };
    SetStartupHooks(std::move(hooks));
    EXPECT_TRUE(SwitchMonitorAutoStart(false));
    EXPECT_TRUE(MonitorAutoStartPresent());
    LoadDelayedStartList();
    RestoreDelayedStartPrograms();
    EXPECT_EQ(calls, (std::vector<std::string>{"off", "present", "load", "restore"}));
}

TEST_F(RegistrationPoints, StartHooksRunWhenRegistered) {
    int snapshots = 0, refreshes = 0;
    InitFileTypeSnapshots();
    RefreshActiveTasksList();
    SetStartHooks({[&] { ++snapshots; }, [&] { ++refreshes; }});
    InitFileTypeSnapshots();
    RefreshActiveTasksList();
    EXPECT_EQ(snapshots, 1);
    EXPECT_EQ(refreshes, 1);
}

TEST_F(RegistrationPoints, PagesWithoutARegisteredProcedureShowTheirFrame) {
    EXPECT_NE(PageProcedure(kPageStartup), DLGPROC(FramePageProc<kPageStartup>));
    const std::vector<PageEntry> registered = PageTable(true);
    EXPECT_EQ(registered.size(), 13u);
    SetPageTable({});
    EXPECT_EQ(PageProcedure(kPageStartup), DLGPROC(FramePageProc<kPageStartup>));
    EXPECT_EQ(PageProcedure(kPageOptions), DLGPROC(FramePageProc<kPageStartup>));
    SetPageTable(registered);
}

}  // namespace
