#include "sysobjects/task_kill.h"

#include <windows.h>

#include "base/fixed_text.h"
#include "shell/history.h"
#include "shell/list_store.h"
#include "base/unique_resource.h"
#include "base/command_line.h"
#include "base/processes.h"
#include "shell/removal_report.h"

namespace {

using ProgramFile = FixedText<MAX_PATH>;

constexpr int kTaskKillEvent = 5;  // TASK_Kill
// What checking and ending the process needs, and waiting for its end.
constexpr DWORD kKillAccess = PROCESS_TERMINATE | PROCESS_QUERY_INFORMATION | SYNCHRONIZE;

// The program file of a path as the rows compare them: ExtractProgramFile, then the long form.
ProgramFile ResolvedFile(std::string_view path) {
    ProgramFile file, longForm;
    if (ExtractProgramFile(path, file) <= 0) return file;
    LongPathOf(file.view(), longForm);
    return longForm;
}

bool EqualNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, a.data(), int(a.size()), b.data(), int(b.size())) ==
               CSTR_EQUAL;
}

// Whether the process with this id runs the file, as the process walk sees
// it (64-bit processes included). A 16-bit task's file does not count: its
// id is that of the virtual DOS machine, which runs other tasks too.
bool ProcessRunsFile(DWORD processId, std::string_view file) {
    bool runs = false;
    EnumRunningProcesses([&](DWORD id, WORD task16, const char* path) {
        if (id != processId || task16 != 0) return true;
        runs = EqualNoCase(ResolvedFile(path).view(), file);
        return false;
    });
    return runs;
}

}  // namespace

bool KillTaskRow(int row) {
    const ListRow* entry = ListStoreRow(row);
    if (!entry || entry->typeCode != kRunningTaskType || entry->flag <= 0) return false;
    const DWORD processId = DWORD(entry->flag);
    const FixedText<128> title(entry->title.view());
    const FixedText<260> path(entry->path.view());
    const FixedText<1024> description(entry->description.view());
    const ProgramFile file = ResolvedFile(path.view());
    if (file.empty()) return false;

    // Held open from the check to the end, so the id cannot pass to another process in between.
    UniqueHandle process(OpenProcess(kKillAccess, FALSE, processId));
    DWORD exitCode = 0;
    if (!process || !GetExitCodeProcess(process.get(), &exitCode) || exitCode != STILL_ACTIVE) return false;
    if (!ProcessRunsFile(processId, file.view())) return false;
    if (!TerminateProcess(process.get(), kKilledExitCode)) return false;
    // The refill that follows should no longer see it.
    WaitForSingleObject(process.get(), kKillWaitPolls * kKillWaitPollMs);

    WriteHistory(title.view(), path.view(), description.view(), kRunningTaskType, kTaskKillEvent);
    ReportRemoval(title.view(), path.view());
    return true;
}
