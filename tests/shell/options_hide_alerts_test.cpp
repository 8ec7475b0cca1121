#include <gtest/gtest.h>
#include <windows.h>

#include "support/dialog_actions.h"
#include "res/options_ids.h"
#include "shell/hide_alerts.h"
#include "shell/option_store.h"
#include "shell/options.h"
#include "base/registry.h"
#include "support/box_answerer.h"
#include "shell/stored_options_fixture.h"

namespace {

using namespace dialog_actions;

struct Row {
    int box, allow, prevent;
    const char* option;
};

constexpr Row kStartup{IDC_ALERT_STARTUP, IDC_ALERT_STARTUP_ALLOW, IDC_ALERT_STARTUP_PREVENT, "HideStartup"};
constexpr Row kIEHelper{IDC_ALERT_IEHELPER, IDC_ALERT_IEHELPER_ALLOW, IDC_ALERT_IEHELPER_PREVENT, "HideIEHelper"};
constexpr Row kFileType{IDC_ALERT_FILETYPE, IDC_ALERT_FILETYPE_ALLOW, IDC_ALERT_FILETYPE_PREVENT, "HideFileType"};
constexpr Row kHome{IDC_ALERT_HOME, IDC_ALERT_HOME_ALLOW, IDC_ALERT_HOME_PREVENT, "HideHomePage"};

// What a row shows: its box and radios, checked and enabled.
struct Shown {
    bool checked, allow, prevent, boxEnabled, radiosEnabled;
};

class HideAlerts : public StoredOptionsTest {
protected:
    // Runs the dialog while act works on it from a second thread, then closes it.
    template <class Act>
    static void WithDialog(Act act) {
        testsupport::BoxAnswerer watch([&](HWND dialog) {
            act(dialog);
            Press(dialog, IDOK);
        });
        ShowHideAlertsDialog(nullptr);
        watch.Stop();
        EXPECT_TRUE(watch.seen());
    }
    static Shown RowOf(HWND dialog, const Row& row) {
        return {Checked(dialog, row.box), Checked(dialog, row.allow), Checked(dialog, row.prevent),
                Enabled(dialog, row.box), Enabled(dialog, row.allow) && Enabled(dialog, row.prevent)};
    }
    static void ExpectRow(HWND dialog, const Row& row, Shown expected) {
        Shown shown = RowOf(dialog, row);
        EXPECT_EQ(shown.checked, expected.checked) << row.option;
        EXPECT_EQ(shown.allow, expected.allow) << row.option;
        EXPECT_EQ(shown.prevent, expected.prevent) << row.option;
        EXPECT_EQ(shown.boxEnabled, expected.boxEnabled) << row.option;
        EXPECT_EQ(shown.radiosEnabled, expected.radiosEnabled) << row.option;
    }
};

constexpr Shown kShowing{false, false, false, true, false};
constexpr Shown kAllowing{true, true, false, true, true};
constexpr Shown kPreventing{true, false, true, true, true};

TEST_F(HideAlerts, RowsShowTheirThreeStates) {
    Given({{"ShowAlerts", "0"}, {"HideStartup", "0"}, {"HideIEHelper", "1"}, {"HideFileType", "2"},
           {"HideHomePage", "7"}, {"HideRunOnce", "1"}});
    WithDialog([](HWND dialog) {
        EXPECT_EQ(Text(dialog, IDC_ALERT_FILETYPE), "FileType");
        EXPECT_EQ(Text(dialog, IDC_ALERT_SHOW_ALL), " Show All Alerts");
        ExpectRow(dialog, kStartup, kShowing);
        ExpectRow(dialog, kIEHelper, kAllowing);
        ExpectRow(dialog, kFileType, kPreventing);
        ExpectRow(dialog, kHome, kShowing);  // a value outside the three states
        EXPECT_TRUE(Checked(dialog, IDC_ALERT_RUNONCE));
        EXPECT_FALSE(Checked(dialog, IDC_ALERT_SHOW_ALL));
    });
    EXPECT_EQ(OptionValue("HideHomePage"), 7) << "kept until the user chooses";
}

TEST_F(HideAlerts, ShowingAllAlertsDisablesEveryRow) {
    Given({{"HideIEHelper", "2"}});  // ShowAlerts is on by default
    WithDialog([](HWND dialog) {
        EXPECT_TRUE(Checked(dialog, IDC_ALERT_SHOW_ALL));
        for (const Row& row : {kStartup, kIEHelper, kFileType, kHome}) {
            SCOPED_TRACE(row.option);
            EXPECT_FALSE(Enabled(dialog, row.box));
            EXPECT_FALSE(Enabled(dialog, row.allow));
            EXPECT_FALSE(Enabled(dialog, row.prevent));
        }
        EXPECT_TRUE(Checked(dialog, kIEHelper.prevent)) << "the row still shows its choice";
        Click(dialog, IDC_ALERT_SHOW_ALL);
        ExpectRow(dialog, kIEHelper, kPreventing);
    });
    EXPECT_EQ(OptionValue("ShowAlerts"), 0);
}

TEST_F(HideAlerts, ClicksChangeTheRowsOption) {
    Given({{"ShowAlerts", "0"}});
    WithDialog([](HWND dialog) {
        Click(dialog, kStartup.box);
        EXPECT_EQ(OptionValue("HideStartup"), 1);
        ExpectRow(dialog, kStartup, kAllowing);
        Click(dialog, kStartup.prevent);
        EXPECT_EQ(OptionValue("HideStartup"), 2);
        ExpectRow(dialog, kStartup, kPreventing);
        Click(dialog, kStartup.allow);
        EXPECT_EQ(OptionValue("HideStartup"), 1);
        Click(dialog, kStartup.prevent);
        Click(dialog, kStartup.box);
        EXPECT_EQ(OptionValue("HideStartup"), 0);
        ExpectRow(dialog, kStartup, kShowing);
        Click(dialog, IDC_ALERT_RUNONCE);
    });
    EXPECT_EQ(OptionValue("HideRunOnce"), 1);
    FixedText<8> stored;
    RegReadString(kOptionsKey, "HideStartup", HKEY_CURRENT_USER, stored);
    EXPECT_STREQ(stored.c_str(), "") << "the caller writes the options back";
}

}  // namespace
