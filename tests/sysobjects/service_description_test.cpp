#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "shell/info_type_text.h"
#include "sysobjects/service_description.h"
#include "sysobjects/service_hooks.h"
#include "service_test_support.h"

namespace {

using namespace servicetest;

TEST(ServiceDescription, FoundByTheServicesFileInAnyFormAndThroughTheDialogsHook) {
    ScratchFolder folder("C:\\service_description_test");
    const std::string program = folder / "Lantern Keeper.exe";
    ScratchService byImage({"DescImage", "", "\"" + program + "\" /service", SERVICE_WIN32_OWN_PROCESS,
                            SERVICE_DEMAND_START, "Keeps the lanterns."});
    ScratchService byDll({"DescDll", "", "%SystemRoot%\\System32\\svchost.exe -k SxTestGroup",
                          SERVICE_WIN32_SHARE_PROCESS, SERVICE_DEMAND_START, "Hosted lanterns."});
    ASSERT_TRUE(byImage.created() && byDll.created());
    ASSERT_TRUE(WriteServiceValue(byDll.KeyPath() + "\\Parameters", "ServiceDll", folder / "lanterns.dll"));

    const struct {
        std::string file;
        const char* description;
    } cases[] = {
        {program, "Keeps the lanterns."},
        {Upper(program), "Keeps the lanterns."},
        {"\"" + program + "\" -other", "Keeps the lanterns."},
        {folder / "LANTERNS.DLL", "Hosted lanterns."},
        {folder / "stranger.exe", ""},
        {"", ""},
    };
    FixedText<1024> description;
    for (const auto& c : cases) {
        description = "stale";
        EXPECT_EQ(FindServiceDescription(c.file, description), int(std::string_view(c.description).size())) << c.file;
        EXPECT_EQ(description.view(), c.description) << c.file;
    }

    RegisterServiceHooks();
    EXPECT_GT(FindServiceDescriptionOf(Upper(program), description), 0);
    EXPECT_EQ(description.view(), "Keeps the lanterns.");
}

}  // namespace
