// The startup scan on the real registry, files and shortcuts of the prefix.
// Wine keeps a few entries of its own in some of these places: the tests look
// at their own entries only, never at totals.
#include <gtest/gtest.h>

#include <objbase.h>

#include <memory>
#include <string>
#include <vector>

#include "res/resource_ids.h"
#include "shell/list_store.h"
#include "shell/load_text.h"
#include "startup/locations/advanced_locations.h"
#include "startup/disable/disabled_index.h"
#include "startup/disable/disable_or_enable.h"
#include "startup/locations/winlogon_notify.h"
#include "startup/locations/location_text.h"
#include "startup/locations/location_types.h"
#include "base/program_folders.h"
#include "base/shortcuts.h"
#include "startup/locations/startup_scanner.h"
#include "startup/scan_fixture.h"
#include "support/test_files.h"
#include "base/registry.h"

using namespace scantest;

namespace {

constexpr const char* kVersion = "Software\\Microsoft\\Windows\\CurrentVersion\\";
constexpr const char* kWow64Version = "Software\\Wow6432Node\\Microsoft\\Windows\\CurrentVersion\\";
constexpr const char* kSubkeys[] = {"Run", "RunOnce", "RunOnceEx", "RunServices", "RunServicesOnce",
                                    "RunOnce\\Setup", "policies\\Explorer\\Run"};
constexpr const char* kProgramDisabledKey = "Software\\Orvik Studios\\Sentrivox\\Disabled";
constexpr const char* kOptionsPath = "Software\\Orvik Studios\\Sentrivox\\Options";

struct RunKey {
    HKEY root;
    std::string path;
    int type;
};

// Every key of the Run table, with its type: HKLM 1-7, HKCU 11-17, Wow6432Node 21-27.
std::vector<RunKey> RunTable() {
    std::vector<RunKey> keys;
    for (int i = 0; i < 7; ++i) keys.push_back({HKEY_LOCAL_MACHINE, std::string(kVersion) + kSubkeys[i], 1 + i});
    for (int i = 0; i < 7; ++i) keys.push_back({HKEY_CURRENT_USER, std::string(kVersion) + kSubkeys[i], 11 + i});
    for (int i = 0; i < 7; ++i) keys.push_back({HKEY_LOCAL_MACHINE, std::string(kWow64Version) + kSubkeys[i], 21 + i});
    return keys;
}

// Guards every Run-table key, the Disabled store and the advanced-mode option.
class StartupScanTest : public ::testing::Test {
protected:
    void SetUp() override {
        CoInitialize(nullptr);
        for (const RunKey& key : RunTable()) runKeys_.push_back(std::make_unique<RegistryGuard>(key.root, key.path));
        ListStoreClear();
    }
    void TearDown() override {
        ListStoreClear();
        runKeys_.clear();
        CoUninitialize();
    }

    const RegistryGuard& RunKeyOf(int type) const {
        const std::vector<RunKey> table = RunTable();
        for (size_t i = 0; i < table.size(); ++i)
            if (table[i].type == type) return *runKeys_[i];
        return *runKeys_[0];
    }

    Windows64Scope windows64_{true};
    RegistryGuard disabled_{HKEY_LOCAL_MACHINE, kProgramDisabledKey};
    RegistryGuard disabledRun_{HKEY_LOCAL_MACHINE, std::string(kProgramDisabledKey) + "\\Run"};
    RegistryGuard options_{HKEY_CURRENT_USER, kOptionsPath};
    std::vector<std::unique_ptr<RegistryGuard>> runKeys_;
};

std::string Location(const ListRow& row) {
    FixedText<kLocationTextSize> text;
    LocationText(row, text);
    return std::string(text.view());
}

std::string Notepad() { return SystemFolderPath() + "\\notepad.exe"; }

}  // namespace

// True when a value written through the Wow6432Node path shows in the native key:
// a key that 64-bit Windows shares between its views (the Policies keys).
bool SharedWithNativeView(const RunKey& wow64) {
    const std::string native = std::string(kVersion) + wow64.path.substr(std::string(kWow64Version).size());
    testsupport::RegistryGuard probe(HKEY_LOCAL_MACHINE, wow64.path, "sx-scan-probe");
    probe.Set("x");
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, native.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    bool shared = RegQueryValueExA(key, "sx-scan-probe", nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
    RegCloseKey(key);
    return shared;
}

TEST_F(StartupScanTest, ListsEveryRunTableKeyOnceWithItsTypeAndLocation) {
    for (const RunKey& key : RunTable())
        RunKeyOf(key.type).Set("sx-scan-" + std::to_string(key.type), Notepad() + " /sx" + std::to_string(key.type));
    ScanStartupLocations(false);

    for (const RunKey& key : RunTable()) {
        const std::string title = "sx-scan-" + std::to_string(key.type);
        auto rows = RowsTitled(title);
        ASSERT_EQ(rows.size(), 1u) << title;
        // A shared key is one key: its values are listed once, as the native key's.
        const int expectedType = key.type > 20 && SharedWithNativeView(key) ? key.type - 20 : key.type;
        EXPECT_EQ(rows[0]->typeCode, expectedType) << title;
        EXPECT_EQ(rows[0]->path.view(), Notepad() + " /sx" + std::to_string(key.type)) << title;
        EXPECT_EQ(rows[0]->flag, 0) << title;
        const int position = key.type % 10 - 1;
        std::string expected;
        if (position < 5) {
            expected = key.type > 20 ? "HKLM\\Software\\Wow6432Node\\Microsoft\\Windows\\CurrentVersion\\"
                                     : std::string(key.type > 10 ? "HKCU\\" : "HKLM\\") +
                                           "Software\\Microsoft\\Windows\\CurrentVersion\\";
            expected += kSubkeys[position];
        }
        if (expectedType == key.type) {
            EXPECT_EQ(Location(*rows[0]), expected) << title;
        }
    }
}

TEST_F(StartupScanTest, Without64BitWindowsTheWow6432NodeKeysAreNotRead) {
    Windows64Scope windows32(false);
    RunKeyOf(21).Set("sx-scan-wow", Notepad() + " /wow");
    RunKeyOf(11).Set("sx-scan-user", Notepad() + " /user");
    ScanRunTable();
    EXPECT_TRUE(RowsTitled("sx-scan-wow").empty());
    EXPECT_EQ(RowsTitled("sx-scan-user").size(), 1u);
    for (int type = 21; type <= 27; ++type) EXPECT_TRUE(RowsOfType(type).empty()) << type;
}

TEST_F(StartupScanTest, AppliesTheRunValueRules) {
    const RegistryGuard& run = RunKeyOf(11);
    struct Case {
        std::string name, command;
        bool listed;
    } cases[] = {
        {"x", Notepad(), false},                  // one-character name
        {"sx-four", "a.ex", false},               // four-character command
        {"sx-five", "a.exe", true},               // five characters are enough
        {"\xE9sx-accent", Notepad(), false},      // first character beyond ASCII
        {"sx-accent-\xE9", Notepad(), true},      // only the first character counts
        {"sx-rundll", "rundll32.exe shell32.dll,Control_RunDLL", true},
    };
    for (const Case& c : cases) run.Set(c.name, c.command);
    run.SetDword("sx-number", 12345678);
    run.Set("", "C:\\sx\\default.exe /d");
    ScanRunTable();

    for (const Case& c : cases) EXPECT_EQ(RowsTitled(c.name).size(), c.listed ? 1u : 0u) << c.name;
    EXPECT_TRUE(RowsTitled("sx-number").empty());
    ASSERT_EQ(RowsTitled("sx-rundll").size(), 1u);
    EXPECT_EQ(RowsTitled("sx-rundll")[0]->flag, 1);
    // The unnamed value comes after the named ones, with an empty title.
    auto defaults = RowsTitled("");
    ASSERT_EQ(defaults.size(), 1u);
    EXPECT_EQ(defaults[0]->path.view(), "C:\\sx\\default.exe /d");
    EXPECT_EQ(defaults[0]->typeCode, 11);
    EXPECT_EQ(defaults[0], ListStoreRow(ListStoreCount() - 1));
}

TEST_F(StartupScanTest, CutsOverLongNamesAndCommandsInsteadOfLosingThem) {
    const std::string name = "sx-long-" + std::string(600, 'n');
    const std::string command = "C:\\sx\\" + std::string(3000, 'c') + ".exe";
    RunKeyOf(1).Set(name, command);
    RunKeyOf(1).Set("sx-after-long", Notepad());
    ScanRunTable();
    auto rows = RowsOfType(1);
    bool foundLong = false;
    for (const ListRow* row : rows) {
        if (row->title.view().substr(0, 8) != "sx-long-") continue;
        foundLong = true;
        EXPECT_EQ(row->title.size(), 127u);
        EXPECT_EQ(row->path.size(), 259u);
    }
    EXPECT_TRUE(foundLong);
    EXPECT_EQ(RowsTitled("sx-after-long").size(), 1u);
}

TEST_F(StartupScanTest, ListsTwoIdenticalConsecutiveValuesOnce) {
    // HKCU RunOnce\Setup (16) and Policies Run (17) are read one after the other.
    RunKeyOf(16).Set("sx-twice", Notepad() + " /same");
    RunKeyOf(17).Set("SX-TWICE", Notepad() + " /SAME");
    RunKeyOf(16).Set("sx-differs", Notepad() + " /one");
    RunKeyOf(17).Set("sx-differs", Notepad() + " /two");
    ScanRunTable();
    auto twice = RowsTitled("sx-twice");
    ASSERT_EQ(twice.size(), 1u);
    EXPECT_EQ(twice[0]->typeCode, 16);
    EXPECT_EQ(RowsTitled("sx-differs").size(), 2u);
}

TEST_F(StartupScanTest, ListsDisabledEntriesFromTheStoreMarkedDisabled) {
    disabled_.Set("sx-disabled", "11");
    disabledRun_.Set("sx-disabled", Notepad() + " /disabled");
    disabled_.Set("sx-zero", "0");
    disabledRun_.Set("sx-zero", Notepad() + " /zero");
    disabledRun_.Set("sx-unrecorded", Notepad() + " /unrecorded");
    ScanStartupLocations(false);

    auto rows = RowsTitled("sx-disabled");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0]->typeCode, 11);
    EXPECT_TRUE(IsRecordedDisabled(*rows[0]));
    FixedText<64> mark;
    LoadText(IDS_DISABLED_MARK, mark);
    EXPECT_EQ(Location(*rows[0]),
              " * " + std::string(mark.view()) + " * HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Run");
    EXPECT_TRUE(RowsTitled("sx-zero").empty());
    EXPECT_TRUE(RowsTitled("sx-unrecorded").empty());
}

TEST_F(StartupScanTest, AnEntryThatWroteItselfBackStaysVisibleAndMarkedDisabled) {
    disabled_.Set("sx-back", "11");
    disabledRun_.Set("sx-back", Notepad() + " /back");
    RunKeyOf(11).Set("sx-back", Notepad() + " /back");
    // Only the title is shared: an entry of another key is listed as its own.
    disabled_.Set("sx-namesake", "11");
    disabledRun_.Set("sx-namesake", Notepad() + " /namesake");
    RunKeyOf(1).Set("sx-namesake", Notepad() + " /machine");
    ScanStartupLocations(false);

    auto back = RowsTitled("sx-back");
    ASSERT_GE(back.size(), 1u);
    for (const ListRow* row : back) {
        EXPECT_EQ(row->typeCode, 11);
        EXPECT_TRUE(IsRecordedDisabled(*row));
    }
    bool machineRow = false;
    for (const ListRow* row : RowsTitled("sx-namesake"))
        machineRow = machineRow || (row->typeCode == 1 && row->path.view() == Notepad() + " /machine");
    EXPECT_TRUE(machineRow);
}

TEST_F(StartupScanTest, ListsWinIniRunAndLoadPieces) {
    WinIniEntryGuard run("run"), load("load");
    run.Set("notepad.exe; ;C:\\sx\\missing-run.exe");
    load.Set("C:\\sx\\missing-load.exe");
    ScanStartupLocations(false);

    auto runRows = RowsOfType(101);
    ASSERT_EQ(runRows.size(), 2u);
    EXPECT_EQ(Upper(std::string(runRows[0]->path.view())), "NOTEPAD.EXE");
    EXPECT_FALSE(runRows[0]->title.empty());
    EXPECT_EQ(runRows[1]->path.view(), "C:\\sx\\missing-run.exe");
    EXPECT_EQ(runRows[1]->title.view(), "missing-run");  // no version information: the file name
    auto loadRows = RowsOfType(100);
    ASSERT_EQ(loadRows.size(), 1u);
    EXPECT_EQ(loadRows[0]->path.view(), "C:\\sx\\missing-load.exe");
    EXPECT_EQ(Location(*runRows[1]), "WIN.INI     [Run] Section");
    EXPECT_EQ(Location(*loadRows[0]), "WIN.INI     [Load] Section");
}

// The user's Startup folder of the prefix, with files made by the test.
class StartupFolderTest : public StartupScanTest {
protected:
    void SetUp() override {
        StartupScanTest::SetUp();
        FixedText<MAX_PATH> folder;
        RegReadString("Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", "Startup",
                      HKEY_CURRENT_USER, folder);
        folder_ = folder.view();
        ASSERT_FALSE(folder_.empty());
        CreateDirectoryA(folder_.c_str(), nullptr);
    }
    void TearDown() override {
        for (const std::string& file : made_) {
            SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileA(file.c_str());
            RemoveDirectoryA(file.c_str());
        }
        StartupScanTest::TearDown();
    }
    std::string Make(const std::string& name) {
        made_.insert(made_.begin(), folder_ + "\\" + name);
        return made_.front();
    }

    std::string folder_;
    std::vector<std::string> made_;
};

TEST_F(StartupFolderTest, ListsShortcutsProgramsAndBrokenShortcuts) {
    ScratchFolder scratch("C:\\sx-h-scan-target");
    const std::string gone = scratch / "gone.exe";
    ASSERT_TRUE(ScratchFolder::Write(gone, "MZ"));
    ASSERT_EQ(CreateShortcut(Make("sx-notepad.lnk"), SystemFolderPath(), "Notes", Notepad(), Notepad()), S_OK);
    ASSERT_EQ(CreateShortcut(Make("sx-broken.lnk"), scratch.path(), "", gone, gone), S_OK);
    DeleteFileA(gone.c_str());
    ASSERT_TRUE(ScratchFolder::Write(Make("sx-program.exe"), "MZ"));
    ASSERT_TRUE(ScratchFolder::Write(Make("sx-readme.txt"), "x"));
    CreateDirectoryA(Make("sx-sub").c_str(), nullptr);
    ASSERT_EQ(CreateShortcut(Make("sx-sub\\sx-inner.lnk"), SystemFolderPath(), "", Notepad(), Notepad()), S_OK);

    ScanStartupFolders();
    auto shortcut = RowsTitled("sx-notepad");
    ASSERT_EQ(shortcut.size(), 1u);
    EXPECT_EQ(shortcut[0]->typeCode, 200);
    EXPECT_TRUE(SamePath(shortcut[0]->path.view(), Notepad())) << shortcut[0]->path.c_str();
    EXPECT_TRUE(SamePath(shortcut[0]->detail.view(), folder_ + "\\sx-notepad.lnk"));
    EXPECT_EQ(Location(*shortcut[0]), "Windows Startup Group");

    auto broken = RowsTitled("sx-broken");
    ASSERT_EQ(broken.size(), 1u);
    EXPECT_EQ(broken[0]->description.view(), "Local File not found.");
    EXPECT_TRUE(SamePath(broken[0]->path.view(), folder_ + "\\sx-broken.lnk"));

    auto program = RowsTitled("sx-program");
    ASSERT_EQ(program.size(), 1u);
    EXPECT_TRUE(SamePath(program[0]->path.view(), folder_ + "\\sx-program.exe"));
    EXPECT_TRUE(RowsTitled("sx-readme").empty());
    EXPECT_TRUE(RowsTitled("sx-inner").empty());
    EXPECT_TRUE(RowsTitled("sx-sub").empty());
}

TEST_F(StartupFolderTest, AFolderNamedByBothHivesIsListedOnce) {
    testsupport::RegistryGuard machineStartup(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
                                 "Startup");
    machineStartup.Set(folder_);
    ASSERT_EQ(CreateShortcut(Make("sx-once.lnk"), SystemFolderPath(), "", Notepad(), Notepad()), S_OK);
    ScanStartupFolders();
    EXPECT_EQ(RowsTitled("sx-once").size(), 1u);
}

TEST_F(StartupFolderTest, ListsShortcutsMovedToTheDisabledFolder) {
    FixedText<MAX_PATH> program;
    ASSERT_GT(ProgramFolder(program), 0);
    const std::string disabledFolder = std::string(program.view()) + "\\Disabled";
    const bool hadFolder = GetFileAttributesA(disabledFolder.c_str()) != INVALID_FILE_ATTRIBUTES;
    CreateDirectoryA(disabledFolder.c_str(), nullptr);
    const std::string shortcut = disabledFolder + "\\sx-parked.lnk";
    ASSERT_EQ(CreateShortcut(shortcut, SystemFolderPath(), "", Notepad(), Notepad()), S_OK);
    disabled_.Set("sx-parked", "200");

    ScanStartupLocations(false);
    auto rows = RowsTitled("sx-parked");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0]->typeCode, 200);
    EXPECT_TRUE(SamePath(rows[0]->detail.view(), shortcut));
    EXPECT_TRUE(IsRecordedDisabled(*rows[0]));

    DeleteFileA(shortcut.c_str());
    if (!hadFolder) RemoveDirectoryA(disabledFolder.c_str());
}

// Winlogon, the shell-object keys, AppInit_DLLs and Notify, all with entries of the test's own.
class AdvancedLocationsTest : public StartupScanTest {
protected:
    void SetUp() override {
        StartupScanTest::SetUp();
        userinit_.Set("Userinit", SystemFolderPath() + "\\userinit.exe,");
        shell_.Set("Shell", "Explorer.exe");
        clsid_.Set("", SystemFolderPath() + "\\sx-object.dll");
        delayLoad_.Set("sx-delay", kClassId);
        taskScheduler_.Set(kClassId, "sx-task-object");
        executeHooks_.Set(kClassId, "");
        windows_.Set("AppInit_DLLs", "C:\\sx\\one.dll, C:\\sx\\two.dll");
        notify_.Set("DllName", "C:\\sx\\notify.dll");
    }

    static constexpr const char* kClassId = "{5A3B1C2D-0000-4000-8000-00000000F00D}";
    RegistryGuard userinit_{HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon"};
    RegistryGuard& shell_ = userinit_;
    RegistryGuard clsid_{HKEY_CLASSES_ROOT, std::string("CLSID\\") + kClassId + "\\InprocServer32"};
    RegistryGuard delayLoad_{HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\ShellServiceObjectDelayLoad"};
    RegistryGuard taskScheduler_{HKEY_LOCAL_MACHINE,
                               "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\SharedTaskScheduler"};
    RegistryGuard executeHooks_{HKEY_LOCAL_MACHINE,
                              "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ShellExecuteHooks"};
    RegistryGuard windows_{HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Windows"};
    RegistryGuard notifyRoot_{HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon\\Notify"};
    RegistryGuard notify_{HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon\\Notify\\sx-package"};
};

TEST_F(AdvancedLocationsTest, ListsEachAdvancedLocationWithItsTypeAndDetail) {
    ScanStartupLocations(false);
    const std::string dll = SystemFolderPath() + "\\sx-object.dll";

    auto userinit = RowsOfType(250);
    ASSERT_EQ(userinit.size(), 1u);
    EXPECT_EQ(userinit[0]->title.view(), "Winlogon Userinit");
    EXPECT_TRUE(SamePath(userinit[0]->path.view(), SystemFolderPath() + "\\userinit.exe"));
    EXPECT_TRUE(RowsOfType(251).empty());  // "Explorer.exe" is the usual shell

    auto delay = RowsOfType(252);
    ASSERT_EQ(delay.size(), 1u);
    EXPECT_EQ(delay[0]->title.view(), "sx-delay");
    EXPECT_EQ(delay[0]->path.view(), dll);
    EXPECT_EQ(delay[0]->detail.view(), kClassId);
    auto task = RowsOfType(253);
    ASSERT_EQ(task.size(), 1u);
    EXPECT_EQ(task[0]->title.view(), "sx-task-object");
    EXPECT_EQ(task[0]->detail.view(), kClassId);
    auto hook = RowsOfType(254);
    ASSERT_EQ(hook.size(), 1u);
    EXPECT_EQ(hook[0]->title.view(), "sx-object");  // no description: the DLL's name

    auto appInit = RowsOfType(255);
    ASSERT_EQ(appInit.size(), 2u);
    EXPECT_EQ(appInit[0]->path.view(), "C:\\sx\\one.dll");
    EXPECT_EQ(appInit[1]->path.view(), "C:\\sx\\two.dll");
    bool package = false;
    for (const ListRow* row : RowsOfType(256))
        package = package || (row->title.view() == "sx-package" && row->path.view() == "C:\\sx\\notify.dll");
    EXPECT_TRUE(package);

    EXPECT_EQ(Location(*userinit[0]), "HKLM\\Software\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon Userinit");
    EXPECT_EQ(Location(*appInit[0]), "HKLM\\Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows  AppInit_DLLs");
}

TEST_F(AdvancedLocationsTest, ReadsTheAdvancedLocationsOnlyInAdvancedMode) {
    shell_.Set("Shell", "Explorer.exe C:\\sx\\extra-shell.exe");
    options_.Set("ShowAllStartup", "0");
    ScanStartupLocations(true);
    for (int type = 250; type <= 256; ++type) EXPECT_TRUE(RowsOfType(type).empty()) << type;

    options_.Set("ShowAllStartup", "1");
    ScanStartupLocations(true);
    for (int type = 250; type <= 256; ++type) EXPECT_FALSE(RowsOfType(type).empty()) << type;
    EXPECT_EQ(RowsOfType(251)[0]->path.view(), "C:\\sx\\extra-shell.exe");
}

TEST_F(AdvancedLocationsTest, ADisabledNotifyPackageIsListedFromItsOldName) {
    notify_.Set("DllName", "");
    notify_.Set("OldName", "C:\\sx\\notify.dll");
    notify_.Set("", "");
    disabled_.Set("sx-package", "256");
    ScanStartupLocations(false);
    bool listed = false;
    for (const ListRow* row : RowsTitled("sx-package"))
        listed = listed || (row->typeCode == 256 && row->path.view() == "C:\\sx\\notify.dll" && IsRecordedDisabled(*row));
    EXPECT_TRUE(listed);

    disabled_.Set("sx-package", "0");  // emptied by someone else: nothing to list
    ScanStartupLocations(false);
    EXPECT_TRUE(RowsTitled("sx-package").empty());
}

TEST_F(AdvancedLocationsTest, ANotifyPackageDisabledUnderAFurtherNameIsListedAndEnabledAgain) {
    RegistryGuard commands(HKEY_LOCAL_MACHINE, std::string(kProgramDisabledKey) + "\\WinNotify");
    RegistryGuard origins(HKEY_LOCAL_MACHINE, "Software\\Orvik Studios\\Sentrivox\\DisabledOrigin");
    RegistryGuard changes(HKEY_CURRENT_USER, "Software\\Orvik Studios\\Sentrivox\\Run");
    // A disabled Run entry holds the package's name, so its record goes under "sx-package (2)".
    disabled_.Set("sx-package", "11");
    ASSERT_TRUE(DisableNotifyPackage("sx-package"));
    ScanStartupLocations(false);
    const ListRow* listed = nullptr;
    for (const ListRow* row : RowsTitled("sx-package"))
        if (row->typeCode == 256) listed = row;
    ASSERT_NE(listed, nullptr) << "the disabled package left the list";
    EXPECT_EQ(listed->path.view(), "C:\\sx\\notify.dll");
    EXPECT_TRUE(IsRecordedDisabled(*listed));

    ASSERT_TRUE(DisableItem(*listed));  // the toggle enables it
    ScanStartupLocations(false);
    for (const ListRow* row : RowsTitled("sx-package")) {
        if (row->typeCode == 256) {
            EXPECT_FALSE(IsRecordedDisabled(*row));
        }
    }
    EXPECT_EQ(CurrentDisabledRecords().TypeOf("sx-package"), 11) << "the Run entry's record stays";
}

TEST(WinlogonValues, TakeTheProgramBesideTheUsualOne) {
    struct Case {
        const char* value;
        bool found;
        const char* file;
    } userinit[] = {
        {"C:\\WINDOWS\\system32\\userinit.exe,", true, "C:\\WINDOWS\\system32\\userinit.exe"},
        {"C:\\WINDOWS\\system32\\userinit.exe, C:\\evil.exe", true, "C:\\evil.exe"},
        {"userinit.exe,evil.exe,other.exe", true, "evil.exe,other.exe"},
        {"userinit.exe,   ", true, "userinit.exe"},
        {"C:\\WINDOWS\\system32\\userinit.exe", false, ""},
        {"", false, ""},
        {",", false, ""},
    }, shell[] = {
        {"Explorer.exe", false, ""},
        {"Explorer.exe C:\\evil.exe", true, "C:\\evil.exe"},
        {"Explorer.exe    evil.exe", true, "evil.exe"},
        {"Explorer.exe ", true, "Explorer.exe"},
        {"", false, ""},
    };
    FixedText<1024> file;
    for (const Case& c : userinit) {
        EXPECT_EQ(UserinitProgram(c.value, file), c.found) << c.value;
        EXPECT_EQ(file.view(), c.file) << c.value;
    }
    for (const Case& c : shell) {
        EXPECT_EQ(ShellProgram(c.value, file), c.found) << c.value;
        EXPECT_EQ(file.view(), c.file) << c.value;
    }
}
