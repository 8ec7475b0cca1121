#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>

#include "support/dialog_actions.h"
#include "support/page_host.h"
#include "res/options_ids.h"
#include "res/resource_ids.h"
#include "shell/explorer_verb.h"
#include "shell/load_text.h"
#include "shell/monitor_picture.h"
#include "shell/option_store.h"
#include "shell/options.h"
#include "shell/options_page.h"
#include "base/registry.h"
#include "support/box_answerer.h"
#include "support/registry_fixture.h"

namespace {

using namespace dialog_actions;

// The page re-runs the start-up initialisation, which touches the program's
// keys, the monitor's Run value and the Explorer verb: each test starts and
// ends without them.
class OptionsPage : public ::testing::Test {
protected:
    void SetUp() override {
        testsupport::CleanProgramRegistry();
        // Not a user's first start: that one registers the monitor and scans the machine.
        RegWriteString(HKEY_CURRENT_USER, kProgramKey, "", "01-Jan-2026 9:00 AM");
        // Removal reports of the monitor's own entry go nowhere.
        RegWriteString(HKEY_CURRENT_USER, kProgramKey, "Server", "http://127.0.0.1:9");
    }
    void TearDown() override {
        host_.reset();
        testsupport::CleanProgramRegistry();
        LoadOptions();
    }
    static void Given(std::initializer_list<std::pair<const char*, const char*>> options) {
        for (const auto& [name, value] : options) RegWriteString(HKEY_CURRENT_USER, kOptionsKey, name, value);
    }
    static std::string Stored(const char* name) {
        FixedText<32> text;
        RegReadString(kOptionsKey, name, HKEY_CURRENT_USER, text);
        return std::string(text.view());
    }
    PageHost& Open() {
        host_ = std::make_unique<PageHost>(IDD_PAGE_OPTIONS, OptionsPageProc);
        host_->Activate();
        return *host_;
    }
    std::unique_ptr<PageHost> host_;
};

TEST_F(OptionsPage, ShowsTheStoredOptions) {
    Given({{"Sound", "0"}, {"History", "1"}, {"HideBrisko", "1"}, {"LockFileTypes", "1"}, {"ConfirmExit", "0"},
           {"PlusFormat", "1"}, {"ExplorerMenu", "0"}, {"StartPage", "0"}, {"RealtimeStartPage", "0"},
           {"HostFile", "3"}, {"RealtimeSysFiles", "0"}});
    PageHost& page = Open();
    EXPECT_FALSE(page.Checked(IDC_OPT_SOUND));
    EXPECT_TRUE(page.Checked(IDC_OPT_HISTORY));
    EXPECT_TRUE(page.Checked(IDC_OPT_HIDE_TRAY));
    EXPECT_TRUE(page.Checked(IDC_OPT_LOCK_FILETYPES));
    EXPECT_FALSE(page.Checked(IDC_OPT_CONFIRM_EXIT));
    EXPECT_TRUE(page.Checked(IDC_OPT_PLUS_INFO));
    EXPECT_FALSE(page.Checked(IDC_OPT_EXPLORER_MENU));
    EXPECT_FALSE(page.Checked(IDC_OPT_AUTOSTART));
    EXPECT_TRUE(page.Checked(IDC_OPT_ORIGINAL_TRAY_ICON)) << "TrayIcon absent";
    EXPECT_EQ(page.Image(IDC_OPT_HOMEPAGE_PICTURE), PictureBitmap(IDB_MONITOR_OFF));
    EXPECT_EQ(page.Image(IDC_OPT_HOSTS_PICTURE), PictureBitmap(IDB_MONITOR_ON));
    // The restart file exists only on the 9x family.
    EXPECT_FALSE(page.Visible(IDC_OPT_RESTART_PICTURE));
    EXPECT_FALSE(page.Visible(IDC_OPT_RESTART_TEXT));
    EXPECT_TRUE(page.Visible(IDC_OPT_HOSTS_PICTURE));
    EXPECT_EQ(page.Text(IDC_OPT_INTRO), LoadTextString(IDS_OPTIONS_INTRO));
}

TEST_F(OptionsPage, ReloadsWhatTheMonitorChangedWhenCreated) {
    Given({{"Sound", "1"}});
    LoadOptions();
    Given({{"Sound", "0"}});  // written by the monitor meanwhile
    EXPECT_FALSE(Open().Checked(IDC_OPT_SOUND));
}

TEST_F(OptionsPage, OriginalTrayIconIsClearOnlyForThePlainIcon) {
    Given({{"TrayIcon", "101"}});
    PageHost& page = Open();
    EXPECT_FALSE(page.Checked(IDC_OPT_ORIGINAL_TRAY_ICON));
    page.Click(IDC_OPT_ORIGINAL_TRAY_ICON);
    EXPECT_EQ(Stored("TrayIcon"), "159");
    page.Click(IDC_OPT_ORIGINAL_TRAY_ICON);
    EXPECT_EQ(Stored("TrayIcon"), "101");
}

TEST_F(OptionsPage, EachBoxStoresItsStateAtOnce) {
    struct { int box; const char* option; } cases[] = {
        {IDC_OPT_SOUND, "Sound"}, {IDC_OPT_HISTORY, "History"}, {IDC_OPT_LOCK_FILETYPES, "LockFileTypes"},
        {IDC_OPT_CONFIRM_EXIT, "ConfirmExit"},
    };
    PageHost& page = Open();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.option);
        bool was = page.Checked(c.box);
        page.Click(c.box);
        EXPECT_EQ(Stored(c.option), was ? "0" : "1");
        page.Click(c.box);
        EXPECT_EQ(Stored(c.option), was ? "1" : "0");
    }
    // Every change writes the whole set back, which raises Update for the monitor.
    EXPECT_EQ(Stored("RealtimeRegOptions"), "1");
    EXPECT_EQ(Stored("Update"), "1");
}

TEST_F(OptionsPage, ExplorerIntegrationRemovesAndRestoresTheVerb) {
    PageHost& page = Open();
    ASSERT_TRUE(page.Checked(IDC_OPT_EXPLORER_MENU));
    ASSERT_TRUE(testsupport::RegKeyPresent(HKEY_CLASSES_ROOT, std::string(kExplorerVerbKey) + "\\command"));
    page.Click(IDC_OPT_EXPLORER_MENU);
    EXPECT_EQ(Stored("ExplorerMenu"), "0");
    EXPECT_FALSE(testsupport::RegKeyPresent(HKEY_CLASSES_ROOT, kExplorerVerbKey)) << "the key and its subkey go";
    page.Click(IDC_OPT_EXPLORER_MENU);
    EXPECT_EQ(Stored("ExplorerMenu"), "1");
    auto command = testsupport::ReadRegString(HKEY_CLASSES_ROOT, std::string(kExplorerVerbKey) + "\\command", "");
    ASSERT_TRUE(command.has_value());
    EXPECT_NE(command->find("\\sentrivox.exe\" %1"), std::string::npos) << *command;
}

TEST_F(OptionsPage, HidingTheTaskbarIconShowsTheNoteFirst) {
    PageHost& page = Open();
    std::string note;
    testsupport::BoxAnswerer watch([&](HWND dialog) {
        note = Text(dialog, IDC_NOTE_TEXT);
        Press(dialog, IDOK);
    });
    page.Click(IDC_OPT_HIDE_TRAY);
    watch.Stop();
    EXPECT_EQ(note, LoadTextString(IDS_TRAY_HIDDEN_NOTE));
    EXPECT_EQ(Stored("HideBrisko"), "1");

    testsupport::BoxAnswerer none([](HWND dialog) { Press(dialog, IDOK); }, 500);
    page.Click(IDC_OPT_HIDE_TRAY);
    none.Stop();
    EXPECT_FALSE(none.seen()) << "showing the icon again needs no note";
    EXPECT_EQ(Stored("HideBrisko"), "0");
}

TEST_F(OptionsPage, AllowingPlusInfoThanksTheUser) {
    PageHost& page = Open();
    std::string text;
    testsupport::BoxAnswerer watch([&](HWND box) {
        text = Text(box, 0xFFFF);  // a message box's text
        Press(box, IDOK);
    });
    page.Click(IDC_OPT_PLUS_INFO);
    watch.Stop();
    EXPECT_TRUE(watch.seen());
    EXPECT_NE(text.find("Thank you for your support."), std::string::npos) << text.c_str();
    EXPECT_EQ(Stored("PlusFormat"), "1");

    testsupport::BoxAnswerer none([](HWND box) { Press(box, IDOK); }, 500);
    page.Click(IDC_OPT_PLUS_INFO);
    none.Stop();
    EXPECT_FALSE(none.seen());
    EXPECT_EQ(Stored("PlusFormat"), "0");
}

TEST_F(OptionsPage, PicturesSetTheirCategorysPatrolTime) {
    Given({{"RealtimeStartPage", "0"}, {"RealtimeSysFiles", "1"}});
    PageHost& page = Open();
    struct { int picture; const char* title; const char* option; int bitmap; } cases[] = {
        {IDC_OPT_HOMEPAGE_PICTURE, "Patrol Time for Default Internet Pages", "StartPage", IDB_MONITOR_OFF},
        {IDC_OPT_HOSTS_PICTURE, "Patrol Time for checking HOST file", "HostFile", IDB_MONITOR_REALTIME},
        {IDC_OPT_RESTART_PICTURE, "Patrol Time for WinInit/Restart file", "WinInit", IDB_MONITOR_OFF},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.option);
        std::string caption;
        testsupport::BoxAnswerer watch([&](HWND dialog) {
            caption = Caption(dialog);
            Type(dialog, IDC_PATROL_MINUTES, "0");
            Press(dialog, IDOK);
        });
        page.ClickPicture(c.picture);
        watch.Stop();
        EXPECT_EQ(caption, c.title);
        EXPECT_EQ(Stored(c.option), "0");
        EXPECT_EQ(page.Image(c.picture), PictureBitmap(c.bitmap));
    }
}

TEST_F(OptionsPage, HiddenAlertsReachTheRegistryWhenTheDialogCloses) {
    PageHost& page = Open();
    testsupport::BoxAnswerer watch([](HWND dialog) {
        Click(dialog, IDC_ALERT_SHOW_ALL);  // on by default: rows become choosable
        Click(dialog, IDC_ALERT_TASKS);
        Click(dialog, IDC_ALERT_TASKS_PREVENT);
        Press(dialog, IDOK);
    });
    page.Click(IDC_OPT_HIDE_ALERTS);
    watch.Stop();
    EXPECT_TRUE(watch.seen());
    EXPECT_EQ(Stored("ShowAlerts"), "0");
    EXPECT_EQ(Stored("HideTasks"), "2");
}

TEST_F(OptionsPage, AutomaticStartFollowsTheMachinesRunKey) {
    PageHost& page = Open();
    ASSERT_FALSE(page.Checked(IDC_OPT_AUTOSTART));
    page.Click(IDC_OPT_AUTOSTART);
    EXPECT_TRUE(page.Checked(IDC_OPT_AUTOSTART));
    EXPECT_TRUE(testsupport::RegValuePresent(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion\\Run",
                                             "Sentrivox"));
    page.Click(IDC_OPT_AUTOSTART);
    EXPECT_FALSE(page.Checked(IDC_OPT_AUTOSTART));
    EXPECT_FALSE(testsupport::RegValuePresent(HKEY_LOCAL_MACHINE,
                                              "Software\\Microsoft\\Windows\\CurrentVersion\\Run", "Sentrivox"));
}

}  // namespace
