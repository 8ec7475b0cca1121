// Acts on the first dialog that the test's own thread shows, from a second
// thread, while the first one runs the dialog's modal loop.
#pragma once

#include <windows.h>

#include <atomic>
#include <functional>
#include <thread>

// A named callback, not a lambda: the 32-bit build needs its stdcall convention.
inline BOOL CALLBACK KeepFirstVisibleDialog(HWND window, LPARAM param) {
    char name[16] = {};
    GetClassNameA(window, name, sizeof(name));
    if (lstrcmpA(name, "#32770") != 0 || !IsWindowVisible(window)) return TRUE;
    *reinterpret_cast<HWND*>(param) = window;
    return FALSE;
}

// The first visible dialog (a message box included) of a thread, or nullptr.
inline HWND FindThreadDialog(DWORD thread) {
    HWND found = nullptr;
    EnumThreadWindows(thread, KeepFirstVisibleDialog, reinterpret_cast<LPARAM>(&found));
    return found;
}

class DialogWatch {
public:
    explicit DialogWatch(std::function<void(HWND)> action, int timeoutMs = 10000)
        : owner_(GetCurrentThreadId()), action_(std::move(action)) {
        worker_ = std::thread([this, timeoutMs] {
            for (int waited = 0; waited < timeoutMs && !stop_; waited += 50) {
                HWND dialog = Find();
                if (dialog) {
                    seen_ = true;
                    action_(dialog);
                    return;
                }
                Sleep(50);
            }
        });
    }
    ~DialogWatch() { Stop(); }
    DialogWatch(const DialogWatch&) = delete;
    DialogWatch& operator=(const DialogWatch&) = delete;

    // Waits for the watcher; afterwards seen() tells whether a dialog came.
    void Stop() {
        stop_ = true;
        if (worker_.joinable()) worker_.join();
    }
    bool seen() const { return seen_; }

private:
    HWND Find() const { return FindThreadDialog(owner_); }

    DWORD owner_;
    std::function<void(HWND)> action_;
    std::atomic<bool> stop_{false}, seen_{false};
    std::thread worker_;
};
