#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "res/resource_ids.h"
#include "info_ids.h"
#include "shell/list_store.h"
#include "shell/load_text.h"
#include "support/box_answerer.h"
#include "shell/info_dialog.h"
#include "sysobjects/service_hooks.h"
#include "sysobjects/service_scanner.h"
#include "service_test_support.h"

namespace {

using namespace servicetest;

std::string Str(int id) { return LoadTextString(id); }
std::string Text(HWND dialog, int id) { return driver::TextOf(GetDlgItem(dialog, id)); }
bool Visible(HWND dialog, int id) { return IsWindowVisible(GetDlgItem(dialog, id)) != FALSE; }
bool Enabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE; }
// A command as the button or list sends it; the dialog's thread handles it before this returns.
void Command(HWND dialog, int id, int code = BN_CLICKED) {
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}
int ChoiceCount(HWND dialog) { return int(SendDlgItemMessageA(dialog, IDC_INFO_START_TYPE, CB_GETCOUNT, 0, 0)); }
int Choice(HWND dialog) { return int(SendDlgItemMessageA(dialog, IDC_INFO_START_TYPE, CB_GETCURSEL, 0, 0)); }
// The user picks an entry of the start-type list.
void Choose(HWND dialog, int choice) {
    SendDlgItemMessageA(dialog, IDC_INFO_START_TYPE, CB_SETCURSEL, WPARAM(choice), 0);
    Command(dialog, IDC_INFO_START_TYPE, CBN_SELCHANGE);
}

BOOL CALLBACK KeepOtherDialog(HWND window, LPARAM param) {
    auto* found = reinterpret_cast<std::pair<HWND, HWND>*>(param);
    char name[16] = {};
    GetClassNameA(window, name, sizeof(name));
    if (window == found->first || lstrcmpA(name, "#32770") != 0 || !IsWindowVisible(window)) return TRUE;
    found->second = window;
    return FALSE;
}

// A message box that the dialog's thread shows over the dialog, once its text is there.
HWND MessageBoxOver(HWND dialog) {
    std::pair<HWND, HWND> found{dialog, nullptr};
    EnumThreadWindows(GetWindowThreadProcessId(dialog, nullptr), KeepOtherDialog, reinterpret_cast<LPARAM>(&found));
    return found.second && !driver::TextOf(GetDlgItem(found.second, 0xFFFF)).empty() ? found.second : nullptr;
}

// Presses Apply and answers the question that it asks; returns the question's text.
std::string ApplyAnswering(HWND dialog, int answer) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_INFO_APPLY, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDC_INFO_APPLY)));
    HWND box = nullptr;
    driver::WaitUntil([&] { return (box = MessageBoxOver(dialog)) != nullptr; }, 5000);
    if (!box) return {};
    std::string question = driver::TextOf(GetDlgItem(box, 0xFFFF));
    driver::AnswerMessageBox(box, answer);
    // The dialog has refilled once Apply is off again.
    driver::WaitUntil([&] { return !Enabled(dialog, IDC_INFO_APPLY); }, 5000);
    return question;
}

// The information dialog on rows of a service scan, with the hooks set as
// the program sets them, and the settings the dialog writes put back.
class ServiceDialog : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterServiceHooks();
        ListStoreClear();
        expand_.Set("0");
    }
    void TearDown() override { ListStoreClear(); }

    // Scans and returns the row of the service.
    int RowAfterScan(const ScratchService& service) {
        ScanServices();
        return RowOfService(service.keyName());
    }
    // Runs the dialog on a row; script acts on it from a second thread, then it is closed.
    void Run(int row, const std::function<void(HWND)>& script) {
        testsupport::BoxAnswerer watch([&](HWND dialog) {
            script(dialog);
            SendMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
        });
        ShowInformationDialog(nullptr, nullptr, row);
        watch.Stop();
        EXPECT_TRUE(watch.seen());
    }

    HistoryFile history_;
    testsupport::RegistryGuard expand_{HKEY_CURRENT_USER, kOptionsKey, "ExpandInfo"};
    testsupport::RegistryGuard x_{HKEY_CURRENT_USER, kProgramKey, "xInfo"}, y_{HKEY_CURRENT_USER, kProgramKey, "yInfo"};
    testsupport::RegistryGuard dx_{HKEY_CURRENT_USER, kProgramKey, "dxInfo"}, dy_{HKEY_CURRENT_USER, kProgramKey, "dyInfo"};
};

TEST_F(ServiceDialog, StartTypeListKeepsItsThreeChoicesAndRunIsNotOffered) {
    ScratchService service({"Choices", "", "", SERVICE_WIN32_OWN_PROCESS, SERVICE_AUTO_START, ""});
    ASSERT_TRUE(service.created());
    const int row = RowAfterScan(service);
    ASSERT_GE(row, 0);

    std::vector<int> counts;
    std::vector<std::string> entries;
    int choice = -1;
    bool run = true, applyShown = false, applyOn = true, listShown = false;
    std::string stopCaption, label;
    Run(row, [&](HWND dialog) {
        counts.push_back(ChoiceCount(dialog));
        Command(dialog, IDC_INFO_RUN);  // pressing Run on a service only refreshes
        Command(dialog, IDC_INFO_RUN);
        counts.push_back(ChoiceCount(dialog));
        for (int i = 0; i < ChoiceCount(dialog); ++i) {
            char text[64] = {};
            SendDlgItemMessageA(dialog, IDC_INFO_START_TYPE, CB_GETLBTEXT, WPARAM(i), reinterpret_cast<LPARAM>(text));
            entries.push_back(text);
        }
        choice = Choice(dialog);
        run = Visible(dialog, IDC_INFO_RUN);
        listShown = Visible(dialog, IDC_INFO_START_TYPE);
        applyShown = Visible(dialog, IDC_INFO_APPLY);
        applyOn = Enabled(dialog, IDC_INFO_APPLY);
        stopCaption = Text(dialog, IDC_INFO_KILL);
        label = Text(dialog, IDC_INFO_START_TYPE_LABEL);
    });
    EXPECT_EQ(counts, (std::vector<int>{3, 3}));
    EXPECT_EQ(entries, (std::vector<std::string>{Str(IDS_START_AUTOMATIC), Str(IDS_START_MANUAL), Str(IDS_START_DISABLED)}));
    EXPECT_EQ(choice, 0);
    EXPECT_FALSE(run);
    EXPECT_TRUE(listShown);
    EXPECT_TRUE(applyShown);
    EXPECT_FALSE(applyOn) << "nothing to apply before another type is chosen";
    EXPECT_EQ(stopCaption, Str(IDS_STOP));
    EXPECT_EQ(label, Str(IDS_LABEL_STARTUP_TYPE));
}

// The display name is longer than a title: the dialog changes the service it
// shows through the row's key name all the same.
TEST_F(ServiceDialog, ApplyAsksThenChangesTheStartTypeAndRecordsTheOldAndNewType) {
    const std::string displayName = "Lanternway " + std::string(189, 'A');
    ScratchService service({"Apply", displayName, "", SERVICE_WIN32_OWN_PROCESS, SERVICE_DEMAND_START, ""});
    ASSERT_TRUE(service.created());
    const int row = RowAfterScan(service);
    ASSERT_GE(row, 0);
    const std::string title(ListStoreRow(row)->title.view()), path(ListStoreRow(row)->path.view());

    std::vector<bool> applyOn;
    std::string question;
    int shownAfterYes = -1, shownAfterNo = -1;
    long typeAfterNo = -1;
    Run(row, [&](HWND dialog) {
        Choose(dialog, 2);
        applyOn.push_back(Enabled(dialog, IDC_INFO_APPLY));
        Choose(dialog, 1);  // the type it has: nothing to apply
        applyOn.push_back(Enabled(dialog, IDC_INFO_APPLY));
        Choose(dialog, 2);
        applyOn.push_back(Enabled(dialog, IDC_INFO_APPLY));
        question = ApplyAnswering(dialog, IDYES);
        shownAfterYes = Choice(dialog);

        Choose(dialog, 0);
        ApplyAnswering(dialog, IDNO);
        typeAfterNo = service.StartType();
        shownAfterNo = Choice(dialog);
    });
    EXPECT_EQ(applyOn, (std::vector<bool>{true, false, true}));
    EXPECT_NE(question.find("Changing how a service starts can be dangerous."), std::string::npos) << question;
    EXPECT_EQ(shownAfterYes, 2);
    EXPECT_EQ(typeAfterNo, long(SERVICE_DISABLED)) << "No changes nothing";
    EXPECT_EQ(shownAfterNo, 2);
    EXPECT_EQ(service.StartType(), long(SERVICE_DISABLED));

    const auto lines = history_.Lines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].event, "SERVICE_from_Manual");
    EXPECT_EQ(lines[1].event, "SERVICE_Disabled");
    for (const auto& line : lines) {
        EXPECT_EQ(line.type, "SERVICE_EXE");
        EXPECT_EQ(line.title, title);
        EXPECT_EQ(line.command, path);
    }
}

TEST_F(ServiceDialog, StopIsOfferedOnlyToAServiceThatAcceptsItAndRecordedOnlyWhenItStopped) {
    ScratchService stoppable({"DlgStop", "Dialog Stoppable", "", SERVICE_WIN32_OWN_PROCESS, SERVICE_DEMAND_START, ""});
    ScratchService stubborn({"DlgStubborn", "Dialog Stubborn", "\"" + IdleServicePath() + "\" --no-stop",
                             SERVICE_WIN32_OWN_PROCESS, SERVICE_DEMAND_START, ""});
    ScratchService stopped({"DlgStopped", "Dialog Stopped", "", SERVICE_WIN32_OWN_PROCESS, SERVICE_DEMAND_START, ""});
    ASSERT_TRUE(stoppable.created() && stubborn.created() && stopped.created());
    ASSERT_TRUE(stoppable.Start());
    ASSERT_TRUE(stubborn.Start());
    ScanServices();

    struct Seen {
        std::string status;
        bool stopShown = false, stopOn = false;
    };
    auto look = [](HWND dialog) {
        return Seen{Text(dialog, IDC_INFO_STATUS), Visible(dialog, IDC_INFO_KILL), Enabled(dialog, IDC_INFO_KILL)};
    };
    Seen before, after, stubbornSeen, stoppedSeen;
    Run(RowOfService(stoppable.keyName()), [&](HWND dialog) {
        before = look(dialog);
        SendMessageA(GetDlgItem(dialog, IDC_INFO_KILL), BM_CLICK, 0, 0);
        after = look(dialog);
    });
    Run(RowOfService(stubborn.keyName()), [&](HWND dialog) {
        stubbornSeen = look(dialog);
        Command(dialog, IDC_INFO_KILL);  // as if it were pressed anyway: the stop fails
    });
    Run(RowOfService(stopped.keyName()), [&](HWND dialog) { stoppedSeen = look(dialog); });

    EXPECT_EQ(before.status, Str(IDS_STATE_RUNNING));
    EXPECT_TRUE(before.stopShown && before.stopOn);
    EXPECT_TRUE(stoppable.WaitForState(SERVICE_STOPPED, 5000));
    EXPECT_NE(after.status, Str(IDS_STATE_RUNNING));
    EXPECT_FALSE(after.stopOn);
    EXPECT_EQ(stubbornSeen.status, Str(IDS_STATE_RUNNING));
    EXPECT_FALSE(stubbornSeen.stopOn);
    EXPECT_EQ(stubborn.State(), DWORD(SERVICE_RUNNING));
    EXPECT_EQ(stoppedSeen.status, Str(IDS_STATE_STOPPED));
    EXPECT_FALSE(stoppedSeen.stopOn);

    const auto lines = history_.Lines();
    ASSERT_EQ(lines.size(), 1u) << "only the stop that happened is recorded";
    EXPECT_EQ(lines[0].event, "SERVICE_Stop");
    EXPECT_EQ(lines[0].type, "SERVICE_EXE");
    EXPECT_EQ(lines[0].title, "Dialog Stoppable");
    EXPECT_TRUE(SamePath(lines[0].command, IdleServicePath())) << lines[0].command;
}

TEST_F(ServiceDialog, ServiceGoneSinceTheScanShowsNoStatusAndRecordsNothing) {
    ScratchService service({"Gone", "Gone Service", "", SERVICE_WIN32_OWN_PROCESS, SERVICE_DEMAND_START, ""});
    ASSERT_TRUE(service.created());
    const int row = RowAfterScan(service);
    ASSERT_GE(row, 0);
    service.Delete();

    std::string status = "unset", question;
    bool stopOn = true;
    Run(row, [&](HWND dialog) {
        status = Text(dialog, IDC_INFO_STATUS);
        stopOn = Enabled(dialog, IDC_INFO_KILL);
        Choose(dialog, 0);
        question = ApplyAnswering(dialog, IDYES);
        Command(dialog, IDC_INFO_KILL);
    });
    EXPECT_EQ(status, "");
    EXPECT_FALSE(stopOn);
    EXPECT_FALSE(question.empty());
    EXPECT_TRUE(history_.Lines().empty()) << "a failed change writes nothing";
}

TEST_F(ServiceDialog, RowThatNoScanMadeOffersNoControls) {
    // A row of the service type that no service scan made: no key name to act on.
    ASSERT_TRUE(ListStoreAppend("Typed Row", IdleServicePath(), Str(IDS_START_MANUAL), "", kServiceExeType, 0));
    std::string status = "unset";
    bool stopOn = true;
    int choice = -2;
    bool asked = false;
    Run(0, [&](HWND dialog) {
        status = Text(dialog, IDC_INFO_STATUS);
        stopOn = Enabled(dialog, IDC_INFO_KILL);
        choice = Choice(dialog);
        Choose(dialog, 2);
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_INFO_APPLY, BN_CLICKED), 0);
        Sleep(300);
        asked = MessageBoxOver(dialog) != nullptr;
        if (asked) driver::AnswerMessageBox(MessageBoxOver(dialog), IDNO);
    });
    EXPECT_FALSE(asked) << "nothing to change: no question";
    EXPECT_EQ(status, "");
    EXPECT_FALSE(stopOn);
    EXPECT_EQ(choice, 1) << "the row's start-type text is shown";
    EXPECT_TRUE(history_.Lines().empty());
}

}  // namespace
