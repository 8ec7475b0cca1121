#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "res/resource_ids.h"
#include "shell/load_text.h"
#include "shell/confirm_system_file.h"
#include "startup/disable/remove_item.h"
#include "support/box_answerer.h"
#include "startup/startup_change_fixture.h"

using namespace changetest;

namespace {

constexpr const char* kClassId = "{0D5E5A11-DEAD-4BEE-8A11-5E1F0D5E5A11}";

std::string ItemText(HWND dialog, int id) {
    char text[1024] = {};
    GetDlgItemTextA(dialog, id, text, sizeof(text));
    return text;
}

struct DialogSeen {
    std::string caption, file, protection, microsoft, box;
    int boxState = -1;
};

enum class Answer { TickAndOk, Ok, Close };

// Reads the dialog's texts, then answers it.
std::function<void(HWND)> Answering(Answer answer, DialogSeen& seen) {
    return [answer, &seen](HWND dialog) {
        char caption[256] = {};
        GetWindowTextA(dialog, caption, sizeof(caption));
        seen = {caption, ItemText(dialog, IDC_CONFIRM_FILE), ItemText(dialog, IDC_CONFIRM_PROTECTED),
                ItemText(dialog, IDC_CONFIRM_MICROSOFT), ItemText(dialog, IDC_CONFIRM_REALLY),
                int(SendDlgItemMessageA(dialog, IDC_CONFIRM_REALLY, BM_GETCHECK, 0, 0))};
        if (answer == Answer::TickAndOk) SendDlgItemMessageA(dialog, IDC_CONFIRM_REALLY, BM_SETCHECK, BST_CHECKED, 0);
        if (answer == Answer::Close) PostMessageA(dialog, WM_CLOSE, 0, 0);
        else PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    };
}

TEST_F(StartupChangeTest, ShellObjectIsRemovedOnlyWithTheBoxTicked) {
    const struct {
        const char* name;
        Answer answer;
        bool removed;
    } cases[] = {
        {"OK with the box unticked", Answer::Ok, false},
        {"window closed", Answer::Close, false},
        {"box ticked", Answer::TickAndOk, true},
    };
    const std::string dll = "C:\\ds-test\\dsobject.dll";
    for (const auto& c : cases) {
        SetText(HKEY_LOCAL_MACHINE, kDelayLoadKey, "DS Object", kClassId);
        DialogSeen seen;
        testsupport::BoxAnswerer watch(Answering(c.answer, seen));
        EXPECT_EQ(RemoveItem("DS Object", dll, kClassId, 252), c.removed) << c.name;
        watch.Stop();
        ASSERT_TRUE(watch.seen()) << c.name;
        EXPECT_EQ(seen.caption, LoadTextString(IDS_MESSAGE_CAPTION)) << c.name;
        EXPECT_EQ(seen.file, dll) << c.name;
        EXPECT_EQ(seen.protection, LoadTextString(IDS_SYSTEM_FILE_PROTECTED)) << c.name;
        EXPECT_EQ(seen.microsoft, "") << "no Microsoft note for a file without version information";
        EXPECT_EQ(seen.box, LoadTextString(IDS_CONFIRM_SYSTEM_FILE)) << c.name;
        EXPECT_EQ(seen.boxState, BST_UNCHECKED) << c.name;
        EXPECT_EQ(Value(HKEY_LOCAL_MACHINE, kDelayLoadKey, "DS Object").has_value(), !c.removed) << c.name;
        auto lines = History();
        EXPECT_EQ(lines.size(), c.removed ? 1u : 0u) << c.name;
        if (c.removed && !lines.empty()) {
            EXPECT_EQ(lines[0].event, "REMOVE_DELAYLOAD");
            EXPECT_EQ(lines[0].type, "REG_Delayload");
        }
        for (const char* name : {kConfirmPlacementX, kConfirmPlacementY, kConfirmPlacementDx, kConfirmPlacementDy})
            EXPECT_TRUE(Text(HKEY_CURRENT_USER, kProgramKey, name)) << name << " after " << c.name;
    }
}

TEST_F(StartupChangeTest, ConfirmedRemovalsOfClassHooksAndAppInitDlls) {
    SetText(HKEY_LOCAL_MACHINE, kSharedTaskSchedulerKey, kClassId, "DS Scheduler");
    SetText(HKEY_LOCAL_MACHINE, kShellExecuteHooksKey, kClassId, "DS Hook");
    SetText(HKEY_LOCAL_MACHINE, kAppInitKey, kAppInitValue, "C:\\ds\\one.dll,C:\\ds\\two.dll C:\\ds\\three.dll");
    const struct {
        int type;
        const char* title;
        const char* path;
        const char* event;
    } cases[] = {
        {253, "DS Scheduler", "C:\\ds\\sched.dll", "REMOVE_TaskScheduler"},
        {254, "DS Hook", "C:\\ds\\hook.dll", "REMOVE_SHELLEXECUTEHOOK"},
        {255, "two", "C:\\ds\\two.dll", "*START_Remove"},
    };
    for (const auto& c : cases) {
        DialogSeen seen;
        testsupport::BoxAnswerer watch(Answering(Answer::TickAndOk, seen));
        EXPECT_TRUE(RemoveItem(c.title, c.path, c.type == 255 ? "" : kClassId, c.type)) << c.type;
        watch.Stop();
        EXPECT_EQ(History().back().event, c.event);
    }
    EXPECT_FALSE(Value(HKEY_LOCAL_MACHINE, kSharedTaskSchedulerKey, kClassId));
    EXPECT_FALSE(Value(HKEY_LOCAL_MACHINE, kShellExecuteHooksKey, kClassId));
    EXPECT_EQ(Text(HKEY_LOCAL_MACHINE, kAppInitKey, kAppInitValue), std::string("C:\\ds\\one.dll,C:\\ds\\three.dll"));
}

TEST_F(StartupChangeTest, MicrosoftFilesCarryTheNote) {
    char system[MAX_PATH] = {};
    GetSystemDirectoryA(system, MAX_PATH);
    const std::string dll = std::string(system) + "\\shell32.dll";
    SetText(HKEY_LOCAL_MACHINE, kDelayLoadKey, "DS Object", kClassId);
    DialogSeen seen;
    testsupport::BoxAnswerer watch(Answering(Answer::Ok, seen));
    EXPECT_FALSE(RemoveItem("DS Object", dll, kClassId, 252));
    watch.Stop();
    EXPECT_EQ(seen.microsoft, MicrosoftFileNote("DS Object"));
    EXPECT_NE(seen.microsoft.find("DS Object"), std::string::npos);
}

TEST_F(StartupChangeTest, MicrosoftNoteFillsOnlyItsNameIntoAnOverride) {
    SetText(HKEY_LOCAL_MACHINE, kProgramKey, "LString909", "Odd %d %x %s and %s");
    EXPECT_EQ(MicrosoftFileNote("name%s"), "Odd %d %x name%s and %s");
}

}  // namespace
