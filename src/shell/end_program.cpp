#include "shell/end_program.h"

#include "base/fixed_text.h"
#include "base/processes.h"
#include "base/text_helpers.h"
#include "res/resource_ids.h"
#include "shell/history.h"
#include "shell/load_text.h"
#include "shell/messages.h"

namespace {

constexpr int kTaskKillEvent = 5;   // TASK_Kill
constexpr int kTaskItemType = 600;  // INFO_TASK
constexpr size_t kKillQuestionMax = 772;

void RepaintTaskbar() {
    if (HWND tray = FindWindowA("Shell_TrayWnd", "")) InvalidateRect(tray, nullptr, TRUE);
}

}  // namespace

bool ConfirmKillProgram(std::string_view path, std::string_view name) {
    FixedText<kKillQuestionMax + 1> pattern;
    LoadText(IDS_CONFIRM_KILL, pattern);
    FixedText<kKillQuestionMax + 1> question(FillFirstString(pattern.view(), name.empty() ? path : name));
    return ShowProgramMessageText(question.c_str(), MB_YESNO | MB_ICONQUESTION) == IDYES;
}

DWORD EndProgramProcess(DWORD processId, std::string_view path, std::string_view name) {
    if (!EndProcessAndWait(processId)) return 0;
    WriteHistory(name, path, "", kTaskItemType, kTaskKillEvent);
    RepaintTaskbar();
    return processId;
}

DWORD KillProgram(std::string_view path, std::string_view name, bool ask) {
    DWORD processId = IsProgramRunning(path);
    if (processId == 0) return 0;
    if (ask && !ConfirmKillProgram(path, name)) return processId;
    return EndProgramProcess(processId, path, name);
}
