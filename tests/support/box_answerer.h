// Answers, from a second thread, the message boxes and modal dialogs that the
// test's own thread shows while it runs their modal loops, as a user would,
// and keeps the text of each message box.
//
// A message box is answered once its text is set (it can be visible a moment
// before); any other dialog at once. The answers are taken in turn, one per
// box: a button id (IDOK, IDYES, ...) presses that button and waits until the
// box is gone; an action does with the dialog whatever the test wants. The
// answerer ends after its last answer, or when no box came for timeoutMs;
// with kEveryBox it answers every box with its button until it is stopped.
#pragma once

#include <windows.h>

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <type_traits>
#include <vector>

namespace testsupport {

inline constexpr DWORD kBoxTimeoutMs = 10000;

struct EveryBox {};
inline constexpr EveryBox kEveryBox{};

// The first visible dialog (a message box included) of a thread other than
// except, or nullptr.
HWND FindThreadDialog(DWORD thread, HWND except = nullptr);
// A message box's text (its static 0xFFFF); empty for other dialogs.
std::string MessageBoxText(HWND box);

class BoxAnswerer {
public:
    using Action = std::function<void(HWND box)>;
    // One answer: a button to press, or an action on the box.
    struct Answer {
        Answer(int pressed) : button(pressed) {}  // NOLINT: a button id answers as it is
        template <class F, class = std::enable_if_t<std::is_invocable_v<F&, HWND>>>
        Answer(F act) : action(std::move(act)) {}  // NOLINT: so does a lambda
        int button = 0;
        Action action;
    };

    // Answers the boxes in turn.
    explicit BoxAnswerer(std::vector<Answer> answers, DWORD timeoutMs = kBoxTimeoutMs);
    // Answers one box.
    explicit BoxAnswerer(int button, DWORD timeoutMs = kBoxTimeoutMs);
    explicit BoxAnswerer(Action action, DWORD timeoutMs = kBoxTimeoutMs);
    // Presses button on every box until stopped.
    BoxAnswerer(EveryBox, int button);
    ~BoxAnswerer() { Stop(); }
    BoxAnswerer(const BoxAnswerer&) = delete;
    BoxAnswerer& operator=(const BoxAnswerer&) = delete;

    // Ends the watch (a box that has not come yet is no longer waited for)
    // and waits for the second thread.
    void Stop();
    // After Stop: whether a box came and was answered.
    bool seen();
    // The texts of the message boxes answered so far, in order.
    std::vector<std::string> texts();
    // After Stop: the text of the first box; empty when none came.
    std::string text();

private:
    void Run(DWORD timeoutMs);
    void Answered(HWND box, const Answer& answer);

    DWORD owner_;
    std::vector<Answer> answers_;
    bool everyBox_ = false;
    std::atomic<bool> stop_{false}, seen_{false};
    std::mutex mutex_;
    std::vector<std::string> texts_;
    std::thread worker_;
};

}  // namespace testsupport
