#include "shell/running_programs.h"

#include <string>
#include <unordered_set>

#include "base/command_line.h"
#include "base/processes.h"
#include "base/version_info.h"
#include "shell/list_store.h"

namespace {

constexpr int kTaskItemType = 600;  // INFO_TASK

}  // namespace

int ListRunningPrograms() {
    ListStoreClear();
    struct Walk {
        std::unordered_set<std::string> seen;
        int appended = 0;
    } walk;
    EnumRunningProcesses([&walk](DWORD id, WORD, const char* processPath) {
        FixedText<MAX_PATH> file;
        if (ExtractProgramFile(processPath, file) <= 0) return true;  // unreadable processes are left out
        if (!walk.seen.insert(std::string(file.view())).second) return true;
        VersionInfo info;
        ReadVersionInfo(file.view(), info);
        if (ListStoreAppend(info.fileDescription.view(), file.view(), "", "", kTaskItemType, int(id)))
            ++walk.appended;
        return true;
    });
    return walk.appended;
}
