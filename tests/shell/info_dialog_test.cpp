#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "support/box_answerer.h"
#include "res/info_ids.h"
#include "res/resource_ids.h"
#include "shell/list_store.h"
#include "shell/load_text.h"
#include "shell/options.h"
#include "base/registry.h"
#include "shell/info_dialog.h"
#include "shell/info_notes.h"
#include "shell/online_lookup.h"
#include "base/processes.h"
#include "base/program_folders.h"
#include "support/test_files.h"
#include "support/window_driver.h"

namespace {

std::string Text(HWND dialog, int id) { return driver::TextOf(GetDlgItem(dialog, id)); }
bool Visible(HWND dialog, int id) { return IsWindowVisible(GetDlgItem(dialog, id)) != FALSE; }
bool Enabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE; }
bool ReadOnly(HWND dialog, int id) { return (GetWindowLongPtrA(GetDlgItem(dialog, id), GWL_STYLE) & ES_READONLY) != 0; }
// A user's click; the dialog's thread handles it before this returns.
void Click(HWND dialog, int id) { SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }
std::string Str(int id) { return LoadTextString(id); }

void TypeIntoNote(HWND dialog, const char* text, bool replaceAll) {
    HWND note = GetDlgItem(dialog, IDC_INFO_NOTE);
    int end = replaceAll ? 0 : GetWindowTextLengthA(note);
    SendMessageA(note, EM_SETSEL, end, -1);
    SendMessageA(note, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text));
}

int ScreenDpi() {
    HDC screen = GetDC(nullptr);
    int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

int WindowHeight(HWND window) {
    RECT frame;
    GetWindowRect(window, &frame);
    return frame.bottom - frame.top;
}

// The message box that the dialog's thread shows over the dialog.
HWND WaitForMessageBoxOver(HWND dialog) {
    DWORD thread = GetWindowThreadProcessId(dialog, nullptr);
    HWND box = nullptr;
    driver::WaitUntil([&] { return (box = testsupport::FindThreadDialog(thread, dialog)) != nullptr; }, 5000);
    return box;
}

}  // namespace

// Rows in the shared store, scratch files under C:\info_dialog_test, and the
// settings the dialog writes (expanded state, placement) put back afterwards.
class InfoDialog : public ::testing::Test {
protected:
    void SetUp() override {
        ListStoreClear();
        expand_.Set("0");
        char self[MAX_PATH] = {};
        GetModuleFileNameA(nullptr, self, MAX_PATH);
        self_ = self;
    }
    void TearDown() override {
        ListStoreClear();
        for (const auto& note : notes_) DeleteFileA(note.c_str());
    }

    void AddRow(const std::string& title, const std::string& path, int type, const std::string& description = {}) {
        ASSERT_TRUE(ListStoreAppend(title, path, "", description, type, 0));
    }
    // Runs the dialog on row index; script acts on it from a second thread as
    // a user would, then it is closed.
    int Run(int index, const std::function<void(HWND)>& script, HWND list = nullptr) {
        testsupport::BoxAnswerer watch([&](HWND dialog) {
            script(dialog);
            Click(dialog, IDOK);
        });
        int shown = ShowInformationDialog(nullptr, list, index);
        watch.Stop();
        EXPECT_TRUE(watch.seen());
        return shown;
    }
    // The note file of a command line, removed now and after the test.
    std::string NoteOf(const std::string& path) {
        FixedText<MAX_PATH> note;
        NoteFilePath(path, note);
        notes_.push_back(std::string(note.view()));
        DeleteFileA(note.c_str());
        return notes_.back();
    }

    ScratchFolder folder_{"C:\\info_dialog_test"};
    std::string self_;
    std::vector<std::string> notes_;
    testsupport::RegistryGuard expand_{HKEY_CURRENT_USER, kOptionsKey, "ExpandInfo"};
    testsupport::RegistryGuard startTab_{HKEY_CURRENT_USER, kOptionsKey, "StartTab"};
    testsupport::RegistryGuard update_{HKEY_CURRENT_USER, kOptionsKey, "Update"};
    testsupport::RegistryGuard x_{HKEY_CURRENT_USER, kProgramKey, "xInfo"}, y_{HKEY_CURRENT_USER, kProgramKey, "yInfo"};
    testsupport::RegistryGuard dx_{HKEY_CURRENT_USER, kProgramKey, "dxInfo"}, dy_{HKEY_CURRENT_USER, kProgramKey, "dyInfo"};
};

TEST_F(InfoDialog, ArrowsStepThroughTheStoreAndWrapAtBothEnds) {
    AddRow("Alpha", folder_ / "alpha.exe", 1);
    AddRow("Beta", folder_ / "beta.exe", 1);
    AddRow("Gamma", folder_ / "gamma.exe", 1);
    // The page's list shows the rows in another order, as a sorted list does.
    InitCommonControls();
    HWND list = CreateWindowA(WC_LISTVIEWA, "", WS_POPUP | LVS_REPORT, 0, 0, 200, 200, nullptr, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(list, nullptr);
    for (int row : {2, 0, 1}) {
        LVITEMA item = {};
        item.mask = LVIF_TEXT | LVIF_PARAM;
        item.iItem = 99;
        item.pszText = const_cast<char*>("row");
        item.lParam = row;
        SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    }

    std::vector<std::string> captions, descriptions;
    auto look = [&](HWND dialog) {
        captions.push_back(driver::TextOf(dialog));
        descriptions.push_back(Text(dialog, IDC_INFO_DESCRIPTION));
    };
    int shown = Run(2, [&](HWND dialog) {
        look(dialog);
        Click(dialog, IDC_INFO_NEXT);  // from the last row to the first
        look(dialog);
        Click(dialog, IDC_INFO_PREVIOUS);  // from the first row to the last
        look(dialog);
        Click(dialog, IDC_INFO_PREVIOUS);
        look(dialog);
    }, list);

    const std::vector<std::string> expected = {"Gamma", "Alpha", "Gamma", "Beta"};
    EXPECT_EQ(captions, expected);
    EXPECT_EQ(descriptions, expected);  // no version resource: the title stands for the description
    EXPECT_EQ(shown, 1);
    int selected = int(SendMessageA(list, LVM_GETNEXTITEM, WPARAM(-1), LVNI_SELECTED));
    LVITEMA item = {};
    item.mask = LVIF_PARAM;
    item.iItem = selected;
    SendMessageA(list, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(item.lParam, 1);
    EXPECT_EQ(SendMessageA(list, LVM_GETSELECTEDCOUNT, 0, 0), 1);
    DestroyWindow(list);
}

TEST_F(InfoDialog, StatusAndButtonsFollowTheFileAndTheItemType) {
    const std::string ready = folder_ / "ready.exe";
    ASSERT_TRUE(CopyFileA(self_.c_str(), ready.c_str(), FALSE));
    struct Case {
        const char* name;
        std::string path;
        int type;
        std::string status;  // empty: the status is hidden
        bool kill, run, icon;
    };
    const Case cases[] = {
        {"running", self_, 1, Str(IDS_STATE_RUNNING), true, false, true},
        {"ready", ready, 11, Str(IDS_READY), false, true, true},
        {"missing", folder_ / "missing.exe", 1, Str(IDS_FILE_NOT_FOUND), false, false, false},
        {"hidden file", ready, 370, "", false, false, true},
        {"browser helper that runs", self_, 900, "", false, false, true},
        {"missing ActiveX file", folder_ / "gone.dll", 1200, Str(IDS_FILE_NOT_FOUND), false, false, false},
    };
    for (const Case& c : cases) AddRow(c.name, c.path, c.type);

    struct Seen { std::string caption, status; bool statusShown, label, kill, run, icon; };
    std::vector<Seen> seen;
    std::string locationLine, location;
    Run(0, [&](HWND dialog) {
        locationLine = Text(dialog, IDC_INFO_LOCATION_LINE);
        location = Text(dialog, IDC_INFO_LOCATION);
        for (size_t i = 0; i < std::size(cases); ++i) {
            bool icon = SendDlgItemMessageA(dialog, IDC_INFO_ICON, STM_GETICON, 0, 0) != 0;
            seen.push_back({driver::TextOf(dialog), Text(dialog, IDC_INFO_STATUS), Visible(dialog, IDC_INFO_STATUS),
                            Visible(dialog, IDC_INFO_STATUS_LABEL), Visible(dialog, IDC_INFO_KILL),
                            Visible(dialog, IDC_INFO_RUN), icon});
            Click(dialog, IDC_INFO_NEXT);
        }
    });

    ASSERT_EQ(seen.size(), std::size(cases));
    for (size_t i = 0; i < seen.size(); ++i) {
        const Case& c = cases[i];
        const Seen& s = seen[i];
        EXPECT_EQ(s.caption, c.name);
        EXPECT_EQ(s.statusShown, !c.status.empty()) << c.name;
        EXPECT_EQ(s.label, !c.status.empty()) << c.name;
        if (!c.status.empty()) {
            EXPECT_EQ(s.status, c.status) << c.name;
        }
        EXPECT_EQ(s.kill, c.kill) << c.name;
        EXPECT_EQ(s.run, c.run) << c.name;
        EXPECT_EQ(s.icon, c.icon) << c.name;
    }
    EXPECT_EQ(location, "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Run");
    EXPECT_EQ(locationLine, Str(IDS_STARTUP_LOCATION) + " " + location);
}

TEST_F(InfoDialog, CreatedAndSavedNoteIsLoadedAtTheNextOpening) {
    const std::string path = folder_ / "noted.exe";
    AddRow("Noted Program", path, 1, "What the scanner found.");
    const std::string notePath = NoteOf(path);

    struct Seen { std::string button, text; bool readOnly = false, saveEnabled = false; };
    auto look = [](HWND dialog) {
        return Seen{Text(dialog, IDC_INFO_NOTE_BUTTON), Text(dialog, IDC_INFO_NOTE), ReadOnly(dialog, IDC_INFO_NOTE),
                    Enabled(dialog, IDC_INFO_NOTE_BUTTON)};
    };
    Seen before, created, typed, saved;
    std::string fileAfterCreate;
    Run(0, [&](HWND dialog) {
        before = look(dialog);
        Click(dialog, IDC_INFO_NOTE_BUTTON);
        created = look(dialog);
        fileAfterCreate = ReadWholeFile(notePath);
        TypeIntoNote(dialog, "Keeps my mail in sync.", false);
        typed = look(dialog);
        Click(dialog, IDC_INFO_NOTE_BUTTON);
        saved = look(dialog);
    });

    EXPECT_EQ(before.button, Str(IDS_CREATE_NOTE));
    EXPECT_EQ(before.text, "What the scanner found.");
    EXPECT_TRUE(before.readOnly);
    const std::string start = "Noted Program\r\nC:\\INFO_DIALOG_TEST\\NOTED.EXE\r\n";
    EXPECT_EQ(created.button, Str(IDS_SAVE_NOTE));
    EXPECT_EQ(created.text, start);
    EXPECT_FALSE(created.readOnly);
    EXPECT_EQ(fileAfterCreate, start);
    EXPECT_TRUE(typed.saveEnabled);
    EXPECT_FALSE(saved.saveEnabled);
    EXPECT_EQ(ReadWholeFile(notePath), start + "Keeps my mail in sync.");

    Seen reopened;
    Run(0, [&](HWND dialog) { reopened = look(dialog); });
    EXPECT_EQ(reopened.button, Str(IDS_SAVE_NOTE));
    EXPECT_EQ(reopened.text, start + "Keeps my mail in sync.");
    EXPECT_FALSE(reopened.readOnly);
}

TEST_F(InfoDialog, TypedNoteIsKeptWhenTheUserStepsAwayOrCloses) {
    const std::string first = folder_ / "first.exe", second = folder_ / "second.exe";
    AddRow("First", first, 1);
    AddRow("Second", second, 1);
    const std::string firstNote = NoteOf(first), secondNote = NoteOf(second);
    ASSERT_TRUE(ScratchFolder::Write(firstNote, "old words\n"));
    ASSERT_TRUE(ScratchFolder::Write(secondNote, "second note"));

    std::string shownFirst;
    Run(0, [&](HWND dialog) {
        shownFirst = Text(dialog, IDC_INFO_NOTE);
        TypeIntoNote(dialog, "new words", true);
        Click(dialog, IDC_INFO_NEXT);
        TypeIntoNote(dialog, " and more", false);
    });
    EXPECT_EQ(shownFirst, "old words\r\n");  // a bare line feed is shown as a line break
    EXPECT_EQ(ReadWholeFile(firstNote), "new words");
    EXPECT_EQ(ReadWholeFile(secondNote), "second note and more");
}

TEST_F(InfoDialog, NoteLongerThanTheBoxIsShownReadOnlyAndNeverCut) {
    const std::string path = folder_ / "long.exe";
    AddRow("Long", path, 1);
    const std::string notePath = NoteOf(path);
    const std::string text = std::string(kNoteTextMax + 100, 'x') + "END";
    ASSERT_TRUE(ScratchFolder::Write(notePath, text));

    size_t shown = 0;
    bool readOnly = false, saveEnabled = true;
    Run(0, [&](HWND dialog) {
        shown = size_t(GetWindowTextLengthA(GetDlgItem(dialog, IDC_INFO_NOTE)));
        readOnly = ReadOnly(dialog, IDC_INFO_NOTE);
        saveEnabled = Enabled(dialog, IDC_INFO_NOTE_BUTTON);
        Click(dialog, IDC_INFO_NOTE_BUTTON);
    });
    EXPECT_EQ(shown, kNoteTextMax);
    EXPECT_TRUE(readOnly);
    EXPECT_FALSE(saveEnabled);
    const std::string after = ReadWholeFile(notePath);
    EXPECT_EQ(after.size(), text.size());
    EXPECT_TRUE(after == text);
}

TEST_F(InfoDialog, ExpandInfoShowsTheNoteAndDatesAndIsRemembered) {
    AddRow("Self", self_, 1);
    const int dpi = ScreenDpi();
    struct Seen { int height; bool note, dates; std::string button; };
    auto look = [](HWND dialog) {
        return Seen{WindowHeight(dialog), Visible(dialog, IDC_INFO_NOTE), Visible(dialog, IDC_INFO_CREATED),
                    Text(dialog, IDC_INFO_EXPAND)};
    };
    Seen shrunk, expanded, reopened;
    std::string created, size;
    Run(0, [&](HWND dialog) {
        shrunk = look(dialog);
        Click(dialog, IDC_INFO_EXPAND);
        expanded = look(dialog);
        created = Text(dialog, IDC_INFO_CREATED);
        size = Text(dialog, IDC_INFO_SIZE);
    });
    Run(0, [&](HWND dialog) { reopened = look(dialog); });

    EXPECT_EQ(shrunk.height, InfoDialogHeight(false, dpi));
    EXPECT_FALSE(shrunk.note);
    EXPECT_FALSE(shrunk.dates);
    EXPECT_EQ(shrunk.button, Str(IDS_EXPAND_INFO));
    EXPECT_EQ(expanded.height, InfoDialogHeight(true, dpi));
    EXPECT_TRUE(expanded.note);
    EXPECT_TRUE(expanded.dates);
    EXPECT_EQ(expanded.button, Str(IDS_SHRINK_WINDOW));
    EXPECT_FALSE(created.empty());
    EXPECT_FALSE(size.empty());
    EXPECT_EQ(ReadOption("ExpandInfo", 0), 1);
    EXPECT_EQ(reopened.height, InfoDialogHeight(true, dpi));
    EXPECT_TRUE(reopened.note);
}

TEST(InfoDialogHeight, ScalesWithTheScreensDotsPerInch) {
    EXPECT_EQ(InfoDialogHeight(false, 96), 246);
    EXPECT_EQ(InfoDialogHeight(true, 96), 421);
    EXPECT_EQ(InfoDialogHeight(false, 120), 308);  // 307.5, rounded
    EXPECT_EQ(InfoDialogHeight(true, 144), 632);
}

TEST_F(InfoDialog, KillTaskEndsTheRunningProgramAfterAsking) {
    testsupport::RegistryGuard history(HKEY_CURRENT_USER, kOptionsKey, "History");
    history.Set("0");
    const std::string tool = driver::ToolPath("idle_program");
    ASSERT_NE(GetFileAttributesA(tool.c_str()), INVALID_FILE_ATTRIBUTES) << tool;
    driver::Process idle = driver::Process::Start(tool, "60");
    ASSERT_TRUE(idle.started());
    ASSERT_TRUE(driver::WaitUntil([&] { return IsProgramRunning(tool) == idle.id(); }, 5000));
    AddRow("Idle Tool", tool, 1);

    std::string before, after, question;
    bool killBefore = false, killAfter = true, runAfter = false;
    Run(0, [&](HWND dialog) {
        before = Text(dialog, IDC_INFO_STATUS);
        killBefore = Visible(dialog, IDC_INFO_KILL);
        // Posted: the question holds the dialog's thread until it is answered.
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_INFO_KILL, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDC_INFO_KILL)));
        HWND box = WaitForMessageBoxOver(dialog);
        if (!box) return;
        if (HWND text = GetDlgItem(box, 0xFFFF)) question = driver::TextOf(text);
        driver::AnswerMessageBox(box, IDYES);
        driver::WaitUntil([&] { return Text(dialog, IDC_INFO_STATUS) == Str(IDS_READY); }, 5000);
        after = Text(dialog, IDC_INFO_STATUS);
        killAfter = Visible(dialog, IDC_INFO_KILL);
        runAfter = Visible(dialog, IDC_INFO_RUN);
    });

    EXPECT_EQ(before, Str(IDS_STATE_RUNNING));
    EXPECT_TRUE(killBefore);
    EXPECT_NE(question.find("Idle Tool is currently an actively running program"), std::string::npos) << question;
    EXPECT_TRUE(idle.WaitExit(5000).has_value());
    EXPECT_EQ(after, Str(IDS_READY));
    EXPECT_FALSE(killAfter);
    EXPECT_TRUE(runAfter);
}

TEST_F(InfoDialog, PlusInfoOpensTheLookUpOfTheItemShown) {
    testsupport::RegistryGuard server(HKEY_CURRENT_USER, kProgramKey, "Server");
    server.Set("http://127.0.0.1:8/");
    testsupport::RegistryGuard plusFormat(HKEY_CURRENT_USER, kOptionsKey, "PlusFormat");
    plusFormat.Remove();
    std::vector<std::string> opened;
    LookupLaunchers launchers;
    launchers.shellOpen = [&](const std::string& target) -> INT_PTR {
        opened.push_back(target);
        return 42;
    };
    SetLookupLaunchers(std::move(launchers));

    AddRow("First", folder_ / "first.exe", 1);
    AddRow("Tom & Jerry", folder_ / "Tom & Jerry #1.exe", 12);
    Run(0, [&](HWND dialog) {
        Click(dialog, IDC_INFO_NEXT);
        Click(dialog, IDC_INFO_PLUS);
    });
    SetLookupLaunchers({});

    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0].rfind("http://127.0.0.1:8/cgi-bin/plusinfo.pl?program=TOM%20+%20JERRY%20%231.EXE&", 0), 0u)
        << opened[0];
    EXPECT_NE(opened[0].find("&Type=12&"), std::string::npos) << opened[0];
}
