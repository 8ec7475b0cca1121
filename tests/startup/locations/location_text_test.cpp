#include <gtest/gtest.h>

#include <string>

#include "res/resource_ids.h"
#include "shell/list_store.h"
#include "shell/load_text.h"
#include "startup/locations/location_text.h"
#include "startup/scan_fixture.h"

using namespace scantest;

namespace {

std::string TextFor(int type, const char* title = "sx-location-item") {
    ListRow row;
    row.title = title;
    row.typeCode = type;
    FixedText<kLocationTextSize> text;
    LocationText(row, text);
    return std::string(text.view());
}

std::string Text(int id) { return LoadTextString(id, 256); }

}  // namespace

TEST(LocationText, NamesEveryLocationType) {
    const std::string hklm = "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\";
    const std::string hkcu = "HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\";
    const std::string wow = "HKLM\\Software\\Wow6432Node\\Microsoft\\Windows\\CurrentVersion\\";
    struct Case {
        int type;
        std::string text;
    } cases[] = {
        {1, hklm + "Run"}, {2, hklm + "RunOnce"}, {3, hklm + "RunOnceEx"}, {4, hklm + "RunServices"},
        {5, hklm + "RunServicesOnce"}, {6, ""}, {7, ""},
        {11, hkcu + "Run"}, {12, hkcu + "RunOnce"}, {13, hkcu + "RunOnceEx"}, {14, hkcu + "RunServices"},
        {15, hkcu + "RunServicesOnce"}, {16, ""}, {17, ""},
        {21, wow + "Run"}, {22, wow + "RunOnce"}, {23, wow + "RunOnceEx"}, {24, wow + "RunServices"},
        {25, wow + "RunServicesOnce"}, {26, ""}, {27, ""},
        {100, "WIN.INI     [Load] Section"},
        {101, "WIN.INI     [Run] Section"},
        {200, "Windows Startup Group"},
        {250, "HKLM\\Software\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon Userinit"},
        {251, "HKLM\\Software\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon Shell"},
        {252, "HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\ShellServiceObjectDelayLoad"},
        {253, "HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\SharedTaskScheduler"},
        {254, "HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ShellExecuteHooks"},
        {255, "HKLM\\Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows  AppInit_DLLs"},
        {256, "HKLM\\Software\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon Notify"},
        {800, "Windows Task Scheduler"},
        {900, "Internet Explorer - Browser Helper Object"},
        {901, "Internet Explorer - Toolbar Add-On Extension"},
        {0, ""}, {8, ""}, {31, ""}, {257, ""}, {370, ""}, {1200, ""}, {-5, ""},
    };
    for (const Case& c : cases) EXPECT_EQ(TextFor(c.type), c.text) << c.type;
}

TEST(LocationText, MarksEntriesRecordedAsDisabledExceptOtherPagesItems) {
    RegistryGuard disabled(HKEY_LOCAL_MACHINE, "Software\\Orvik Studios\\Sentrivox\\Disabled");
    disabled.Set("sx-location-off", "1");
    const std::string mark = " * " + Text(IDS_DISABLED_MARK) + " * ";
    EXPECT_EQ(TextFor(1, "sx-location-off"), mark + "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Run");
    EXPECT_EQ(TextFor(1, "SX-LOCATION-OFF"), mark + "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Run");  // titles compare without case
    // Another location's entry that only shares the title is not the disabled one.
    EXPECT_EQ(TextFor(200, "sx-location-off"), "Windows Startup Group");
    EXPECT_EQ(TextFor(7, "sx-location-off"), "");
    EXPECT_EQ(TextFor(800, "sx-location-off"), Text(IDS_LOCATION_TASK_SCHEDULER));
    EXPECT_EQ(TextFor(900, "sx-location-off"), Text(IDS_LOCATION_BHO));
    EXPECT_EQ(TextFor(901, "sx-location-off"), Text(IDS_LOCATION_TOOLBAR));
    EXPECT_EQ(TextFor(1, "sx-location-on"), "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Run");
}

TEST(LocationText, CutsToTheCallersBuffer) {
    ListRow row;
    row.typeCode = 252;
    char small[10];
    EXPECT_EQ(LocationText(row, small, sizeof(small)), 9);
    EXPECT_STREQ(small, "HKLM\\SOFT");
}
