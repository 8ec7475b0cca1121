#include "support/window_driver.h"

#include <commctrl.h>
#include <prsht.h>
#include <tlhelp32.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <map>
#include <utility>

namespace driver {

namespace {

// A message to another process that gives up instead of hanging on a hung program.
constexpr UINT kSendTimeoutMs = 5000;

LRESULT Send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kSendTimeoutMs, &result))
        return 0;
    return LRESULT(result);
}

std::string Lower(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = char(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

std::string WithoutAccelerators(std::string_view text) {
    std::string out;
    for (char c : text)
        if (c != '&') out += c;
    return out;
}

// Memory in the address space of the process that owns a window, for the
// control messages whose arguments are pointers: the system copies nothing
// for them across processes.
class RemoteMemory {
public:
    RemoteMemory(HWND window, size_t size) : size_(size) {
        process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, ProcessOf(window));
        if (process_) address_ = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    }
    ~RemoteMemory() {
        if (address_) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
        if (process_) CloseHandle(process_);
    }
    RemoteMemory(const RemoteMemory&) = delete;
    RemoteMemory& operator=(const RemoteMemory&) = delete;

    bool valid() const { return address_ != nullptr; }
    char* at(size_t offset) const { return static_cast<char*>(address_) + offset; }
    bool Write(size_t offset, const void* data, size_t size) {
        if (!address_ || offset + size > size_) return false;
        SIZE_T done = 0;
        return WriteProcessMemory(process_, at(offset), data, size, &done) && done == size;
    }
    bool Read(size_t offset, void* data, size_t size) const {
        if (!address_ || offset + size > size_) return false;
        SIZE_T done = 0;
        return ReadProcessMemory(process_, at(offset), data, size, &done) && done == size;
    }
    // A zero-terminated text at offset, at most max characters.
    std::string ReadText(size_t offset, size_t max) const {
        std::string text(max, '\0');
        if (!Read(offset, text.data(), max)) return {};
        text.resize(strnlen(text.c_str(), max));
        return text;
    }

private:
    HANDLE process_ = nullptr;
    void* address_ = nullptr;
    size_t size_ = 0;
};

constexpr size_t kRemoteText = 1024;

struct EnumState {
    DWORD pid;
    std::string className;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM param) {
    auto* state = reinterpret_cast<EnumState*>(param);
    if (state->pid && ProcessOf(window) != state->pid) return TRUE;
    if (!state->className.empty() && Lower(ClassOf(window)) != state->className) return TRUE;
    state->found.push_back(window);
    return TRUE;
}

bool HasTabControl(HWND dialog) {
    return !Descendants(dialog, WC_TABCONTROLA).empty();
}

HWND StatusBarOf(HWND sheet) {
    for (HWND child : Descendants(sheet, STATUSCLASSNAMEA))
        if (GetParent(child) == sheet) return child;
    return FindDescendantById(sheet, kStatusBarId);
}

std::vector<char> EnvironmentBlock(const std::vector<std::string>& changes) {
    std::map<std::string, std::string> order;  // upper-case name -> "NAME=value"
    std::vector<std::string> entries;
    if (char* block = GetEnvironmentStringsA()) {
        for (const char* p = block; *p; p += std::strlen(p) + 1) entries.emplace_back(p);
        FreeEnvironmentStringsA(block);
    }
    auto nameOf = [](const std::string& entry) {
        // Entries such as "=C:=C:\dir" start with '='; their name includes it.
        size_t eq = entry.find('=', 1);
        std::string name = entry.substr(0, eq);
        for (char& c : name) c = char(std::toupper(static_cast<unsigned char>(c)));
        return name;
    };
    for (const std::string& change : changes) {
        std::string name = nameOf(change);
        auto same = [&](const std::string& e) { return nameOf(e) == name; };
        entries.erase(std::remove_if(entries.begin(), entries.end(), same), entries.end());
        entries.push_back(change);
    }
    std::vector<char> block;
    for (const std::string& e : entries) {
        block.insert(block.end(), e.begin(), e.end());
        block.push_back('\0');
    }
    block.push_back('\0');
    return block;
}

}  // namespace

std::string ExeFolder() {
    char path[MAX_PATH * 2] = {};
    DWORD n = GetModuleFileNameA(nullptr, path, DWORD(sizeof(path)));
    std::string text(path, n);
    size_t slash = text.find_last_of("\\/");
    return slash == std::string::npos ? std::string(".") : text.substr(0, slash);
}

std::string ProgramPath() { return ExeFolder() + "\\SentrivoxEx.exe"; }

std::string ToolPath(std::string_view name) { return ExeFolder() + "\\" + std::string(name) + ".exe"; }

// ---- Process ----

Process::~Process() {
    Kill();
    if (handle_) CloseHandle(handle_);
}

Process::Process(Process&& other) noexcept
    : handle_(std::exchange(other.handle_, nullptr)), id_(std::exchange(other.id_, 0)) {}

Process& Process::operator=(Process&& other) noexcept {
    if (this != &other) {
        Kill();
        if (handle_) CloseHandle(handle_);
        handle_ = std::exchange(other.handle_, nullptr);
        id_ = std::exchange(other.id_, 0);
    }
    return *this;
}

Process Process::Start(std::string_view exePath, std::string_view arguments,
                       const std::vector<std::string>& environment) {
    std::string commandLine = "\"" + std::string(exePath) + "\"";
    if (!arguments.empty()) commandLine += " " + std::string(arguments);
    std::vector<char> mutableLine(commandLine.begin(), commandLine.end());
    mutableLine.push_back('\0');
    std::vector<char> env;
    if (!environment.empty()) env = EnvironmentBlock(environment);

    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info = {};
    std::string exe(exePath);
    Process process;
    if (!CreateProcessA(exe.c_str(), mutableLine.data(), nullptr, nullptr, FALSE, 0,
                        env.empty() ? nullptr : env.data(), nullptr, &startup, &info))
        return process;
    CloseHandle(info.hThread);
    process.handle_ = info.hProcess;
    process.id_ = info.dwProcessId;
    return process;
}

bool Process::Running() const {
    return handle_ && WaitForSingleObject(handle_, 0) == WAIT_TIMEOUT;
}

std::optional<DWORD> Process::WaitExit(DWORD timeoutMs) {
    if (!handle_) return std::nullopt;
    if (WaitForSingleObject(handle_, timeoutMs) != WAIT_OBJECT_0) return std::nullopt;
    DWORD code = 0;
    if (!GetExitCodeProcess(handle_, &code)) return std::nullopt;
    return code;
}

void Process::Kill() {
    if (!Running()) return;
    TerminateProcess(handle_, 1);
    WaitForSingleObject(handle_, 5000);
}

Process StartProgram(std::string_view arguments, const std::vector<std::string>& environment) {
    return Process::Start(ProgramPath(), arguments, environment);
}

void KillProcessesNamed(const std::vector<std::string>& exeNames) {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return;
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof(entry);
    std::vector<DWORD> victims;
    for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry)) {
        if (entry.th32ProcessID == GetCurrentProcessId()) continue;
        std::string exe = Lower(entry.szExeFile);
        size_t slash = exe.find_last_of("\\/");
        if (slash != std::string::npos) exe = exe.substr(slash + 1);
        for (const std::string& name : exeNames)
            if (exe == Lower(name)) victims.push_back(entry.th32ProcessID);
    }
    CloseHandle(snapshot);
    for (DWORD pid : victims) {
        HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid);
        if (!process) continue;
        TerminateProcess(process, 1);
        WaitForSingleObject(process, 5000);
        CloseHandle(process);
    }
}

bool WaitUntil(const std::function<bool()>& cond, DWORD timeoutMs, DWORD pollMs) {
    DWORD start = GetTickCount();
    for (;;) {
        if (cond()) return true;
        if (GetTickCount() - start >= timeoutMs) return cond();
        Sleep(pollMs);
    }
}

// ---- Windows ----

std::string ClassOf(HWND window) {
    char name[256] = {};
    int n = GetClassNameA(window, name, int(sizeof(name)));
    return std::string(name, n > 0 ? size_t(n) : 0);
}

std::string TextOf(HWND window) {
    char text[4096] = {};
    DWORD_PTR n = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXT, sizeof(text), reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                             kSendTimeoutMs, &n))
        return {};
    return std::string(text, strnlen(text, sizeof(text)));
}

DWORD ProcessOf(HWND window) {
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    return pid;
}

std::vector<HWND> TopLevelWindows(DWORD pid, std::string_view className) {
    EnumState state{pid, Lower(className), {}};
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&state));
    return state.found;
}

std::vector<HWND> Descendants(HWND parent, std::string_view className) {
    EnumState state{0, Lower(className), {}};
    EnumChildWindows(parent, CollectWindow, reinterpret_cast<LPARAM>(&state));
    return state.found;
}

HWND FindDescendantById(HWND parent, int id) {
    for (HWND child : Descendants(parent))
        if (GetDlgCtrlID(child) == id) return child;
    return nullptr;
}

HWND FindDescendantByText(HWND parent, std::string_view text) {
    std::string wanted = Lower(WithoutAccelerators(text));
    for (HWND child : Descendants(parent))
        if (Lower(WithoutAccelerators(TextOf(child))) == wanted) return child;
    return nullptr;
}

HWND WaitForTopLevel(DWORD pid, std::string_view className, DWORD timeoutMs) {
    HWND found = nullptr;
    WaitUntil([&] {
        auto windows = TopLevelWindows(pid, className);
        found = windows.empty() ? nullptr : windows.front();
        return found != nullptr;
    }, timeoutMs);
    return found;
}

HWND FindMainWindow(DWORD pid) {
    auto windows = TopLevelWindows(pid, kMainWindowClass);
    return windows.empty() ? nullptr : windows.front();
}

// ---- Property sheet ----

std::vector<HWND> Sheets(DWORD pid) {
    std::vector<HWND> sheets;
    for (HWND dialog : TopLevelWindows(pid, "#32770"))
        if (IsWindowVisible(dialog) && HasTabControl(dialog)) sheets.push_back(dialog);
    return sheets;
}

HWND FindSheet(DWORD pid) {
    auto sheets = Sheets(pid);
    return sheets.empty() ? nullptr : sheets.front();
}

HWND WaitForSheet(DWORD pid, DWORD timeoutMs) {
    HWND sheet = nullptr;
    WaitUntil([&] { return (sheet = FindSheet(pid)) != nullptr; }, timeoutMs);
    return sheet;
}

HWND SheetTabControl(HWND sheet) {
    auto tabs = Descendants(sheet, WC_TABCONTROLA);
    for (HWND tab : tabs)
        if (GetParent(tab) == sheet) return tab;
    return tabs.empty() ? nullptr : tabs.front();
}

std::vector<std::string> TabTexts(HWND sheet) {
    std::vector<std::string> texts;
    HWND tabs = SheetTabControl(sheet);
    if (!tabs) return texts;
    int count = int(Send(tabs, TCM_GETITEMCOUNT));
    RemoteMemory remote(tabs, sizeof(TCITEMA) + kRemoteText);
    if (!remote.valid()) return texts;
    for (int i = 0; i < count; ++i) {
        TCITEMA item = {};
        item.mask = TCIF_TEXT;
        item.pszText = remote.at(sizeof(TCITEMA));
        item.cchTextMax = int(kRemoteText);
        char zero = 0;
        remote.Write(sizeof(TCITEMA), &zero, 1);
        remote.Write(0, &item, sizeof(item));
        if (!Send(tabs, TCM_GETITEMA, WPARAM(i), reinterpret_cast<LPARAM>(remote.at(0)))) {
            texts.emplace_back();
            continue;
        }
        texts.push_back(remote.ReadText(sizeof(TCITEMA), kRemoteText));
    }
    return texts;
}

int SelectedTab(HWND sheet) {
    HWND tabs = SheetTabControl(sheet);
    return tabs ? int(Send(tabs, TCM_GETCURSEL)) : -1;
}

bool SelectTab(HWND sheet, int index) {
    return Send(sheet, PSM_SETCURSEL, WPARAM(index), 0) != 0;
}

HWND CurrentPage(HWND sheet) {
    return reinterpret_cast<HWND>(Send(sheet, PSM_GETCURRENTPAGEHWND));
}

int CurrentPageTemplate(HWND sheet) {
    HWND page = CurrentPage(sheet);
    if (!page) return 0;
    LRESULT index = Send(sheet, PSM_HWNDTOINDEX, reinterpret_cast<WPARAM>(page));
    if (index < 0) return 0;
    return int(Send(sheet, PSM_INDEXTOID, WPARAM(index)));
}

std::string StatusText(HWND sheet) {
    HWND status = StatusBarOf(sheet);
    if (!status) return {};
    RemoteMemory remote(status, kRemoteText);
    if (!remote.valid()) return {};
    size_t length = LOWORD(Send(status, SB_GETTEXTLENGTHA, 0));
    if (length >= kRemoteText) return {};
    Send(status, SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(remote.at(0)));
    return remote.ReadText(0, length + 1);
}

bool CloseSheet(HWND sheet) {
    if (HWND page = CurrentPage(sheet)) {
        HWND button = FindDescendantById(page, kPageCloseButton);
        if (button && IsWindowVisible(button) && IsWindowEnabled(button))
            return PostMessageA(button, BM_CLICK, 0, 0) != 0;
    }
    return PostMessageA(sheet, WM_CLOSE, 0, 0) != 0;
}

// ---- Buttons ----

bool ClickButton(HWND parent, int id) {
    HWND button = FindDescendantById(parent, id);
    return button && PostMessageA(button, BM_CLICK, 0, 0);
}

bool ClickButtonByText(HWND parent, std::string_view text) {
    HWND button = FindDescendantByText(parent, text);
    return button && PostMessageA(button, BM_CLICK, 0, 0);
}

bool PostCommand(HWND parent, int id) {
    HWND control = FindDescendantById(parent, id);
    HWND target = control ? GetParent(control) : parent;
    return PostMessageA(target, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(control));
}

int CheckState(HWND parent, int id) {
    HWND box = FindDescendantById(parent, id);
    return box ? int(Send(box, BM_GETCHECK)) : -1;
}

bool SetCheck(HWND parent, int id, bool checked, DWORD timeoutMs) {
    HWND box = FindDescendantById(parent, id);
    if (!box) return false;
    int wanted = checked ? BST_CHECKED : BST_UNCHECKED;
    if (int(Send(box, BM_GETCHECK)) == wanted) return true;
    PostMessageA(box, BM_CLICK, 0, 0);
    return WaitUntil([&] { return int(Send(box, BM_GETCHECK)) == wanted; }, timeoutMs);
}

// ---- Message boxes ----

std::optional<MessageBoxInfo> FindMessageBox(DWORD pid) {
    for (HWND dialog : TopLevelWindows(pid, "#32770")) {
        if (!IsWindowVisible(dialog) || HasTabControl(dialog)) continue;
        MessageBoxInfo info;
        info.window = dialog;
        info.caption = TextOf(dialog);
        // A message box shows its text in the static 0xFFFF; other dialogs in
        // their first static with a text.
        if (HWND text = GetDlgItem(dialog, 0xFFFF)) info.text = TextOf(text);
        if (info.text.empty()) {
            for (HWND child : Descendants(dialog, "Static")) {
                // An icon or picture's "text" is its resource id, not words.
                LONG_PTR type = GetWindowLongPtrA(child, GWL_STYLE) & SS_TYPEMASK;
                if (type == SS_ICON || type == SS_BITMAP) continue;
                info.text = TextOf(child);
                if (!info.text.empty()) break;
            }
        }
        return info;
    }
    return std::nullopt;
}

std::optional<MessageBoxInfo> WaitForMessageBox(DWORD pid, DWORD timeoutMs) {
    std::optional<MessageBoxInfo> box;
    WaitUntil([&] { return (box = FindMessageBox(pid)).has_value(); }, timeoutMs);
    return box;
}

bool AnswerMessageBox(HWND box, int answer, DWORD timeoutMs) {
    HWND button = GetDlgItem(box, answer);
    if (!PostMessageA(box, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED), reinterpret_cast<LPARAM>(button)))
        return false;
    return WaitUntil([&] { return !IsWindow(box) || !IsWindowVisible(box); }, timeoutMs);
}

// ---- List views ----

std::vector<HWND> ListViews(HWND parent) { return Descendants(parent, WC_LISTVIEWA); }

int ListViewRowCount(HWND list) { return int(Send(list, LVM_GETITEMCOUNT)); }

std::vector<std::string> ListViewColumns(HWND list) {
    std::vector<std::string> columns;
    HWND header = reinterpret_cast<HWND>(Send(list, LVM_GETHEADER));
    int count = header ? int(Send(header, HDM_GETITEMCOUNT)) : 0;
    RemoteMemory remote(list, sizeof(LVCOLUMNA) + kRemoteText);
    if (!remote.valid()) return columns;
    for (int i = 0; i < count; ++i) {
        LVCOLUMNA column = {};
        column.mask = LVCF_TEXT;
        column.pszText = remote.at(sizeof(LVCOLUMNA));
        column.cchTextMax = int(kRemoteText);
        char zero = 0;
        remote.Write(sizeof(LVCOLUMNA), &zero, 1);
        remote.Write(0, &column, sizeof(column));
        Send(list, LVM_GETCOLUMNA, WPARAM(i), reinterpret_cast<LPARAM>(remote.at(0)));
        columns.push_back(remote.ReadText(sizeof(LVCOLUMNA), kRemoteText));
    }
    return columns;
}

std::string ListViewCell(HWND list, int row, int column) {
    RemoteMemory remote(list, sizeof(LVITEMA) + kRemoteText);
    if (!remote.valid()) return {};
    LVITEMA item = {};
    item.iSubItem = column;
    item.pszText = remote.at(sizeof(LVITEMA));
    item.cchTextMax = int(kRemoteText);
    char zero = 0;
    remote.Write(sizeof(LVITEMA), &zero, 1);
    remote.Write(0, &item, sizeof(item));
    Send(list, LVM_GETITEMTEXTA, WPARAM(row), reinterpret_cast<LPARAM>(remote.at(0)));
    return remote.ReadText(sizeof(LVITEMA), kRemoteText);
}

std::vector<std::vector<std::string>> ListViewRows(HWND list) {
    std::vector<std::vector<std::string>> rows;
    HWND header = reinterpret_cast<HWND>(Send(list, LVM_GETHEADER));
    int columns = std::max(1, header ? int(Send(header, HDM_GETITEMCOUNT)) : 1);
    int count = ListViewRowCount(list);
    for (int r = 0; r < count; ++r) {
        std::vector<std::string> row;
        for (int c = 0; c < columns; ++c) row.push_back(ListViewCell(list, r, c));
        rows.push_back(std::move(row));
    }
    return rows;
}

bool SelectListViewRow(HWND list, int row) {
    RemoteMemory remote(list, sizeof(LVITEMA));
    if (!remote.valid()) return false;
    LVITEMA item = {};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = 0;
    remote.Write(0, &item, sizeof(item));
    Send(list, LVM_SETITEMSTATE, WPARAM(-1), reinterpret_cast<LPARAM>(remote.at(0)));
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    remote.Write(0, &item, sizeof(item));
    if (!Send(list, LVM_SETITEMSTATE, WPARAM(row), reinterpret_cast<LPARAM>(remote.at(0)))) return false;
    Send(list, LVM_ENSUREVISIBLE, WPARAM(row), FALSE);
    return SelectedListViewRow(list) == row;
}

int SelectedListViewRow(HWND list) {
    return int(Send(list, LVM_GETNEXTITEM, WPARAM(-1), LVNI_SELECTED));
}

}  // namespace driver
