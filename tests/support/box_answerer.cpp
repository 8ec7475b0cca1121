#include "support/box_answerer.h"

namespace testsupport {

namespace {

constexpr DWORD kPollMs = 20;

struct ThreadDialogSearch {
    HWND except = nullptr;
    HWND found = nullptr;
};

BOOL CALLBACK VisitThreadWindow(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<ThreadDialogSearch*>(param);
    char name[16] = {};
    GetClassNameA(window, name, sizeof(name));
    if (window == search->except || lstrcmpA(name, "#32770") != 0 || !IsWindowVisible(window)) return TRUE;
    search->found = window;
    return FALSE;
}

// A message box counts once it shows its text; another dialog at once.
bool Ready(HWND box) { return !GetDlgItem(box, 0xFFFF) || !MessageBoxText(box).empty(); }

}  // namespace

HWND FindThreadDialog(DWORD thread, HWND except) {
    ThreadDialogSearch search{except, nullptr};
    EnumThreadWindows(thread, VisitThreadWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string MessageBoxText(HWND box) {
    char text[2048] = {};
    GetDlgItemTextA(box, 0xFFFF, text, sizeof(text));
    return text;
}

BoxAnswerer::BoxAnswerer(std::vector<Answer> answers, DWORD timeoutMs)
    : owner_(GetCurrentThreadId()), answers_(std::move(answers)) {
    worker_ = std::thread([this, timeoutMs] { Run(timeoutMs); });
}

BoxAnswerer::BoxAnswerer(int button, DWORD timeoutMs) : BoxAnswerer(std::vector<Answer>{button}, timeoutMs) {}

BoxAnswerer::BoxAnswerer(Action action, DWORD timeoutMs)
    : BoxAnswerer(std::vector<Answer>{Answer(std::move(action))}, timeoutMs) {}

BoxAnswerer::BoxAnswerer(EveryBox, int button) : owner_(GetCurrentThreadId()), answers_{button}, everyBox_(true) {
    worker_ = std::thread([this] { Run(INFINITE); });
}

void BoxAnswerer::Stop() {
    stop_ = true;
    if (worker_.joinable()) worker_.join();
}

bool BoxAnswerer::seen() {
    Stop();
    return seen_;
}

std::vector<std::string> BoxAnswerer::texts() {
    std::lock_guard<std::mutex> lock(mutex_);
    return texts_;
}

std::string BoxAnswerer::text() {
    Stop();
    std::lock_guard<std::mutex> lock(mutex_);
    return texts_.empty() ? std::string() : texts_.front();
}

void BoxAnswerer::Answered(HWND box, const Answer& answer) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        texts_.push_back(MessageBoxText(box));
    }
    seen_ = true;
    if (answer.action) {
        answer.action(box);
        return;
    }
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(answer.button, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(box, answer.button)));
}

void BoxAnswerer::Run(DWORD timeoutMs) {
    size_t next = 0;
    DWORD waited = 0;
    while (!stop_ && (everyBox_ || next < answers_.size()) && (timeoutMs == INFINITE || waited < timeoutMs)) {
        HWND box = FindThreadDialog(owner_);
        if (!box || !Ready(box)) {
            Sleep(kPollMs);
            waited += kPollMs;
            continue;
        }
        const Answer& answer = answers_[everyBox_ ? 0 : next++];
        Answered(box, answer);
        if (!everyBox_ && next == answers_.size()) return;
        // The next box is another window: wait until this one is gone.
        for (DWORD gone = 0; !stop_ && IsWindow(box) && IsWindowVisible(box) && gone < kBoxTimeoutMs;
             gone += kPollMs)
            Sleep(kPollMs);
        waited = 0;
    }
}

}  // namespace testsupport
