// Drives SentrivoxEx from outside, as a user would: starts it, finds its
// windows, reads tabs, lists and message boxes, presses buttons and closes it.
// Every wait is bounded, so a hung program fails a test instead of the run.
// Built for the same architecture as the program, so the control structures
// copied into its address space have the layout it expects.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace driver {

inline constexpr DWORD kDefaultTimeoutMs = 10000;
inline constexpr const char* kMainWindowClass = "SentrivoxEx";
inline constexpr const char* kMonitorWindowClass = "Sentrivox";
inline constexpr int kPageCloseButton = 1004;
inline constexpr int kStatusBarId = 6050;

// The folder of the running program (no trailing backslash) and the programs beside it.
std::string ExeFolder();
std::string ProgramPath();               // SentrivoxEx.exe
std::string ToolPath(std::string_view name);  // <name>.exe

// A started process; killed when still running at destruction.
class Process {
public:
    Process() = default;
    ~Process();
    Process(Process&& other) noexcept;
    Process& operator=(Process&& other) noexcept;
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    // Starts exePath with "exePath" arguments as its command line. Each entry of
    // environment ("NAME=value") replaces or adds one variable of this process's
    // environment. An empty Process (started() false) on failure.
    static Process Start(std::string_view exePath, std::string_view arguments,
                         const std::vector<std::string>& environment = {});

    bool started() const { return handle_ != nullptr; }
    DWORD id() const { return id_; }
    HANDLE handle() const { return handle_; }
    bool Running() const;
    // The exit code, or nothing when the process still runs after timeoutMs.
    std::optional<DWORD> WaitExit(DWORD timeoutMs = kDefaultTimeoutMs);
    // Ends the process (exit code 1) when it still runs and waits for it.
    void Kill();

private:
    HANDLE handle_ = nullptr;
    DWORD id_ = 0;
};

// SentrivoxEx.exe from the folder of the running program.
Process StartProgram(std::string_view arguments, const std::vector<std::string>& environment = {});

// Ends every process whose executable has one of these file names (case does
// not matter), for test teardown: programs the program itself started, or
// a second instance a failing test left behind.
void KillProcessesNamed(const std::vector<std::string>& exeNames);

// Polls cond every pollMs until it holds or timeoutMs passes.
bool WaitUntil(const std::function<bool()>& cond, DWORD timeoutMs = kDefaultTimeoutMs, DWORD pollMs = 50);

// Windows.
std::string ClassOf(HWND window);
std::string TextOf(HWND window);        // WM_GETTEXT, marshalled by the system across processes
DWORD ProcessOf(HWND window);
// Top-level windows of a process (pid 0: of any process), optionally of one class.
std::vector<HWND> TopLevelWindows(DWORD pid, std::string_view className = {});
std::vector<HWND> Descendants(HWND parent, std::string_view className = {});
HWND FindDescendantById(HWND parent, int id);
// A descendant whose text equals text, ignoring "&" accelerator marks and case.
HWND FindDescendantByText(HWND parent, std::string_view text);
HWND WaitForTopLevel(DWORD pid, std::string_view className, DWORD timeoutMs = kDefaultTimeoutMs);
// The main window of SentrivoxEx (class "SentrivoxEx") of a process (0: any).
HWND FindMainWindow(DWORD pid = 0);

// The property sheet: a visible top-level dialog holding a tab control.
HWND FindSheet(DWORD pid = 0);
std::vector<HWND> Sheets(DWORD pid = 0);
HWND WaitForSheet(DWORD pid = 0, DWORD timeoutMs = kDefaultTimeoutMs);
HWND SheetTabControl(HWND sheet);
std::vector<std::string> TabTexts(HWND sheet);
int SelectedTab(HWND sheet);
bool SelectTab(HWND sheet, int index);
HWND CurrentPage(HWND sheet);
// The dialog template id of the visible page, 0 when unknown.
int CurrentPageTemplate(HWND sheet);
// The text of part 0 of the sheet's status bar (control 6050).
std::string StatusText(HWND sheet);
// Closes the sheet as a user does: the visible page's "Close" button (1004)
// when it has one, otherwise WM_CLOSE to the sheet.
bool CloseSheet(HWND sheet);

// Buttons and check boxes (searched among all descendants of parent).
bool ClickButton(HWND parent, int id);                        // BM_CLICK, posted
bool ClickButtonByText(HWND parent, std::string_view text);   // BM_CLICK, posted
bool PostCommand(HWND parent, int id);                        // WM_COMMAND BN_CLICKED, posted
int CheckState(HWND parent, int id);                          // BST_*, -1 without such a control
// Clicks the check box when its state differs and waits for the change.
bool SetCheck(HWND parent, int id, bool checked, DWORD timeoutMs = kDefaultTimeoutMs);

// Message boxes and notes: a top-level dialog of the process without a tab
// control, showing a static text.
struct MessageBoxInfo {
    HWND window = nullptr;
    std::string caption;
    std::string text;
};
std::optional<MessageBoxInfo> FindMessageBox(DWORD pid);
std::optional<MessageBoxInfo> WaitForMessageBox(DWORD pid, DWORD timeoutMs = kDefaultTimeoutMs);
// Answers with IDOK, IDYES, IDNO, ... and waits until the box is gone.
bool AnswerMessageBox(HWND box, int answer, DWORD timeoutMs = kDefaultTimeoutMs);

// List views of another process.
std::vector<HWND> ListViews(HWND parent);
int ListViewRowCount(HWND list);
std::vector<std::string> ListViewColumns(HWND list);
std::string ListViewCell(HWND list, int row, int column);
std::vector<std::vector<std::string>> ListViewRows(HWND list);
bool SelectListViewRow(HWND list, int row);
int SelectedListViewRow(HWND list);   // -1 when none

}  // namespace driver
