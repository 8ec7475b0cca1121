#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "shell/list_store.h"
#include "startup/disable/disable_or_enable.h"
#include "startup/locations/startup_scanner.h"
#include "startup/startup_change_fixture.h"

using namespace changetest;

namespace {

constexpr const char* kTitle = "DS Test Entry";
// Quotes, a blank and a switch: a scan lists it without the quotes, and it must
// still come back exactly as it was.
constexpr const char* kCommand = "\"C:\\ds test\\prog.exe\" /min";

class DisableRunTableTest : public StartupChangeTest, public ::testing::WithParamInterface<int> {};

TEST_P(DisableRunTableTest, DisableThenEnableGivesTheEntryBackAndEmptiesTheStore) {
    const int type = GetParam();
    const std::string key = RunKeyPath(type);
    SetText(RunRoot(type), key, kTitle, kCommand);
    const RawValue before = *Value(RunRoot(type), key, kTitle);

    ASSERT_TRUE(DisableItem(kTitle, "C:\\ds test\\prog.exe /min", type));
    EXPECT_FALSE(Value(RunRoot(type), key, kTitle)) << "still in " << key;
    // The layout the resident monitor reads.
    EXPECT_EQ(Text(HKEY_LOCAL_MACHINE, StoreKey(DisabledCommandKey(type)), kTitle), std::string(kCommand));
    EXPECT_EQ(Text(HKEY_LOCAL_MACHINE, StoreKey(), kTitle), std::to_string(type));
    EXPECT_TRUE(IsDisabledEntry(kTitle, type));

    ASSERT_TRUE(DisableItem(kTitle, "C:\\ds test\\prog.exe /min", type));
    auto after = Value(RunRoot(type), key, kTitle);
    ASSERT_TRUE(after);
    EXPECT_EQ(after->type, before.type);
    EXPECT_EQ(after->data, before.data);
    EXPECT_TRUE(StoreContents().empty());
}

INSTANTIATE_TEST_SUITE_P(EveryDisablableRunKey, DisableRunTableTest,
                         ::testing::Values(1, 2, 3, 4, 5, 6, 7, 11, 12, 13, 14, 15, 16, 17, 21, 22, 23, 24, 25),
                         [](const auto& info) { return "Type" + std::to_string(info.param); });

TEST_F(StartupChangeTest, ExpandableCommandComesBackExpandable) {
    SetText(HKEY_CURRENT_USER, RunKeyPath(11), kTitle, "%SystemRoot%\\ds-test.exe", REG_EXPAND_SZ);
    ASSERT_TRUE(DisableItem(kTitle, "C:\\windows\\ds-test.exe", 11));
    ASSERT_TRUE(DisableItem(kTitle, "C:\\windows\\ds-test.exe", 11));
    auto after = Value(HKEY_CURRENT_USER, RunKeyPath(11), kTitle);
    ASSERT_TRUE(after);
    EXPECT_EQ(after->type, DWORD(REG_EXPAND_SZ));
    EXPECT_EQ(after->Text(), "%SystemRoot%\\ds-test.exe");
}

TEST_F(StartupChangeTest, Wow6432NodeSetupAndPolicyEntriesAreNotDisabled) {
    for (int type : {26, 27}) {
        SetText(HKEY_LOCAL_MACHINE, RunKeyPath(type), kTitle, kCommand);
        EXPECT_FALSE(DisableItem(kTitle, kCommand, type)) << type;
        EXPECT_EQ(Text(HKEY_LOCAL_MACHINE, RunKeyPath(type), kTitle), std::string(kCommand)) << type;
    }
    EXPECT_TRUE(StoreContents().empty());
}

TEST_F(StartupChangeTest, BadInputChangesNothing) {
    const std::string userRun = RunKeyPath(11);
    const std::string longName(300, 'L');
    SetText(HKEY_CURRENT_USER, userRun, "", kCommand);  // the key's default value, listed as "(Default)"
    SetText(HKEY_CURRENT_USER, userRun, longName, kCommand);
    DWORD number = 5;
    ASSERT_EQ(RegSetKeyValueA(HKEY_CURRENT_USER, userRun.c_str(), "DS Number", REG_DWORD, &number, sizeof(number)),
              ERROR_SUCCESS);
    const std::string notify = std::string(kWinlogonNotifyKey) + "\\DS Package";
    SetText(HKEY_LOCAL_MACHINE, notify, "DLLName", "dstest.dll");
    const std::string outside = "C:\\ds-not-a-startup-folder.lnk";
    ASSERT_TRUE(ScratchFolder::Write(outside, "link"));

    const struct {
        const char* name;
        std::string title, file;
        int type;
    } cases[] = {
        {"empty title (the default value)", "", kCommand, 11},
        {"name longer than the store keeps", longName, kCommand, 11},
        {"number instead of a command", "DS Number", "5", 11},
        {"missing value", "DS Missing", kCommand, 11},
        {"Winlogon Userinit", "Winlogon Userinit", "C:\\x.exe", 250},
        {"AppInit DLL", "x", "C:\\x.dll", 255},
        {"unknown type", kTitle, kCommand, 3000},
        {"Notify package named with a backslash", "DS Package\\..", "dstest.dll", 256},
        {"shortcut outside the Startup folders", "ds-not-a-startup-folder", outside, 200},
    };
    for (const auto& c : cases) EXPECT_FALSE(DisableItem(c.title, c.file, c.type)) << c.name;
    EXPECT_TRUE(StoreContents().empty());
    EXPECT_EQ(Text(HKEY_CURRENT_USER, userRun, ""), std::string(kCommand));
    EXPECT_EQ(Text(HKEY_CURRENT_USER, userRun, longName), std::string(kCommand));
    EXPECT_TRUE(Value(HKEY_CURRENT_USER, userRun, "DS Number"));
    EXPECT_EQ(Text(HKEY_LOCAL_MACHINE, notify, "DLLName"), std::string("dstest.dll"));
    EXPECT_TRUE(IsFile(outside));
    DeleteFileA(outside.c_str());
}

class WinIniAttributes {
public:
    explicit WinIniAttributes(DWORD set) : path_(WinIniPath()), saved_(GetFileAttributesA(path_.c_str())) {
        SetFileAttributesA(path_.c_str(), saved_ | set);
    }
    ~WinIniAttributes() { SetFileAttributesA(path_.c_str(), saved_); }
    DWORD Now() const { return GetFileAttributesA(path_.c_str()); }
    static std::string WinIniPath() {
        char folder[MAX_PATH] = {};
        GetWindowsDirectoryA(folder, MAX_PATH);
        return std::string(folder) + "\\win.ini";
    }

private:
    std::string path_;
    DWORD saved_;
};

std::string WinIniEntry(const char* entry) {
    char value[1024] = {};
    GetProfileStringA("windows", entry, "", value, sizeof(value));
    return value;
}

class DisableWinIniTest : public StartupChangeTest, public ::testing::WithParamInterface<int> {};

TEST_P(DisableWinIniTest, ProgramLeavesTheEntryAndComesBackWithTheOthersKept) {
    const int type = GetParam();
    const char* entry = type == 100 ? "load" : "run";
    const char* storeKey = type == 100 ? "WinLoad" : "WinRun";
    ASSERT_TRUE(WriteProfileStringA("windows", entry, "C:\\ds-other\\keep.exe;C:\\ds-test\\prog.exe"));
    {
        WinIniAttributes readOnly(FILE_ATTRIBUTE_READONLY);
        ASSERT_TRUE(DisableItem("DS Prog", "C:\\ds-test\\prog.exe", type));
        EXPECT_TRUE(readOnly.Now() & FILE_ATTRIBUTE_READONLY) << "win.ini's read-only attribute is put back";
    }
    EXPECT_EQ(WinIniEntry(entry), "C:\\ds-other\\keep.exe");
    EXPECT_EQ(Text(HKEY_LOCAL_MACHINE, StoreKey(storeKey), "DS Prog"), std::string("C:\\ds-test\\prog.exe"));
    EXPECT_EQ(Text(HKEY_LOCAL_MACHINE, StoreKey(), "DS Prog"), std::to_string(type));

    ASSERT_TRUE(DisableItem("DS Prog", "C:\\ds-test\\prog.exe", type));
    EXPECT_EQ(WinIniEntry(entry), "C:\\ds-other\\keep.exe;C:\\ds-test\\prog.exe");
    EXPECT_TRUE(StoreContents().empty());
}

INSTANTIATE_TEST_SUITE_P(LoadAndRun, DisableWinIniTest, ::testing::Values(100, 101),
                         [](const auto& info) { return info.param == 100 ? "Load" : "Run"; });

TEST_F(StartupChangeTest, StartupShortcutsGoToTheDisabledFolderAndBackToTheirOwnFolder) {
    // The same file name in both Startup folders: neither may overwrite the other.
    const std::string user = userStartup_ + "\\DS Shortcut.lnk", common = commonStartup_ + "\\DS Shortcut.lnk";
    ASSERT_TRUE(ScratchFolder::Write(user, "user link"));
    ASSERT_TRUE(ScratchFolder::Write(common, "common link"));

    ASSERT_TRUE(DisableItem("DS Shortcut", user, 200));
    ASSERT_TRUE(DisableItem("DS Shortcut", common, 200));
    EXPECT_FALSE(IsFile(user));
    EXPECT_FALSE(IsFile(common));
    const std::string first = disabledFolder_ + "\\DS Shortcut.lnk", second = disabledFolder_ + "\\DS Shortcut (2).lnk";
    EXPECT_EQ(ReadWholeFile(first), "user link");
    EXPECT_EQ(ReadWholeFile(second), "common link");
    EXPECT_EQ(Text(HKEY_LOCAL_MACHINE, StoreKey(), "DS Shortcut"), std::string("200"));
    EXPECT_EQ(Text(HKEY_LOCAL_MACHINE, StoreKey(), "DS Shortcut (2)"), std::string("200"));

    ASSERT_TRUE(DisableItem("DS Shortcut (2)", second, 200));
    ASSERT_TRUE(DisableItem("DS Shortcut", first, 200));
    EXPECT_EQ(ReadWholeFile(user), "user link");
    EXPECT_EQ(ReadWholeFile(common), "common link");
    EXPECT_FALSE(IsFile(first));
    EXPECT_FALSE(IsFile(second));
    EXPECT_TRUE(StoreContents().empty());
}

TEST_F(StartupChangeTest, ShortcutThatCannotBeMovedStaysAndIsNotRecorded) {
    const std::string user = userStartup_ + "\\DS Busy.lnk";
    ASSERT_TRUE(ScratchFolder::Write(user, "link"));
    // Open without delete sharing: Windows refuses to move it.
    HANDLE busy = CreateFileA(user.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(busy, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(DisableItem("DS Busy", user, 200));
    CloseHandle(busy);
    EXPECT_EQ(ReadWholeFile(user), "link");
    EXPECT_FALSE(IsFile(disabledFolder_ + "\\DS Busy.lnk"));
    EXPECT_TRUE(StoreContents().empty());
}

TEST_F(StartupChangeTest, NotifyPackageIsDisabledThroughOldNameAndComesBack) {
    const std::string package = std::string(kWinlogonNotifyKey) + "\\DS Test Package";
    SetText(HKEY_LOCAL_MACHINE, package, "DLLName", "dstest.dll");
    SetText(HKEY_LOCAL_MACHINE, package, "Logon", "DSLogon");

    ASSERT_TRUE(DisableItem("DS Test Package", "dstest.dll", 256));
    EXPECT_EQ(Text(HKEY_LOCAL_MACHINE, package, "DLLName"), std::string());
    EXPECT_EQ(Text(HKEY_LOCAL_MACHINE, package, "OldName"), std::string("dstest.dll"));
    EXPECT_EQ(Text(HKEY_LOCAL_MACHINE, StoreKey(kDisabledNotifyKey), "DS Test Package"), std::string("dstest.dll"));
    EXPECT_EQ(Text(HKEY_LOCAL_MACHINE, StoreKey(), "DS Test Package"), std::string("256"));
    EXPECT_EQ(Text(HKEY_CURRENT_USER, kStartupChangeKey, "dstest.dll"), std::string("256"));

    ASSERT_TRUE(DisableItem("DS Test Package", "dstest.dll", 256));
    EXPECT_EQ(Text(HKEY_LOCAL_MACHINE, package, "DLLName"), std::string("dstest.dll"));
    EXPECT_FALSE(Value(HKEY_LOCAL_MACHINE, package, "OldName"));
    EXPECT_EQ(Text(HKEY_LOCAL_MACHINE, package, "Logon"), std::string("DSLogon"));
    EXPECT_TRUE(StoreContents().empty());
}

// The same title in HKLM Run and HKCU Run: both disabled, both listed by the
// scan, both enabled again from the listed rows, in either order.
class SameTitleTest : public StartupChangeTest, public ::testing::WithParamInterface<bool> {};

const ListRow* ListedRow(int type) {
    for (int i = 0; i < ListStoreCount(); ++i)
        if (const ListRow* row = ListStoreRow(i); row->typeCode == type && row->path.view().find("ds-test") != std::string_view::npos)
            return row;
    return nullptr;
}

TEST_P(SameTitleTest, BothEntriesSurviveDisableAndEnable) {
    const bool machineFirst = GetParam();
    const std::string machineCommand = "C:\\ds-test\\machine.exe", userCommand = "C:\\ds-test\\user.exe";
    SetText(HKEY_LOCAL_MACHINE, RunKeyPath(1), "DS Same", machineCommand);
    SetText(HKEY_CURRENT_USER, RunKeyPath(11), "DS Same", userCommand);

    const int order[2] = {machineFirst ? 1 : 11, machineFirst ? 11 : 1};
    for (int type : order) ASSERT_TRUE(DisableItem("DS Same", type == 1 ? machineCommand : userCommand, type));
    EXPECT_FALSE(Value(HKEY_LOCAL_MACHINE, RunKeyPath(1), "DS Same"));
    EXPECT_FALSE(Value(HKEY_CURRENT_USER, RunKeyPath(11), "DS Same"));
    // The first keeps the plain layout; the second has a name of its own.
    const std::string firstCommand = order[0] == 1 ? machineCommand : userCommand;
    const std::string secondCommand = order[0] == 1 ? userCommand : machineCommand;
    EXPECT_EQ(Text(HKEY_LOCAL_MACHINE, StoreKey("Run"), "DS Same"), firstCommand);
    EXPECT_EQ(Text(HKEY_LOCAL_MACHINE, StoreKey(), "DS Same"), std::to_string(order[0]));
    EXPECT_EQ(Text(HKEY_LOCAL_MACHINE, StoreKey("Run"), "DS Same (2)"), secondCommand);
    EXPECT_EQ(Text(HKEY_LOCAL_MACHINE, StoreKey(), "DS Same (2)"), std::to_string(order[1]));

    ScanStartupLocations(false);
    const ListRow* machine = ListedRow(1);
    const ListRow* user = ListedRow(11);
    ASSERT_TRUE(machine) << "the HKLM entry is listed as disabled";
    ASSERT_TRUE(user) << "the HKCU entry is listed as disabled";
    const ListRow machineRow = *machine, userRow = *user;
    ASSERT_TRUE(DisableItem(machineFirst ? userRow : machineRow));
    ASSERT_TRUE(DisableItem(machineFirst ? machineRow : userRow));

    EXPECT_EQ(Text(HKEY_LOCAL_MACHINE, RunKeyPath(1), "DS Same"), machineCommand);
    EXPECT_EQ(Text(HKEY_CURRENT_USER, RunKeyPath(11), "DS Same"), userCommand);
    EXPECT_TRUE(StoreContents().empty());
}

INSTANTIATE_TEST_SUITE_P(EitherOrder, SameTitleTest, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "MachineFirst" : "UserFirst"; });

// Fault injection: one write of the registry fails or is silently lost.
struct Fault {
    const char* name;
    std::string subkey;  // the key whose write is hit
    std::string value;   // its value name; empty: any
    WriteFault fault;
};
Fault g_fault;

bool EqualNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, a.data(), int(a.size()), b.data(),
                                                  int(b.size())) == CSTR_EQUAL;
}

WriteFault PlannedFault(HKEY, std::string_view subkey, std::string_view name) {
    bool hit = EqualNoCase(subkey, g_fault.subkey) && (g_fault.value.empty() || EqualNoCase(name, g_fault.value));
    return hit ? g_fault.fault : WriteFault::None;
}

class DisableFaultTest : public StartupChangeTest, public ::testing::WithParamInterface<Fault> {};

TEST_P(DisableFaultTest, FailedStoreWriteLeavesTheEntryRunning) {
    SetText(HKEY_CURRENT_USER, RunKeyPath(11), kTitle, kCommand);
    g_fault = GetParam();
    SetWriteFaultHook(PlannedFault);
    EXPECT_FALSE(DisableItem(kTitle, kCommand, 11));
    SetWriteFaultHook(nullptr);
    EXPECT_EQ(Text(HKEY_CURRENT_USER, RunKeyPath(11), kTitle), std::string(kCommand));
    EXPECT_TRUE(StoreContents().empty());
}

INSTANTIATE_TEST_SUITE_P(
    StoreWrites, DisableFaultTest,
    ::testing::Values(Fault{"CommandFails", StoreKey("Run"), kTitle, WriteFault::Fail},
                      Fault{"CommandLost", StoreKey("Run"), kTitle, WriteFault::Drop},
                      Fault{"TypeFails", StoreKey(), kTitle, WriteFault::Fail},
                      Fault{"TypeLost", StoreKey(), kTitle, WriteFault::Drop}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(StartupChangeTest, FailedWriteBackLeavesTheEntryDisabled) {
    SetText(HKEY_CURRENT_USER, RunKeyPath(11), kTitle, kCommand);
    ASSERT_TRUE(DisableItem(kTitle, kCommand, 11));
    for (WriteFault fault : {WriteFault::Fail, WriteFault::Drop}) {
        g_fault = {"", RunKeyPath(11), kTitle, fault};
        SetWriteFaultHook(PlannedFault);
        EXPECT_FALSE(DisableItem(kTitle, kCommand, 11));
        SetWriteFaultHook(nullptr);
        EXPECT_FALSE(Value(HKEY_CURRENT_USER, RunKeyPath(11), kTitle));
        EXPECT_EQ(Text(HKEY_LOCAL_MACHINE, StoreKey("Run"), kTitle), std::string(kCommand));
        EXPECT_EQ(Text(HKEY_LOCAL_MACHINE, StoreKey(), kTitle), std::string("11"));
    }
}

TEST_F(StartupChangeTest, FailedSecondNameLeavesTheSecondEntryRunning) {
    SetText(HKEY_LOCAL_MACHINE, RunKeyPath(1), "DS Same", "C:\\ds-test\\machine.exe");
    SetText(HKEY_CURRENT_USER, RunKeyPath(11), "DS Same", "C:\\ds-test\\user.exe");
    ASSERT_TRUE(DisableItem("DS Same", "C:\\ds-test\\machine.exe", 1));
    g_fault = {"", kDisabledOriginKey, "", WriteFault::Fail};
    SetWriteFaultHook(PlannedFault);
    EXPECT_FALSE(DisableItem("DS Same", "C:\\ds-test\\user.exe", 11));
    SetWriteFaultHook(nullptr);
    EXPECT_EQ(Text(HKEY_CURRENT_USER, RunKeyPath(11), "DS Same"), std::string("C:\\ds-test\\user.exe"));
    EXPECT_FALSE(Value(HKEY_LOCAL_MACHINE, StoreKey("Run"), "DS Same (2)"));
    EXPECT_FALSE(Value(HKEY_LOCAL_MACHINE, StoreKey(), "DS Same (2)"));
    EXPECT_EQ(Text(HKEY_LOCAL_MACHINE, StoreKey(), "DS Same"), std::string("1"));
}

TEST_F(StartupChangeTest, EntryThatWroteItselfBackIsDisabledAgainWithItsNewCommand) {
    SetText(HKEY_CURRENT_USER, RunKeyPath(11), kTitle, "C:\\ds-test\\old.exe");
    ASSERT_TRUE(DisableItem(kTitle, "C:\\ds-test\\old.exe", 11));
    SetText(HKEY_CURRENT_USER, RunKeyPath(11), kTitle, "C:\\ds-test\\new.exe");

    EXPECT_TRUE(DisableRunEntryAgain(kTitle, "C:\\ds-test\\new.exe", 11));
    EXPECT_FALSE(Value(HKEY_CURRENT_USER, RunKeyPath(11), kTitle));
    EXPECT_EQ(Text(HKEY_LOCAL_MACHINE, StoreKey("Run"), kTitle), std::string("C:\\ds-test\\new.exe"));
    EXPECT_EQ(Text(HKEY_LOCAL_MACHINE, StoreKey(), kTitle), std::string("11"));

    // Another entry that only shares the title is none of its business.
    SetText(HKEY_LOCAL_MACHINE, RunKeyPath(1), kTitle, "C:\\ds-test\\machine.exe");
    EXPECT_FALSE(DisableRunEntryAgain(kTitle, "C:\\ds-test\\machine.exe", 1));
    EXPECT_EQ(Text(HKEY_LOCAL_MACHINE, RunKeyPath(1), kTitle), std::string("C:\\ds-test\\machine.exe"));
}

}  // namespace
