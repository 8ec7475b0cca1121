#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "res/resource_ids.h"
#include "shell/category_scanners.h"
#include "shell/list_store.h"
#include "shell/load_text.h"
#include "base/command_line.h"
#include "base/version_info.h"
#include "sysobjects/service_cells.h"
#include "sysobjects/service_control.h"
#include "sysobjects/service_rows.h"
#include "sysobjects/service_scanner.h"
#include "service_test_support.h"

namespace {

using namespace servicetest;

std::string Str(int id) { return LoadTextString(id); }

std::string SystemFile(const char* name) { return SystemFolderPath() + "\\" + name; }

std::string Resolved(const std::string& path) {
    FixedText<MAX_PATH> file;
    ExtractProgramFile(path, file);
    return std::string(file.view());
}

// The scan runs with the Microsoft filter as each test sets it.
class ServiceScan : public ::testing::Test {
protected:
    void SetUp() override {
        hideMicrosoft_.Remove();
        ListStoreClear();
    }
    void TearDown() override { ListStoreClear(); }

    // The row of a service after a fresh scan; nullptr when it is not listed.
    const ListRow* ScanFor(const std::string& keyName) {
        ScanServices();
        return ListStoreRow(RowOfService(keyName));
    }

    testsupport::RegistryGuard hideMicrosoft_{HKEY_CURRENT_USER, kOptionsKey, "HideMicrosoftServices"};
    ScratchFolder folder_{"C:\\service_scan_test"};
};

TEST_F(ServiceScan, RunningServiceIsListedWithItsFactsAndStatus) {
    ScratchService service({"Listed", "Lanternway Idle Service", "", SERVICE_WIN32_OWN_PROCESS, SERVICE_DEMAND_START,
                            "Keeps the lanterns lit."});
    ASSERT_TRUE(service.created());
    ASSERT_TRUE(service.Start());

    const int count = ScanServices();
    EXPECT_EQ(count, ListStoreCount());
    const int index = RowOfService(service.keyName());
    const ListRow* row = ListStoreRow(index);
    ASSERT_NE(row, nullptr) << "the created service is not listed";
    EXPECT_EQ(row->title.view(), "Lanternway Idle Service");
    EXPECT_TRUE(SamePath(std::string(row->path.view()), IdleServicePath())) << row->path.view();
    EXPECT_EQ(row->detail.view(), Str(IDS_START_MANUAL));
    EXPECT_EQ(row->description.view(), "Keeps the lanterns lit.");
    EXPECT_EQ(row->typeCode, kServiceExeType);
    EXPECT_EQ(row->flag, 0);
    EXPECT_EQ(ServiceCommandText(*row).view(), "idle_service.exe");

    VersionInfo version;
    ReadVersionInfo(Resolved(std::string(row->path.view())), version);
    EXPECT_EQ(version.companyName.view(), "Lanternway Services");
    EXPECT_EQ(ServiceStatusCellText(index).view(), Str(IDS_STATE_RUNNING));
    const DWORD word = QueryServiceStatusWord(service.keyName());
    EXPECT_EQ(word >> 16, DWORD(SERVICE_RUNNING));
    EXPECT_EQ(word & 0xFFFF, DWORD(SERVICE_WIN32_OWN_PROCESS));
}

TEST_F(ServiceScan, StartTypeTextFollowsTheStartValue) {
    const struct {
        DWORD start;
        int text;
    } cases[] = {{SERVICE_AUTO_START, IDS_START_AUTOMATIC},
                 {SERVICE_DEMAND_START, IDS_START_MANUAL},
                 {SERVICE_DISABLED, IDS_START_DISABLED}};
    for (const auto& c : cases) {
        ScratchService service({"Start", "", "", SERVICE_WIN32_OWN_PROCESS, c.start, ""});
        ASSERT_TRUE(service.created());
        const ListRow* row = ScanFor(service.keyName());
        ASSERT_NE(row, nullptr) << c.start;
        EXPECT_EQ(row->detail.view(), Str(c.text)) << c.start;
        EXPECT_EQ(ServiceStatusCellText(RowOfService(service.keyName())).view(), Str(IDS_STATE_STOPPED));
    }
}

// Keys the service control manager does not know: the registry's values are
// all there is, however odd they are.
TEST_F(ServiceScan, RegistryValuesAreReadWithBoundsAndOddValuesReadEmpty) {
    const std::string longName(5000, 'N');
    const std::string longDescription(5000, 'd');
    const struct {
        const char* name;
        const char* displayName;  // nullptr: no value
        DWORD start;              // written as a DWORD unless startAsText
        bool startAsText;
        std::string description;
        std::string title, detail;
    } cases[] = {
        {"display name value", "Registry Title", SERVICE_SYSTEM_START, false, "short", "Registry Title", ""},
        {"no display name", nullptr, SERVICE_BOOT_START, false, "", "keyonly", ""},
        {"display name longer than any title", longName.c_str(), SERVICE_AUTO_START, false, longDescription,
         longName.substr(0, 127), Str(IDS_START_AUTOMATIC)},
        {"start value stored as text", "Text Start", SERVICE_AUTO_START, true, "", "Text Start", ""},
        {"start value out of range", "Odd Start", 9, false, "", "Odd Start", ""},
    };
    for (const auto& c : cases) {
        ScratchServiceKey key("Key");
        ASSERT_TRUE(key.created());
        key.SetText("ImagePath", "%SystemDrive%\\service_scan_test\\keyonly.exe", REG_EXPAND_SZ);
        if (c.displayName) key.SetText("DisplayName", c.displayName);
        if (c.startAsText) key.SetText("Start", std::to_string(c.start));
        else key.SetNumber("Start", c.start);
        if (!c.description.empty()) key.SetText("Description", c.description);

        const ListRow* row = ScanFor(key.keyName());
        ASSERT_NE(row, nullptr) << c.name;
        EXPECT_EQ(row->title.view(), c.title) << c.name;
        EXPECT_EQ(row->detail.view(), c.detail) << c.name;
        EXPECT_EQ(row->description.view(), c.description.substr(0, 1023)) << c.name;
        EXPECT_TRUE(SamePath(std::string(row->path.view()), "C:\\service_scan_test\\keyonly.exe"))
            << c.name << ": " << row->path.view();
    }
}

TEST_F(ServiceScan, ServicesThatRunNoProgramAreNotListed) {
    ScratchService driverService({"Driver", "", "system32\\drivers\\sxtest.sys", SERVICE_KERNEL_DRIVER,
                                  SERVICE_DEMAND_START, ""});
    ASSERT_TRUE(driverService.created());
    ScratchServiceKey noImage("NoImage");
    noImage.SetText("DisplayName", "No Image Path");
    ScratchServiceKey emptyImage("EmptyImage");
    emptyImage.SetText("ImagePath", "");
    ScratchServiceKey dword("DwordImage");
    dword.SetNumber("ImagePath", 1);

    ScanServices();
    for (const std::string& keyName : {driverService.keyName(), noImage.keyName(), emptyImage.keyName(), dword.keyName()})
        EXPECT_EQ(RowOfService(keyName), -1) << keyName;
}

TEST_F(ServiceScan, SvchostServiceListsItsServiceDllWhenItHasOne) {
    const std::string host = "%SystemRoot%\\System32\\svchost.exe -k SxTestGroup";
    ScratchService withDll({"HostDll", "Hosted With Dll", host, SERVICE_WIN32_SHARE_PROCESS, SERVICE_DEMAND_START, ""});
    ScratchService withoutDll({"HostNoDll", "Hosted Without Dll", host, SERVICE_WIN32_SHARE_PROCESS,
                               SERVICE_DEMAND_START, ""});
    ScratchService emptyDll({"HostEmptyDll", "Hosted Empty Dll", host, SERVICE_WIN32_SHARE_PROCESS,
                             SERVICE_DEMAND_START, ""});
    ASSERT_TRUE(withDll.created() && withoutDll.created() && emptyDll.created());
    ASSERT_TRUE(WriteServiceValue(withDll.KeyPath() + "\\Parameters", "ServiceDll",
                                  "%SystemRoot%\\System32\\sxhosted.dll", REG_EXPAND_SZ));
    ASSERT_TRUE(WriteServiceValue(emptyDll.KeyPath() + "\\Parameters", "ServiceDll", ""));

    ScanServices();
    const ListRow* dll = ListStoreRow(RowOfService(withDll.keyName()));
    ASSERT_NE(dll, nullptr);
    EXPECT_EQ(dll->typeCode, kServiceSvchostType);
    EXPECT_TRUE(SamePath(std::string(dll->path.view()), WindowsFolderPath() + "\\System32\\sxhosted.dll"))
        << dll->path.view();
    EXPECT_EQ(ServiceCommandText(*dll).view(), "svchost.exe sxhosted.dll");

    const std::string expandedHost = WindowsFolderPath() + "\\System32\\svchost.exe -k SxTestGroup";
    for (const ScratchService* service : {&withoutDll, &emptyDll}) {
        const ListRow* row = ListStoreRow(RowOfService(service->keyName()));
        ASSERT_NE(row, nullptr) << service->displayName();
        EXPECT_EQ(row->typeCode, kServiceSvchostType) << service->displayName();
        EXPECT_TRUE(SamePath(std::string(row->path.view()), expandedHost)) << row->path.view();
        EXPECT_EQ(ServiceCommandText(*row).view(), "svchost.exe svchost.exe -k SxTestGroup");
    }
}

TEST_F(ServiceScan, MicrosoftFilterHidesMicrosoftFilesAndKeepsTheOthers) {
    const std::string microsoftFile = SystemFile("winver.exe");
    VersionInfo version;
    ReadVersionInfo(microsoftFile, version);
    ASSERT_NE(std::string(version.companyName.view()).find("Microsoft"), std::string::npos)
        << microsoftFile << " no longer says it is Microsoft's: pick another file";
    const std::string plainFile = folder_ / "plain.exe";  // no version resource at all
    ASSERT_TRUE(ScratchFolder::Write(plainFile, "not a program"));

    ScratchService microsoft({"Microsoft", "Made By Microsoft", "\"" + microsoftFile + "\" -service",
                              SERVICE_WIN32_OWN_PROCESS, SERVICE_DEMAND_START, ""});
    ScratchService plain({"Plain", "Without Version", plainFile, SERVICE_WIN32_OWN_PROCESS, SERVICE_DEMAND_START, ""});
    ScratchService other({"Other", "", "", SERVICE_WIN32_OWN_PROCESS, SERVICE_DEMAND_START, ""});
    ASSERT_TRUE(microsoft.created() && plain.created() && other.created());

    struct Expect {
        const ScratchService* service;
        bool listed;
        std::string path;
    };
    const struct {
        const char* option;
        std::vector<Expect> expected;
    } cases[] = {
        {"0", {{&microsoft, true, microsoftFile + " -service"}, {&plain, true, plainFile}, {&other, true, IdleServicePath()}}},
        {"1", {{&microsoft, false, ""}, {&plain, true, Resolved(plainFile)}, {&other, true, Resolved(IdleServicePath())}}},
    };
    for (const auto& c : cases) {
        hideMicrosoft_.Set(c.option);
        ScanServices();
        for (const Expect& e : c.expected) {
            const ListRow* row = ListStoreRow(RowOfService(e.service->keyName()));
            EXPECT_EQ(row != nullptr, e.listed) << "option " << c.option << ": " << e.service->displayName();
            if (row && e.listed) {
                EXPECT_TRUE(SamePath(std::string(row->path.view()), e.path))
                    << "option " << c.option << ": " << row->path.view();
            }
        }
    }
}

TEST_F(ServiceScan, KeyNamesHoldOnlyForTheFillThatMadeThem) {
    ScratchService service({"Fill", "", "", SERVICE_WIN32_OWN_PROCESS, SERVICE_DEMAND_START, ""});
    ASSERT_TRUE(service.created());
    ScanServices();
    const int row = RowOfService(service.keyName());
    ASSERT_GE(row, 0);
    ServiceKeyName name;
    EXPECT_FALSE(ServiceKeyNameOfRow(ListStoreCount(), name));
    EXPECT_FALSE(ServiceKeyNameOfRow(-1, name));

    ListStoreAppend("appended", "C:\\x.exe", "", "", kServiceExeType, 0);
    EXPECT_FALSE(ServiceKeyNameOfRow(row, name)) << "a changed store keeps no names";
    EXPECT_TRUE(name.empty());

    ListStore other;
    ScanServices(other);
    EXPECT_FALSE(ServiceKeyNameOfRow(row, name)) << "a scan into another store says nothing of the shared one";
    const int otherRow = [&] {
        for (int i = 0; i < other.Count(); ++i)
            if (ServiceKeyNameOfRow(other, i, name) && name.view() == service.keyName()) return i;
        return -1;
    }();
    EXPECT_GE(otherRow, 0);
}

// The first-seen seeding and the services snapshot run the scan through the categories.
TEST_F(ServiceScan, ServicesCategoryRunsTheServiceScan) {
    ScratchService service({"Category", "Category Service", "", SERVICE_WIN32_OWN_PROCESS, SERVICE_DEMAND_START, ""});
    ASSERT_TRUE(service.created());
    ASSERT_TRUE(HasCategoryScanner(ScanCategory::Services));
    ASSERT_TRUE(RunCategoryScanner(ScanCategory::Services));
    const ListRow* row = ListStoreRow(RowOfService(service.keyName()));
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->title.view(), "Category Service");
}

}  // namespace
