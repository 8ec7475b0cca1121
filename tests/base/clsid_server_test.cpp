#include <gtest/gtest.h>

#include <string>

#include "base/clsid_server.h"
#include "startup/scan_fixture.h"

using namespace scantest;

TEST(ClsidServerPath, ReadsTheInprocServerOfTheClass) {
    const std::string id = "{5A3B1C2D-0000-4000-8000-00000000C1D0}";
    const std::string expandId = "{5A3B1C2D-0000-4000-8000-00000000C1D1}";
    RegistryGuard server(HKEY_CLASSES_ROOT, "CLSID\\" + id + "\\InprocServer32");
    RegistryGuard expanded(HKEY_CLASSES_ROOT, "CLSID\\" + expandId + "\\InprocServer32");
    server.Set("", "C:\\sx\\object.dll");
    expanded.Set("", "%SystemRoot%\\sx-object.dll", REG_EXPAND_SZ);

    FixedText<MAX_PATH> dll;
    EXPECT_TRUE(ClsidServerPath(id, dll));
    EXPECT_EQ(dll.view(), "C:\\sx\\object.dll");
    char windows[MAX_PATH];
    GetWindowsDirectoryA(windows, MAX_PATH);
    EXPECT_TRUE(ClsidServerPath(expandId, dll));
    EXPECT_TRUE(SamePath(dll.view(), std::string(windows) + "\\sx-object.dll")) << dll.c_str();

    const std::string refused[] = {
        "{5A3B1C2D-0000-4000-8000-00000000FFFF}",  // no such class
        "",
        id + "\\InprocServer32\\..",                // more than one key name
        "\\" + id,
        std::string(300, 'a'),
    };
    for (const std::string& clsid : refused) {
        dll = "stale";
        EXPECT_FALSE(ClsidServerPath(clsid, dll)) << clsid;
        EXPECT_TRUE(dll.empty()) << clsid;
    }
}
