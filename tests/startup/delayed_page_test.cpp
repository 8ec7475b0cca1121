// The Delayed Start page on its real template (its list, sorting and Remove)
// and its two dialogs driven through their controls.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "res/delay_ids.h"
#include "res/resource_ids.h"
#include "shell/app_state.h"
#include "shell/load_text.h"
#include "shell/options.h"
#include "shell/page_commands.h"
#include "shell/page_menu.h"
#include "startup/delayed/delay_dialogs.h"
#include "startup/delayed/delay_values.h"
#include "startup/delayed_page.h"
#include "startup/delayed/delayed_launch.h"
#include "startup/delayed_test_support.h"
#include "support/box_answerer.h"
#include "startup/startup_change_fixture.h"
#include "support/test_files.h"
#include "base/windows_version.h"

using namespace changetest;
using testsupport::BoxAnswerer;

namespace {

const std::string kDelay = kDelayKey;
const std::string kTime = kDelay + "\\Time";
const std::string kTitle = kDelay + "\\Title";
const std::string kParameters = kDelay + "\\Parameters";
const std::string kOpenAs = kDelay + "\\OpenAs";

std::string ThisProgram() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return path;
}

std::string FileNameOf(const std::string& path) { return path.substr(path.rfind('\\') + 1); }

void AddDelayed(HKEY hive, const std::string& path, const char* type, const char* title, const char* time) {
    SetText(hive, kDelay, path, type);
    SetText(hive, kTitle, path, title);
    if (time) SetText(hive, kTime, path, time);
}

class DelayedPageTest : public StartupChangeTest {
protected:
    void SetUp() override {
        StartupChangeTest::SetUp();
        savedStatusBar_ = g_app.statusBar;
        RegRemoveValue(HKEY_CURRENT_USER, kOptionsKey, "SortPrograms");
        INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_LISTVIEW_CLASSES};
        InitCommonControlsEx(&icc);
        sheet_ = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 760, 560, nullptr, nullptr, nullptr, nullptr);
        page_ = CreateDialogParamA(ResourceInstance(), MAKEINTRESOURCEA(IDD_PAGE_DELAYED), sheet_, DelayedPageProc, 0);
        ASSERT_NE(page_, nullptr);
        list_ = GetDlgItem(page_, IDC_LIST);
    }
    void TearDown() override {
        if (sheet_) DestroyWindow(sheet_);
        g_app.statusBar = savedStatusBar_;
        StartupChangeTest::TearDown();
    }

    void Activate() {
        NMHDR header = {sheet_, 0, UINT(PSN_SETACTIVE)};
        SendMessageA(page_, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&header));
    }
    void ClickColumn(int column) {
        NMLISTVIEW click = {};
        click.hdr = {list_, IDC_LIST, UINT(LVN_COLUMNCLICK)};
        click.iItem = -1;
        click.iSubItem = column;
        SendMessageA(page_, WM_NOTIFY, IDC_LIST, reinterpret_cast<LPARAM>(&click));
    }
    std::vector<std::string> Titles() {
        std::vector<std::string> titles;
        for (const auto& row : delaytest::Rows(list_, 1)) titles.push_back(row[0]);
        return titles;
    }
    int ItemOf(const std::string& title) {
        std::vector<std::string> titles = Titles();
        for (size_t i = 0; i < titles.size(); ++i)
            if (titles[i] == title) return int(i);
        return -1;
    }
    std::vector<std::string> Command(int id, std::vector<BoxAnswerer::Answer> answers) {
        BoxAnswerer boxes(std::move(answers));
        SendMessageA(page_, WM_COMMAND, WPARAM(id), 0);
        boxes.Stop();
        return boxes.texts();
    }

    HWND sheet_ = nullptr, page_ = nullptr, list_ = nullptr;

private:
    HWND savedStatusBar_ = nullptr;
};

TEST_F(DelayedPageTest, ListShowsTitleFileStatusAndDelay) {
    const std::string notepad = SystemFolderPath() + "\\notepad.exe";
    AddDelayed(HKEY_LOCAL_MACHINE, notepad, "1", "DS Existing", "90");
    AddDelayed(HKEY_CURRENT_USER, ThisProgram(), "11", "DS Running", "45");
    AddDelayed(HKEY_CURRENT_USER, "C:\\ds-delay\\missing.exe", "11", "DS Missing", nullptr);
    Activate();

    std::vector<std::string> headers;
    for (int column = 0; column < 4; ++column) {
        char text[64] = {};
        LVCOLUMNA lvc = {};
        lvc.mask = LVCF_TEXT;
        lvc.pszText = text;
        lvc.cchTextMax = sizeof(text);
        ASSERT_TRUE(SendMessageA(list_, LVM_GETCOLUMNA, WPARAM(column), reinterpret_cast<LPARAM>(&lvc)));
        headers.push_back(text);
    }
    EXPECT_EQ(headers, (std::vector<std::string>{"Title", "Command", "Status", "Delay Time"}));
    EXPECT_EQ(g_app.currentPageId, kPageDelayed);

    auto rows = delaytest::Rows(list_, 4);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0][0], "DS Existing") << "the machine's list comes first";
    const std::vector<std::vector<std::string>> expected = {
        {"DS Existing", FileNameOf(notepad), "", "1 Min. : 30 Sec."},
        {"DS Running", FileNameOf(ThisProgram()), "Running", "45 Sec."},
        {"DS Missing", "missing.exe", "Local File not found.", "0 Sec."},
    };
    for (const auto& want : expected) {
        int item = ItemOf(want[0]);
        ASSERT_GE(item, 0) << want[0];
        const auto& row = rows[size_t(item)];
        EXPECT_EQ(Upper(row[1]), Upper(want[1])) << want[0];
        EXPECT_EQ(row[2], want[2]) << want[0];
        EXPECT_EQ(row[3], want[3]) << want[0];
    }
    EXPECT_EQ(SendMessageA(list_, LVM_GETNEXTITEM, WPARAM(-1), LVNI_SELECTED), 0) << "the first row is selected";
    EXPECT_TRUE(SendMessageA(list_, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) & LVS_EX_FULLROWSELECT);
}

TEST_F(DelayedPageTest, ColumnsSortByRunningStateAndByDelay) {
    AddDelayed(HKEY_CURRENT_USER, "C:\\ds-delay\\late.exe", "11", "DS Late", "600");
    AddDelayed(HKEY_CURRENT_USER, ThisProgram(), "11", "DS Running", "45");
    AddDelayed(HKEY_CURRENT_USER, "C:\\ds-delay\\soon.exe", "11", "DS Soon", "5");
    Activate();

    ClickColumn(2);
    EXPECT_EQ(Titles().front(), "DS Running") << "running programs first";
    ClickColumn(3);
    EXPECT_EQ(Titles(), (std::vector<std::string>{"DS Soon", "DS Running", "DS Late"}));
    EXPECT_EQ(ReadOption("SortPrograms", 0), 4);
    ClickColumn(3);
    EXPECT_EQ(Titles(), (std::vector<std::string>{"DS Late", "DS Running", "DS Soon"}));

    // A new fill sorts by the remembered column, in that column's present direction.
    Activate();
    EXPECT_EQ(Titles(), (std::vector<std::string>{"DS Soon", "DS Running", "DS Late"}));
    ClickColumn(0);
    EXPECT_EQ(Titles(), (std::vector<std::string>{"DS Late", "DS Running", "DS Soon"}));
}

TEST_F(DelayedPageTest, RemoveAsksAndPutsBackForgetsOrStops) {
    AddDelayed(HKEY_CURRENT_USER, "C:\\ds-delay\\back.exe", "11", "DS Back", "30");
    SetText(HKEY_CURRENT_USER, kParameters, "C:\\ds-delay\\back.exe", "/b");
    AddDelayed(HKEY_CURRENT_USER, "C:\\ds-delay\\gone.exe", "11", "DS Gone", "30");
    Activate();
    const std::string question = LoadTextString(IDS_CONFIRM_REMOVE_DELAYED);

    delaytest::SelectItems(list_, {ItemOf("DS Back"), ItemOf("DS Gone")});
    auto texts = Command(IDC_REMOVE, {IDCANCEL});
    ASSERT_EQ(texts.size(), 1u) << "Cancel ends the command";
    EXPECT_EQ(texts[0], question);
    EXPECT_EQ(Titles().size(), 2u);

    delaytest::SelectItems(list_, {ItemOf("DS Gone")});
    ASSERT_EQ(Command(IDC_REMOVE, {IDNO}).size(), 1u);
    EXPECT_EQ(Titles(), (std::vector<std::string>{"DS Back"}));
    EXPECT_FALSE(Value(HKEY_CURRENT_USER, kDelay, "C:\\ds-delay\\gone.exe"));
    EXPECT_FALSE(Value(HKEY_CURRENT_USER, kTime, "C:\\ds-delay\\gone.exe"));
    EXPECT_FALSE(Value(HKEY_CURRENT_USER, RunKeyPath(11), "DS Gone")) << "in neither place";

    delaytest::SelectItems(list_, {ItemOf("DS Back")});
    ASSERT_EQ(Command(IDC_REMOVE, {IDYES}).size(), 1u);
    EXPECT_TRUE(Titles().empty());
    EXPECT_EQ(Text(HKEY_CURRENT_USER, RunKeyPath(11), "DS Back"), std::string("\"C:\\ds-delay\\back.exe\" /b"));

    texts = Command(IDC_REMOVE, {IDOK});
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0], LoadTextString(IDS_NO_SELECTION));
}

TEST_F(DelayedPageTest, RestoreCommandPutsEverySelectedProgramBack) {
    AddDelayed(HKEY_CURRENT_USER, "C:\\ds-delay\\one.exe", "11", "DS One", "30");
    AddDelayed(HKEY_CURRENT_USER, "C:\\ds-delay\\two.exe", "11", "DS Two", "30");
    Activate();
    delaytest::SelectItems(list_, {0, 1});
    SendMessageA(page_, WM_COMMAND, WPARAM(kCommandRestoreToStartup), 0);
    EXPECT_TRUE(Titles().empty());
    EXPECT_EQ(Text(HKEY_CURRENT_USER, RunKeyPath(11), "DS One"), std::string("\"C:\\ds-delay\\one.exe\""));
    EXPECT_EQ(Text(HKEY_CURRENT_USER, RunKeyPath(11), "DS Two"), std::string("\"C:\\ds-delay\\two.exe\""));
}

TEST(LaunchProgram, ADllWithAnAppletIsStartedThroughTheApplet) {
    // cmd.exe stands in for RUNDLL32: it shows what the applet is given.
    ScratchFolder folder("C:\\sx-h-delay-launch");
    const std::string marker = folder / "ran.txt";
    const std::string applet = SystemFolderPath() + "\\cmd.exe";
    ASSERT_TRUE(LaunchProgram(HKEY_CURRENT_USER, "/c", "echo ran> " + marker, applet));
    bool ran = false;
    for (int waited = 0; waited < 15000 && !ran; waited += 100, Sleep(100)) ran = IsFile(marker);
    EXPECT_TRUE(ran);
    for (int waited = 0; waited < 5000 && IsFile(marker); waited += 100, Sleep(100)) DeleteFileA(marker.c_str());
}

// ---- Dialog 199 ------------------------------------------------------------

int AnswerStartupType(std::function<void(HWND)> action) {
    testsupport::BoxAnswerer watch(std::move(action));
    int answer = AskStartupProgramType(nullptr);
    watch.Stop();
    EXPECT_TRUE(watch.seen());
    return answer;
}

TEST(StartupTypeDialog, AnswersAllUsersCurrentUserOrNobody) {
    std::string caption;
    UINT currentChecked = 0, allChecked = 1;
    EXPECT_EQ(AnswerStartupType([&](HWND dialog) {
                  char text[128] = {};
                  GetWindowTextA(dialog, text, sizeof(text));
                  caption = text;
                  currentChecked = IsDlgButtonChecked(dialog, IDC_STARTUP_TYPE_CURRENT);
                  allChecked = IsDlgButtonChecked(dialog, IDC_STARTUP_TYPE_ALL);
                  PostMessageA(dialog, WM_COMMAND, IDOK, 0);
              }),
              2);
    EXPECT_EQ(caption, LoadTextString(IDS_STARTUP_TYPE_TITLE));
    EXPECT_EQ(currentChecked, UINT(BST_CHECKED)) << "the current user is the first choice";
    EXPECT_EQ(allChecked, UINT(BST_UNCHECKED));

    EXPECT_EQ(AnswerStartupType([](HWND dialog) {
                  SendMessageA(GetDlgItem(dialog, IDC_STARTUP_TYPE_ALL), BM_CLICK, 0, 0);
                  PostMessageA(dialog, WM_COMMAND, IDOK, 0);
              }),
              1);
    EXPECT_EQ(AnswerStartupType([](HWND dialog) {
                  SendMessageA(GetDlgItem(dialog, IDC_STARTUP_TYPE_ALL), BM_CLICK, 0, 0);
                  PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
              }),
              0);
    EXPECT_EQ(AnswerStartupType([](HWND dialog) { PostMessageA(dialog, WM_CLOSE, 0, 0); }), 0);
}

// ---- Dialog 198 ------------------------------------------------------------

class DelayOptionsDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        saved64_ = IsWindows64();
        SetWindows64(true);
        guard_ = std::make_unique<testsupport::RegistryGuard>(HKEY_CURRENT_USER, "Software\\Orvik Studios");
        SetText(HKEY_CURRENT_USER, kDelay, kProgram, "11");
    }
    void TearDown() override {
        guard_.reset();
        SetWindows64(saved64_);
    }
    static LRESULT Selection(HWND dialog, int id) { return SendDlgItemMessageA(dialog, id, CB_GETCURSEL, 0, 0); }
    static std::string ItemText(HWND dialog, int id) {
        char text[1024] = {};
        GetDlgItemTextA(dialog, id, text, sizeof(text));
        return text;
    }
    bool Run(std::function<void(HWND)> action) {
        testsupport::BoxAnswerer watch(std::move(action));
        bool applied = ShowDelayOptionsDialog(nullptr, HKEY_CURRENT_USER, kProgram);
        watch.Stop();
        EXPECT_TRUE(watch.seen());
        return applied;
    }

    const std::string kProgram = "C:\\ds-delay\\options.exe";

private:
    bool saved64_ = false;
    std::unique_ptr<testsupport::RegistryGuard> guard_;
};

TEST_F(DelayOptionsDialogTest, ShowsTheStoredOptionsAndApplyWritesTheNewOnes) {
    SetText(HKEY_CURRENT_USER, kTime, kProgram, "90");
    SetText(HKEY_CURRENT_USER, kOpenAs, kProgram, "2");
    SetText(HKEY_CURRENT_USER, kTitle, kProgram, "DS Title");
    SetText(HKEY_CURRENT_USER, kParameters, kProgram, "-p");

    struct Seen {
        std::string caption, title, parameters, openAsText;
        LRESULT minutes = -1, seconds = -1, openAs = -1, minuteCount = 0, secondCount = 0, openAsCount = 0;
    } seen;
    bool applied = Run([&](HWND dialog) {
        char caption[128] = {};
        GetWindowTextA(dialog, caption, sizeof(caption));
        seen.caption = caption;
        seen.minutes = Selection(dialog, IDC_DELAY_MINUTES);
        seen.seconds = Selection(dialog, IDC_DELAY_SECONDS);
        seen.openAs = Selection(dialog, IDC_DELAY_OPEN_AS);
        seen.minuteCount = SendDlgItemMessageA(dialog, IDC_DELAY_MINUTES, CB_GETCOUNT, 0, 0);
        seen.secondCount = SendDlgItemMessageA(dialog, IDC_DELAY_SECONDS, CB_GETCOUNT, 0, 0);
        seen.openAsCount = SendDlgItemMessageA(dialog, IDC_DELAY_OPEN_AS, CB_GETCOUNT, 0, 0);
        seen.openAsText = ItemText(dialog, IDC_DELAY_OPEN_AS);
        seen.title = ItemText(dialog, IDC_DELAY_TITLE);
        seen.parameters = ItemText(dialog, IDC_DELAY_PARAMETERS);

        SendDlgItemMessageA(dialog, IDC_DELAY_MINUTES, CB_SETCURSEL, 2, 0);
        SendDlgItemMessageA(dialog, IDC_DELAY_SECONDS, CB_SETCURSEL, 4, 0);
        SendDlgItemMessageA(dialog, IDC_DELAY_OPEN_AS, CB_SETCURSEL, 1, 0);
        SetDlgItemTextA(dialog, IDC_DELAY_TITLE, "DS New Title");
        SetDlgItemTextA(dialog, IDC_DELAY_PARAMETERS, "");
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(seen.caption, LoadTextString(IDS_DELAY_OPTIONS_TITLE));
    EXPECT_EQ(seen.minutes, 1);
    EXPECT_EQ(seen.seconds, 3);
    EXPECT_EQ(seen.openAs, 2);
    EXPECT_EQ(seen.minuteCount, 61);
    EXPECT_EQ(seen.secondCount, 6);
    EXPECT_EQ(seen.openAsCount, 3);
    EXPECT_EQ(seen.openAsText, LoadTextString(IDS_OPEN_MAXIMIZED));
    EXPECT_EQ(seen.title, "DS Title");
    EXPECT_EQ(seen.parameters, "-p");

    EXPECT_TRUE(applied);
    EXPECT_EQ(Text(HKEY_CURRENT_USER, kTime, kProgram), std::string("160"));
    EXPECT_EQ(Text(HKEY_CURRENT_USER, kOpenAs, kProgram), std::string("1"));
    EXPECT_EQ(Text(HKEY_CURRENT_USER, kTitle, kProgram), std::string("DS New Title"));
    EXPECT_EQ(Text(HKEY_CURRENT_USER, kParameters, kProgram), std::string("")) << "an empty text is written";
}

TEST_F(DelayOptionsDialogTest, CloseWritesNothingAndApplyKeepsAnOddDelay) {
    SetText(HKEY_CURRENT_USER, kTime, kProgram, "45");
    std::string secondsText;
    LRESULT openAs = -1;
    EXPECT_FALSE(Run([&](HWND dialog) {
        secondsText = ItemText(dialog, IDC_DELAY_SECONDS);
        openAs = Selection(dialog, IDC_DELAY_OPEN_AS);
        SendDlgItemMessageA(dialog, IDC_DELAY_MINUTES, CB_SETCURSEL, 5, 0);
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    }));
    EXPECT_EQ(secondsText, "45") << "a delay the boxes do not list is shown as it is";
    EXPECT_EQ(openAs, 0) << "no stored window state: normal";
    EXPECT_EQ(Text(HKEY_CURRENT_USER, kTime, kProgram), std::string("45"));
    EXPECT_FALSE(Value(HKEY_CURRENT_USER, kOpenAs, kProgram));
    EXPECT_FALSE(Value(HKEY_CURRENT_USER, kTitle, kProgram));

    EXPECT_TRUE(Run([](HWND dialog) { PostMessageA(dialog, WM_COMMAND, IDOK, 0); }));
    EXPECT_EQ(Text(HKEY_CURRENT_USER, kTime, kProgram), std::string("45"));
    EXPECT_EQ(Text(HKEY_CURRENT_USER, kOpenAs, kProgram), std::string("0"));
}

}  // namespace
