#include <gtest/gtest.h>

#include <string>

#include "res/resource_ids.h"
#include "shell/info_item.h"
#include "shell/info_item_fixture.h"
#include "shell/info_type_text.h"
#include "shell/load_text.h"

// The startup entries' texts reach the information dialog through the hooks
// that the program registers for their types (support/program_wiring.cpp).
using infotest::Item;

namespace {

// Sets a finder for the test and takes it away again.
class ServiceFinderGuard {
public:
    explicit ServiceFinderGuard(ServiceDescriptionFinder finder) { SetServiceDescriptionFinder(std::move(finder)); }
    ~ServiceFinderGuard() { SetServiceDescriptionFinder(nullptr); }
};

}  // namespace

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
