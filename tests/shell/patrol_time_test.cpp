#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <atomic>
#include <string>

#include "support/dialog_actions.h"
#include "support/page_host.h"
#include "shell/stored_options_fixture.h"
#include "res/options_ids.h"
#include "res/resource_ids.h"
#include "shell/frame_page.h"
#include "shell/load_text.h"
#include "shell/monitor_picture.h"
#include "shell/option_store.h"
#include "shell/options.h"
#include "shell/patrol_categories.h"
#include "shell/patrol_time.h"
#include "base/registry.h"
#include "support/box_answerer.h"

namespace {

using namespace dialog_actions;

class PatrolTime : public StoredOptionsTest {
protected:
    static int SliderPosition(HWND dialog) {
        return int(SendDlgItemMessageA(dialog, IDC_PATROL_SLIDER, TBM_GETPOS, 0, 0));
    }
    static void MoveSlider(HWND dialog, int position) {
        HWND slider = GetDlgItem(dialog, IDC_PATROL_SLIDER);
        SendMessageA(slider, TBM_SETPOS, TRUE, position);
        SendMessageA(dialog, WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, position), LPARAM(slider));
    }
};

TEST(MonitorPicture, ShowsRealtimeBeforeMinutes) {
    struct { long minutes; bool realtime; int bitmap; } cases[] = {
        {0, false, IDB_MONITOR_OFF}, {5, false, IDB_MONITOR_ON}, {0, true, IDB_MONITOR_REALTIME},
        {45, true, IDB_MONITOR_REALTIME}, {-3, false, IDB_MONITOR_OFF},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MonitorPictureBitmap(c.minutes, c.realtime), c.bitmap) << c.minutes << " " << c.realtime;
}

TEST_F(PatrolTime, OpensWithTheCategorysTitleMinutesAndRealtimeSwitch) {
    Given({{"Start", "7"}, {"RealtimeStartup", "1"}});
    testsupport::BoxAnswerer watch([](HWND dialog) {
        EXPECT_EQ(Caption(dialog), "Patrol Time for Startup Programs");
        EXPECT_EQ(Text(dialog, IDC_PATROL_MINUTES), "7");
        EXPECT_EQ(SliderPosition(dialog), 7);
        EXPECT_EQ(Text(dialog, IDCANCEL), "Close");
        EXPECT_EQ(Text(dialog, IDC_PATROL_REALTIME), "  Monitor in Real-time");
        EXPECT_TRUE(Checked(dialog, IDC_PATROL_REALTIME));
        Press(dialog, IDOK);
    });
    EXPECT_EQ(SetPatrolTime(nullptr, IDS_PATROL_STARTUP), 7);
    EXPECT_TRUE(watch.seen());
}

TEST_F(PatrolTime, ACategoryWithoutRealtimeWatchingHidesTheSwitch) {
    Given({{"Tasks", "12"}});
    testsupport::BoxAnswerer watch([](HWND dialog) {
        EXPECT_EQ(Caption(dialog), "Patrol Time for Tasks");
        EXPECT_FALSE(Visible(dialog, IDC_PATROL_REALTIME));
        Press(dialog, IDOK);
    });
    EXPECT_EQ(SetPatrolTime(nullptr, IDS_PATROL_TASKS), 12);
}

TEST_F(PatrolTime, OkAnswersTheTypedNumber) {
    struct { const char* typed; int minutes; int slider; } cases[] = {
        {"45", 45, 30},  // two digits are accepted beyond the slider's end
        {"9", 9, 9},
        {"ab", 0, 2},    // not a number: monitoring off; the slider stays
        {"", 0, 2},
        {"-5", 0, 0},    // never a negative time, which would read as "cancelled"
        {"-1", 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        Given({{"Start", "2"}});
        std::atomic<int> slider{-1};
        testsupport::BoxAnswerer watch([&](HWND dialog) {
            Type(dialog, IDC_PATROL_MINUTES, c.typed);
            slider = SliderPosition(dialog);
            Press(dialog, IDOK);
        });
        EXPECT_EQ(SetPatrolTime(nullptr, IDS_PATROL_STARTUP), c.minutes);
        watch.Stop();
        EXPECT_EQ(slider, c.slider);
    }
}

TEST_F(PatrolTime, TheEditTakesTwoCharacters) {
    testsupport::BoxAnswerer watch([](HWND dialog) {
        EXPECT_EQ(SendDlgItemMessageA(dialog, IDC_PATROL_MINUTES, EM_GETLIMITTEXT, 0, 0), 2);
        Press(dialog, IDCANCEL);
    });
    EXPECT_EQ(SetPatrolTime(nullptr, IDS_PATROL_STARTUP), kPatrolCancelled);
}

TEST_F(PatrolTime, MovingTheSliderWritesTheMinutesAndDisablesTheEditAtZero) {
    testsupport::BoxAnswerer watch([](HWND dialog) {
        MoveSlider(dialog, 12);
        EXPECT_EQ(Text(dialog, IDC_PATROL_MINUTES), "12");
        EXPECT_TRUE(Enabled(dialog, IDC_PATROL_MINUTES));
        MoveSlider(dialog, 0);
        EXPECT_EQ(Text(dialog, IDC_PATROL_MINUTES), "0");
        EXPECT_FALSE(Enabled(dialog, IDC_PATROL_MINUTES));
        MoveSlider(dialog, 30);
        EXPECT_TRUE(Enabled(dialog, IDC_PATROL_MINUTES));
        Press(dialog, IDOK);
    });
    EXPECT_EQ(SetPatrolTime(nullptr, IDS_PATROL_STARTUP), 30);
}

TEST_F(PatrolTime, CloseLeavesTheClickedRealtimeSwitchAsItWas) {
    Given({{"Start", "4"}, {"RealtimeStartup", "1"}});
    testsupport::BoxAnswerer watch([](HWND dialog) {
        Click(dialog, IDC_PATROL_REALTIME);
        EXPECT_FALSE(Checked(dialog, IDC_PATROL_REALTIME));
        EXPECT_EQ(OptionValue("RealtimeStartup"), 0) << "the click is kept at once";
        Type(dialog, IDC_PATROL_MINUTES, "20");
        Press(dialog, IDCANCEL);
    });
    EXPECT_EQ(SetPatrolTime(nullptr, IDS_PATROL_STARTUP), kPatrolCancelled);
    EXPECT_EQ(OptionValue("RealtimeStartup"), 1);
    EXPECT_EQ(OptionValue("Start"), 4);
    EXPECT_EQ(Stored("RealtimeStartup"), "1");
    EXPECT_EQ(Stored("Update"), "") << "nothing was written for the monitor";
}

TEST_F(PatrolTime, OkStoresTheRealtimeSwitch) {
    Given({{"RealtimeServices", "1"}});
    testsupport::BoxAnswerer watch([](HWND dialog) {
        Click(dialog, IDC_PATROL_REALTIME);
        Press(dialog, IDOK);
    });
    EXPECT_EQ(SetPatrolTime(nullptr, IDS_PATROL_SERVICES), 7);
    EXPECT_EQ(OptionValue("RealtimeServices"), 0);
    EXPECT_EQ(Stored("RealtimeServices"), "0");
    EXPECT_EQ(Stored("Update"), "1");
}

// The caller's part: the answer goes to the minutes option and the picture.
class PatrolPicture : public PatrolTime {
protected:
    PatrolPicture() : host_(IDD_PAGE_STARTUP, FramePageProc<6026>) {}
    HBITMAP Picture() const { return host_.Image(IDC_PICTURE_MONITOR); }
    PageHost host_;
};

TEST_F(PatrolPicture, TheStartupPageShowsItsStateWhenActivated) {
    struct { const char* minutes; const char* realtime; int bitmap; } cases[] = {
        {"0", "0", IDB_MONITOR_OFF}, {"5", "0", IDB_MONITOR_ON}, {"0", "1", IDB_MONITOR_REALTIME},
    };
    for (const auto& c : cases) {
        Given({{"Start", c.minutes}, {"RealtimeStartup", c.realtime}});
        host_.Activate();
        EXPECT_EQ(Picture(), PictureBitmap(c.bitmap)) << c.minutes << " " << c.realtime;
        host_.Deactivate();
    }
}

TEST_F(PatrolPicture, ZeroMinutesTurnsThePictureOffAndStoresZero) {
    Given({{"Start", "5"}, {"RealtimeStartup", "0"}});
    host_.Activate();
    ASSERT_EQ(Picture(), PictureBitmap(IDB_MONITOR_ON));
    testsupport::BoxAnswerer watch([](HWND dialog) {
        Type(dialog, IDC_PATROL_MINUTES, "0");
        Press(dialog, IDOK);
    });
    host_.ClickPicture(IDC_PICTURE_MONITOR);
    EXPECT_TRUE(watch.seen());
    EXPECT_EQ(Stored("Start"), "0");
    EXPECT_EQ(Picture(), PictureBitmap(IDB_MONITOR_OFF));
}

TEST_F(PatrolPicture, CloseChangesNeitherOptionNorPicture) {
    Given({{"Start", "5"}, {"RealtimeStartup", "0"}});
    host_.Activate();
    testsupport::BoxAnswerer watch([](HWND dialog) {
        Click(dialog, IDC_PATROL_REALTIME);
        Type(dialog, IDC_PATROL_MINUTES, "0");
        Press(dialog, IDCANCEL);
    });
    host_.ClickPicture(IDC_PICTURE_MONITOR);
    EXPECT_EQ(Stored("Start"), "5");
    EXPECT_EQ(OptionValue("RealtimeStartup"), 0);
    EXPECT_EQ(Picture(), PictureBitmap(IDB_MONITOR_ON));
}

TEST_F(PatrolPicture, TheRealtimeSwitchShowsOnThePictureAfterOk) {
    Given({{"Start", "0"}, {"RealtimeStartup", "0"}});
    host_.Activate();
    testsupport::BoxAnswerer watch([](HWND dialog) {
        Click(dialog, IDC_PATROL_REALTIME);
        Press(dialog, IDOK);
    });
    host_.ClickPicture(IDC_PICTURE_MONITOR);
    EXPECT_EQ(Stored("RealtimeStartup"), "1");
    EXPECT_EQ(Picture(), PictureBitmap(IDB_MONITOR_REALTIME));
}

// Every page with a Monitor picture opens its own category.
TEST_F(PatrolTime, EachPageOpensItsCategory) {
    struct { int pageId; int titleId; const char* option; } cases[] = {
        {6026, IDS_PATROL_STARTUP, "Start"},     {6040, IDS_PATROL_IEHELPERS, "IEHelpers"},
        {6039, IDS_PATROL_TASKS, "Tasks"},       {6042, IDS_PATROL_FILETYPES, "FileType"},
        {6028, IDS_PATROL_COOKIE_FILTER, "Nuts"}, {6052, IDS_PATROL_HIDDEN, "Hidden"},
        {6038, IDS_PATROL_SERVICES, "Services"}, {6056, IDS_PATROL_ACTIVEX, "ActiveX"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.option);
        std::string title = LoadTextString(c.titleId);
        std::atomic<bool> titled{false};
        testsupport::BoxAnswerer watch([&](HWND dialog) {
            titled = Caption(dialog) == title;
            Type(dialog, IDC_PATROL_MINUTES, "17");
            Press(dialog, IDOK);
        });
        OpenPatrolTimeDialog(nullptr, c.pageId);
        watch.Stop();
        EXPECT_TRUE(titled);
        EXPECT_EQ(Stored(c.option), "17");
    }
}

TEST_F(PatrolTime, APageWithoutACategoryOpensNothing) {
    testsupport::BoxAnswerer watch([](HWND dialog) { Press(dialog, IDCANCEL); }, 500);
    OpenPatrolTimeDialog(nullptr, 6029);
    watch.Stop();
    EXPECT_FALSE(watch.seen());
    EXPECT_EQ(SetPatrolTime(nullptr, 787), kPatrolCancelled) << "a title that names no category";
}

}  // namespace
