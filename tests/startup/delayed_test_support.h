// Helpers of the delayed-start tests: answering the message boxes that one
// command shows one after another, and reading a list view's cells.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "dialog_watch.h"

namespace delaytest {

// Answers, from a second thread, each dialog that the test's thread shows in
// turn with the next answer (a command id: IDOK, IDCANCEL, IDYES, IDNO) and
// keeps the text of each message box.
class BoxAnswers {
public:
    explicit BoxAnswers(std::vector<int> answers, int timeoutMs = 10000)
        : owner_(GetCurrentThreadId()), answers_(std::move(answers)) {
        worker_ = std::thread([this, timeoutMs] { Run(timeoutMs); });
    }
    ~BoxAnswers() { Stop(); }
    BoxAnswers(const BoxAnswers&) = delete;
    BoxAnswers& operator=(const BoxAnswers&) = delete;

    void Stop() {
        stop_ = true;
        if (worker_.joinable()) worker_.join();
    }
    // The texts of the boxes answered so far.
    std::vector<std::string> Texts() {
        std::lock_guard<std::mutex> lock(mutex_);
        return texts_;
    }

private:
    void Run(int timeoutMs) {
        size_t next = 0;
        for (int waited = 0; waited < timeoutMs && !stop_ && next < answers_.size(); waited += 20) {
            HWND box = Find();
            if (!box) {
                Sleep(20);
                continue;
            }
            char text[2048] = {};
            GetDlgItemTextA(box, 0xFFFF, text, sizeof(text));  // the text of a message box
            {
                std::lock_guard<std::mutex> lock(mutex_);
                texts_.push_back(text);
            }
            PostMessageA(box, WM_COMMAND, WPARAM(answers_[next++]), 0);
            // The next box is another window: wait until this one is gone.
            for (int gone = 0; gone < timeoutMs && IsWindow(box); gone += 20) Sleep(20);
            waited = 0;
        }
    }

    HWND Find() const { return FindThreadDialog(owner_); }

    DWORD owner_;
    std::vector<int> answers_;
    std::atomic<bool> stop_{false};
    std::mutex mutex_;
    std::vector<std::string> texts_;
    std::thread worker_;
};

inline std::string Cell(HWND list, int item, int column) {
    char text[512] = {};
    LVITEMA lvi = {};
    lvi.iSubItem = column;
    lvi.pszText = text;
    lvi.cchTextMax = sizeof(text);
    SendMessageA(list, LVM_GETITEMTEXTA, WPARAM(item), reinterpret_cast<LPARAM>(&lvi));
    return text;
}

inline std::vector<std::vector<std::string>> Rows(HWND list, int columns) {
    std::vector<std::vector<std::string>> rows;
    int count = int(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    for (int item = 0; item < count; ++item) {
        std::vector<std::string> row;
        for (int column = 0; column < columns; ++column) row.push_back(Cell(list, item, column));
        rows.push_back(row);
    }
    return rows;
}

inline void SelectItems(HWND list, const std::vector<int>& items) {
    LVITEMA state = {};
    state.stateMask = LVIS_SELECTED;
    SendMessageA(list, LVM_SETITEMSTATE, WPARAM(-1), reinterpret_cast<LPARAM>(&state));
    state.state = LVIS_SELECTED;
    for (int item : items) SendMessageA(list, LVM_SETITEMSTATE, WPARAM(item), reinterpret_cast<LPARAM>(&state));
}

}  // namespace delaytest
