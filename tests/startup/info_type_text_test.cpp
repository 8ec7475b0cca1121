#include <gtest/gtest.h>

#include <string>

#include "res/resource_ids.h"
#include "base/text_helpers.h"
#include "shell/load_text.h"
#include "shell/info_item.h"
#include "shell/info_type_text.h"

namespace {

InfoItem Item(int type, const char* company, const char* description = "") {
    InfoItem item;
    item.type = type;
    item.file = "C:\\WINDOWS\\SYSTEM32\\USERINIT.EXE";
    item.version.companyName = company;
    item.text = description;
    return item;
}

// Sets a finder for the test and takes it away again.
class ServiceFinderGuard {
public:
    explicit ServiceFinderGuard(ServiceDescriptionFinder finder) { SetServiceDescriptionFinder(std::move(finder)); }
    ~ServiceFinderGuard() { SetServiceDescriptionFinder(nullptr); }
};

}  // namespace

TEST(InfoDescriptionText, PlainItemsShowTheirDescriptionOrTheExplanation) {
    const std::string explanation = LoadTextString(IDS_INFO_EXPLANATION);
    EXPECT_EQ(InfoDescriptionText(Item(1, "Anyone", "Found in Run")), "Found in Run");
    EXPECT_EQ(InfoDescriptionText(Item(1, "Anyone")), explanation);
}

TEST(InfoDescriptionText, AdvancedLocationsPreferServiceThenMicrosoftWarning) {
    const std::string explanation = LoadTextString(IDS_INFO_EXPLANATION);
    const std::string warning = "The file C:\\WINDOWS\\SYSTEM32\\USERINIT.EXE appears to be a valid Microsoft system "
                                "file.  It was found in an undocumented system startup location and may be critical "
                                "to your system.\r\n\r\n";
    // The row's own description gives way to what the location means.
    EXPECT_EQ(InfoDescriptionText(Item(250, "Microsoft Corporation", "row text")), warning + explanation);
    EXPECT_EQ(InfoDescriptionText(Item(256, "Other Corp", "row text")), explanation);
    {
        ServiceFinderGuard finder([](std::string_view file, FixedText<1024>& out) {
            out = file == "C:\\WINDOWS\\SYSTEM32\\USERINIT.EXE" ? "Logs the user on." : "";
            return int(out.size());
        });
        EXPECT_EQ(InfoDescriptionText(Item(253, "Microsoft Corporation")), "Logs the user on.");
        EXPECT_EQ(InfoDescriptionText(Item(1, "Microsoft Corporation", "row text")), "row text");
    }
    EXPECT_EQ(InfoDescriptionText(Item(253, "Microsoft Corporation")), warning + explanation);
}

TEST(InfoTypeHooks, LaterTypesReplaceTheTextsOfTheirOwnRange) {
    InfoTypeHooks hooks;
    hooks.describe = [](const InfoItem& item, std::string& text) {
        text = "Task status\r\nTask comment";
        return true;
    };
    hooks.locationLine = [](const InfoItem& item, std::string& line) {
        line = "CLSID: " + std::string(item.text.view());
        return true;
    };
    SetInfoTypeHooks(800, 802, hooks);
    EXPECT_EQ(InfoDescriptionText(Item(801, "", "{ABC}")), "Task status\r\nTask comment");
    EXPECT_EQ(InfoLocationLine(Item(801, "", "{ABC}")), "CLSID: {ABC}");
    InfoItem outside = Item(803, "", "row text");
    outside.location = "Somewhere";
    EXPECT_EQ(InfoDescriptionText(outside), "row text");
    EXPECT_EQ(InfoLocationLine(outside), LoadTextString(IDS_STARTUP_LOCATION) + " Somewhere");
    SetInfoTypeHooks(800, 802, {});
    EXPECT_EQ(InfoDescriptionText(Item(801, "", "row text")), "row text");
}

TEST(FillFirstString, OverrideTextsCannotAskForMoreArguments) {
    EXPECT_EQ(FillFirstString("The file %s is here.", "A.EXE"), "The file A.EXE is here.");
    EXPECT_EQ(FillFirstString("%d %n %s %s %x", "A"), "%d %n A %s %x");
    EXPECT_EQ(FillFirstString("no mark", "A"), "no mark");
}
