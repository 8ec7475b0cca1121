#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>

#include "shell/list_test_support.h"
#include "shell/page_layout.h"

namespace {

LayoutInput SampleInput(int buttons, bool oneTabRow) {
    LayoutInput in;
    in.width = 800;
    in.height = 600;
    in.listUnits = {10, 70, 20, 140};
    in.buttonUnits = {10, 40, 20, 56};
    in.oneTabRow = oneTabRow;
    in.help = {32, 20};
    in.helpLabel = {40, 12};
    in.monitor = {30, 22};
    in.monitorLabel = {50, 12};
    in.button = {90, 24};
    in.buttonCount = buttons;
    return in;
}

TEST(PageLayout, PicturesListAndButtons) {
    LayoutResult at = ComputePageLayout(SampleInput(4, false));
    EXPECT_EQ(at.help.x, 800 - 96);
    EXPECT_EQ(at.help.y, 3);
    EXPECT_EQ(at.helpLabel.x, 800 - 70);
    EXPECT_EQ(at.helpLabel.y, 25);
    EXPECT_EQ(at.monitor.x, 800 - 90);
    EXPECT_EQ(at.monitor.y, 38);
    EXPECT_EQ(at.monitorLabel.x, 800 - 75);
    EXPECT_EQ(at.monitorLabel.y, 60);

    // List: (7 du, 44 du + 5), W - 1.5 x 14 du - 20 wide, H - 1.5 x 90 du - 32 high.
    EXPECT_EQ(at.list.left, 10);
    EXPECT_EQ(at.list.top, 75);
    EXPECT_EQ(at.list.right, 800 - 30 - 20);
    EXPECT_EQ(at.list.bottom, 600 - 210 - 32);

    // Four buttons spread over the list's width; the last one 25 pixels in and narrower.
    EXPECT_EQ(at.buttonY, 600 - 154 - 6);
    const int gap = (750 - 4 * 90) / 3;
    EXPECT_EQ(at.buttonX[0], 10);
    EXPECT_EQ(at.buttonX[1], 10 + 90 + gap);
    EXPECT_EQ(at.buttonX[2], 10 + 2 * (90 + gap));
    EXPECT_EQ(at.buttonX[3], 10 + 3 * (90 + gap) + 25);
    EXPECT_EQ(at.lastButtonWidth, 65);
}

TEST(PageLayout, OneTabRowGivesTheListAndButtonsMoreRoom) {
    LayoutResult many = ComputePageLayout(SampleInput(1, false));
    LayoutResult one = ComputePageLayout(SampleInput(1, true));
    EXPECT_EQ(one.list.bottom, many.list.bottom + 5);
    EXPECT_EQ(one.buttonY, many.buttonY + 12 + 6);
    // A single button is centred and keeps its width.
    EXPECT_EQ(one.buttonX[0], 400 - 45);
    EXPECT_EQ(one.lastButtonWidth, 0);
}

// Whatever the buttons' width, the last one ends with the list and the gaps
// differ by at most a pixel: the division's remainder is spread, not dropped.
TEST(PageLayout, LastButtonEndsWithTheListForAnyButtonWidth) {
    struct Case {
        const char* name;
        int buttons, buttonWidth;
    } cases[] = {
        {"divides evenly", 4, 90}, {"remainder 1", 5, 91}, {"remainder 2", 5, 88},
        {"remainder 3", 5, 89},    {"two buttons", 2, 77}, {"wider than the list", 5, 200},
    };
    for (const Case& c : cases) {
        LayoutInput in = SampleInput(c.buttons, false);
        in.button.cx = c.buttonWidth;
        LayoutResult at = ComputePageLayout(in);
        const int last = c.buttons - 1;
        EXPECT_EQ(at.buttonX[last] + at.lastButtonWidth, at.list.left + at.list.right) << c.name;
        EXPECT_EQ(at.buttonX[0], at.list.left) << c.name;
        int smallest = 1 << 30, largest = -(1 << 30);
        for (int i = 1; i < c.buttons; ++i) {
            int right = at.buttonX[i - 1] + c.buttonWidth;
            int next = at.buttonX[i] - (i == last ? 25 : 0);
            smallest = std::min(smallest, next - right);
            largest = std::max(largest, next - right);
        }
        EXPECT_LE(largest - smallest, 1) << c.name;
    }
}

TEST(PageLayout, TinySheetGivesNoNegativeSizes) {
    LayoutInput in = SampleInput(5, false);
    in.width = 20;
    in.height = 30;
    LayoutResult at = ComputePageLayout(in);
    EXPECT_EQ(at.list.right, 0);
    EXPECT_EQ(at.list.bottom, 0);
    LayoutResult cookie = ComputeCookieListLayout(in);
    EXPECT_GE(cookie.list.right, 0);
    EXPECT_GE(cookie.list.bottom, 0);
}

TEST(PageLayout, CookieListVariant) {
    LayoutResult at = ComputeCookieListLayout(SampleInput(3, true));
    EXPECT_EQ(at.help.x, 800 - 64);
    EXPECT_EQ(at.helpLabel.x, 800 - 50);
    EXPECT_EQ(at.monitor.x, 800 - 60);
    EXPECT_EQ(at.monitorLabel.x, 800 - 62);
    EXPECT_EQ(at.list.left, 10);
    EXPECT_EQ(at.list.top, 88);
    EXPECT_EQ(at.list.right, 770);
    EXPECT_EQ(at.list.bottom, 600 - 210 + 20);
    EXPECT_EQ(at.buttonY, 600 + (10 - 56) * 2);
}

// A page with its controls inside a parent window standing in for the sheet.
TEST(PageLayout, MovesThePageControls) {
    HWND sheet = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 700, 500, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(sheet, nullptr);
    {
        listtest::TestDialog page(400, 260,
                                  {{"SysListView32", 1000, 7, 30, 200, 100, LVS_REPORT},
                                   {"Static", 1077, 300, 2, 20, 14, SS_LEFT},
                                   {"Static", 1134, 300, 18, 24, 8, SS_LEFT},
                                   {"Button", 1008, 10, 200, 50, 14, BS_PUSHBUTTON},
                                   {"Button", 11, 70, 200, 50, 14, BS_PUSHBUTTON},
                                   {"Button", 10, 70, 200, 50, 14, BS_PUSHBUTTON},
                                   {"Button", 1004, 130, 200, 50, 14, BS_PUSHBUTTON}},
                                  sheet, WS_CHILD | DS_SETFONT);
        ASSERT_NE(page.window(), nullptr);
        PageLayout layout = MakePageLayout(page.window(), {{1008, 0}, {11, 10}, {1004, 0}});
        EXPECT_EQ(layout.buttonCount, 3);
        EXPECT_EQ(layout.monitorPicture, nullptr);

        auto rectOf = [&](int id) {
            RECT r;
            GetWindowRect(page.item(id), &r);
            MapWindowPoints(nullptr, page.window(), reinterpret_cast<POINT*>(&r), 2);
            return r;
        };
        const int firstWidth = rectOf(1008).right - rectOf(1008).left;
        for (int pass = 0; pass < 2; ++pass) {
            LayoutPage(layout);
            LayoutInput in;
            in.width = 700;
            in.height = 500;
            in.listUnits = {7, 44, 14, 90};
            in.buttonUnits = {7, 25, 14, 35};
            MapDialogRect(page.window(), &in.listUnits);
            MapDialogRect(page.window(), &in.buttonUnits);
            in.oneTabRow = true;
            in.button = {firstWidth, rectOf(1008).bottom - rectOf(1008).top};
            in.buttonCount = 3;
            LayoutResult want = ComputePageLayout(in);

            RECT list = rectOf(1000);
            EXPECT_EQ(list.left, want.list.left);
            EXPECT_EQ(list.top, want.list.top);
            EXPECT_EQ(list.right - list.left, want.list.right);
            EXPECT_EQ(list.bottom - list.top, want.list.bottom);
            EXPECT_EQ(rectOf(11).left, want.buttonX[1]);
            EXPECT_EQ(rectOf(10).left, want.buttonX[1]) << "the alternative shares its slot";
            EXPECT_EQ(rectOf(1004).left, want.buttonX[2]);
            EXPECT_EQ(rectOf(1004).right - rectOf(1004).left, firstWidth - 25) << "pass " << pass;
            EXPECT_EQ(rectOf(1008).top, want.buttonY);
        }
    }
    DestroyWindow(sheet);
}

}  // namespace
