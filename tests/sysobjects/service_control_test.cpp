#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "res/resource_ids.h"
#include "shell/list_store.h"
#include "shell/load_text.h"
#include "sysobjects/service_control.h"
#include "sysobjects/service_rows.h"
#include "sysobjects/service_scanner.h"
#include "service_test_support.h"

namespace {

using namespace servicetest;

std::string Str(int id) { return LoadTextString(id); }

const char* kMissingKey = "SxTestNoSuchService";

// The Start value of the service's key, which the scan reads; -1 when missing.
long RegistryStart(const ScratchService& service) {
    DWORD value = 0, size = sizeof(value), type = 0;
    if (RegGetValueA(HKEY_LOCAL_MACHINE, service.KeyPath().c_str(), "Start", RRF_RT_REG_DWORD, &type, &value,
                     &size) != ERROR_SUCCESS)
        return -1;
    return long(value);
}

TEST(ServiceControl, StartTypeIsChangedThroughTheServiceManager) {
    ScratchService service({"StartType", "", "", SERVICE_WIN32_OWN_PROCESS, SERVICE_DEMAND_START, ""});
    ASSERT_TRUE(service.created());
    for (DWORD start : {DWORD(SERVICE_DISABLED), DWORD(SERVICE_AUTO_START), DWORD(SERVICE_DEMAND_START)}) {
        EXPECT_TRUE(SetServiceStartType(service.keyName(), start)) << start;
        EXPECT_EQ(service.StartType(), long(start));
        EXPECT_EQ(QueryServiceStartType(service.keyName()), long(start));
        EXPECT_EQ(RegistryStart(service), long(start)) << "the manager keeps the registry in step";
    }
    // Boot and system start are for drivers; other values are no start type.
    for (DWORD start : {DWORD(SERVICE_BOOT_START), DWORD(SERVICE_SYSTEM_START), DWORD(5), DWORD(0xFFFFFFFF)}) {
        EXPECT_FALSE(SetServiceStartType(service.keyName(), start)) << start;
        EXPECT_EQ(service.StartType(), long(SERVICE_DEMAND_START)) << start;
    }
    const std::string tooLong(300, 'k');
    for (std::string_view keyName : {std::string_view(kMissingKey), std::string_view(), std::string_view(tooLong)}) {
        EXPECT_FALSE(SetServiceStartType(keyName, SERVICE_DISABLED)) << keyName;
        EXPECT_EQ(QueryServiceStartType(keyName), -1) << keyName;
    }
}

TEST(ServiceControl, StopIsOfferedByTheServiceAndStopsIt) {
    ScratchService stoppable({"Stoppable", "", "", SERVICE_WIN32_OWN_PROCESS, SERVICE_DEMAND_START, ""});
    ScratchService stubborn({"Stubborn", "", "\"" + IdleServicePath() + "\" --no-stop", SERVICE_WIN32_OWN_PROCESS,
                             SERVICE_DEMAND_START, ""});
    ASSERT_TRUE(stoppable.created() && stubborn.created());

    EXPECT_EQ(GetServiceControlsAccepted(stoppable.keyName()), 0u) << "a stopped service accepts nothing";
    EXPECT_FALSE(StopService(stoppable.keyName()));
    ASSERT_TRUE(stoppable.Start());
    ASSERT_TRUE(stubborn.Start());
    EXPECT_EQ(GetServiceControlsAccepted(stoppable.keyName()) & SERVICE_ACCEPT_STOP, DWORD(SERVICE_ACCEPT_STOP));
    EXPECT_EQ(GetServiceControlsAccepted(stubborn.keyName()) & SERVICE_ACCEPT_STOP, 0u);
    EXPECT_EQ(GetServiceControlsAccepted(kMissingKey), 0u);

    EXPECT_FALSE(StopService(stubborn.keyName()));
    EXPECT_EQ(stubborn.State(), DWORD(SERVICE_RUNNING));
    EXPECT_TRUE(StopService(stoppable.keyName()));
    EXPECT_TRUE(stoppable.WaitForState(SERVICE_STOPPED, 5000));
    EXPECT_FALSE(StopService(kMissingKey));
}

TEST(ServiceControl, StatusTextFollowsTheState) {
    ScratchService service({"Status", "", "", SERVICE_WIN32_OWN_PROCESS, SERVICE_DEMAND_START, ""});
    ASSERT_TRUE(service.created());
    ServiceStatusText text;
    DWORD word = GetServiceStatusText(service.keyName(), text);
    EXPECT_EQ(word >> 16, DWORD(SERVICE_STOPPED));
    EXPECT_EQ(text.view(), Str(IDS_STATE_STOPPED));

    ASSERT_TRUE(service.Start());
    word = GetServiceStatusText(service.keyName(), text);
    EXPECT_EQ(word >> 16, DWORD(SERVICE_RUNNING));
    EXPECT_EQ(word & 0xFFFF, DWORD(SERVICE_WIN32_OWN_PROCESS));
    EXPECT_EQ(text.view(), Str(IDS_STATE_RUNNING));

    text = "untouched";
    EXPECT_EQ(GetServiceStatusText(kMissingKey, text), 0u);
    EXPECT_EQ(text.view(), Str(IDS_STATE_STOPPED)) << "an unknown service reads as stopped";
    EXPECT_EQ(QueryServiceStatusWord(kMissingKey), 0u);
}

// The title is the display name cut to 127 characters: it names no service,
// so every operation goes by the row's key name.
TEST(ServiceControl, ServiceWithADisplayNameLongerThanATitleIsHandledByItsKeyName) {
    const std::string displayName = "Lanternway " + std::string(189, 'L');  // 200 characters
    ScratchService service({"LongName", displayName, "", SERVICE_WIN32_OWN_PROCESS, SERVICE_DEMAND_START, ""});
    ASSERT_TRUE(service.created());
    ASSERT_TRUE(service.Start());

    ScanServices();
    const int row = RowOfService(service.keyName());
    ASSERT_GE(row, 0);
    EXPECT_EQ(ListStoreRow(row)->title.view(), displayName.substr(0, 127));
    ServiceTitle title;
    ASSERT_TRUE(GetServiceDisplayName(service.keyName(), title));
    EXPECT_EQ(title.view(), displayName.substr(0, 127));
    ServiceKeyName keyName;
    EXPECT_TRUE(GetServiceKeyName(displayName, keyName));
    EXPECT_EQ(keyName.view(), service.keyName());
    EXPECT_FALSE(GetServiceKeyName(displayName.substr(0, 127), keyName)) << "a cut title names no service";

    ASSERT_TRUE(ServiceKeyNameOfRow(row, keyName));
    EXPECT_TRUE(SetServiceStartType(keyName.view(), SERVICE_DISABLED));
    EXPECT_EQ(service.StartType(), long(SERVICE_DISABLED));
    EXPECT_TRUE(StopService(keyName.view()));
    EXPECT_TRUE(service.WaitForState(SERVICE_STOPPED, 5000));
    ListStoreClear();
}

}  // namespace
