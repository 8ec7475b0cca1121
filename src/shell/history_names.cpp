#include "shell/history_names.h"

#include <iterator>

namespace {

struct HistoryName {
    int code;
    const char* name;
};

// Order matters: it is the order the monitor searches in.
constexpr HistoryName kItemTypes[] = {
    {1, "MACHINE_RUN"},
    {2, "MACHINE_RUNONCE"},
    {3, "MACHINE_RUNONCEEX"},
    {4, "MACHINE_RUNSERVICES"},
    {5, "MACHINE_RUNSERVICESONCE"},
    {11, "CURRENT_RUN"},
    {12, "CURRENT_RUNONCE"},
    {13, "CURRENT_RUNONCEEX"},
    {14, "CURRENT_RUNSERVICES"},
    {15, "CURRENT_RUNSERVICESONCE"},
    {21, "WOW64_RUN"},
    {22, "WOW64_RUNONCE"},
    {23, "WOW64_RUNONCEEX"},
    {24, "WOW64_RUNSERVICES"},
    {25, "WOW64_RUNSERVICESONCE"},
    {31, "SENTRIVOX_RUN"},
    {32, "SENTRIVOX_RUNONCE"},
    {33, "SENTRIVOX_RUNONCEEX"},
    {34, "SENTRIVOX_RUNSERVICES"},
    {35, "SENTRIVOX_RUNSERVICESONCE"},
    {100, "WIN_LOAD"},
    {101, "WIN_RUN"},
    {200, "GROUP_STARTUP"},
    {250, "WINLOGON_Userinit"},
    {251, "WINLOGON_Shell"},
    {252, "REG_Delayload"},
    {253, "REG_TaskScheduler"},
    {254, "REG_ShellExecuteHook"},
    {255, "REG_AppInitDLLs"},
    {500, "INFO_COOKIE"},
    {501, "INFO_NETCOOKIE"},
    {502, "INFO_SAVECOOKIE"},
    {503, "INFO_NUTS"},
    {600, "INFO_TASK"},
    {700, "SERVICE_EXE"},
    {701, "SERVICE_SVCHOST"},
    {800, "TASK_SCHEDULED"},
    {900, "TYPE_BHO"},
    {300, "RESTART_DELETE"},
    {301, "RESTART_RENAME"},
    {901, "TYPE_TOOLBAR"},
    {902, "TYPE_EXTENSION"},
    {350, "TYPE_MONITOR"},
    {360, "TYPE_BLACKLIST"},
    {450, "TYPE_PROSEARCH"},
    {400, "TYPE_FILETYPE"},
    {370, "TYPE_HIDDEN"},
    {256, "RUN_WINLOGONNOTIFY"},
    {6, "MACHINE_RUNONCESETUP"},
    {7, "MACHINE_RUNPOLICY"},
    {1200, "TYPE_ACTIVEX"},
    {3000, "TYPE_UNKNOWN"},
};

// Codes 12 and 23 appear twice: the first entry is the one a code reads as.
constexpr HistoryName kEvents[] = {
    {0, "*START_Remove"},
    {1, "START_Disable"},
    {2, "START_Enable"},
    {3, "IEHELPER_Remove"},
    {4, "TASK_Remove"},
    {5, "TASK_Kill"},
    {6, "START_Alert"},
    {7, "TASK_Alert"},
    {8, "IEHELPER_Alert"},
    {9, "SERVICE_Stop"},
    {10, "SERVICE_Automatic"},
    {11, "SERVICE_Manual"},
    {12, "SERVICE_Disabled"},
    {12, "START_Restore"},
    {13, "TASK_Restore"},
    {14, "IEHELPER_Restore"},
    {15, "ScheduledTask_Remove"},
    {17, "SERVICE_from_Automatic"},
    {18, "SERVICE_from_Manual"},
    {19, "SERVICE_from_Disabled"},
    {20, "SERVICE__from_Disabled"},
    {21, "RESET_USERINIT"},
    {22, "RESET_SHELL"},
    {23, "REMOVE_TaskScheduler"},
    {24, "REMOVE_DELAYLOAD"},
    {23, "REMOVE_TASKSCHEDULER"},
    {25, "REMOVE_SHELLEXECUTEHOOK"},
    {26, "REMOVE_APPINIT"},
    {28, "HIDDEN_Alert"},
    {29, "*HIDDEN_DeleteFile"},
    {30, "REMOVE_WinLogonNotify"},
    {31, "LOG_ALERT_ACTIVEX"},
    {32, "LOG_ALERT_FILETYPE"},
    {33, "LOG_UNKNOWN"},
};

static_assert(std::size(kItemTypes) == 52, "the item-type table is shared with the monitor");
static_assert(std::size(kEvents) == 34, "the event table is shared with the monitor");

template <size_t N>
const HistoryName* FindCode(const HistoryName (&table)[N], int code, size_t count = N) {
    for (size_t i = 0; i < count && i < N; ++i)
        if (table[i].code == code) return &table[i];
    return nullptr;
}

template <size_t N>
int FindName(const HistoryName (&table)[N], std::string_view name) {
    for (const HistoryName& entry : table)
        if (name == entry.name) return entry.code;
    return -1;
}

}  // namespace

std::string_view ItemTypeName(int code) {
    const HistoryName* entry = FindCode(kItemTypes, code);
    return entry ? entry->name : "TYPE_UNKNOWN";
}

std::string_view EventName(int code) {
    const HistoryName* entry = FindCode(kEvents, code);
    return entry ? entry->name : "";
}

int ItemTypeCodeOfName(std::string_view name) { return FindName(kItemTypes, name); }

int EventCodeOfName(std::string_view name) { return FindName(kEvents, name); }

bool IsRestorableEvent(int code) {
    const HistoryName* entry = FindCode(kEvents, code, kRestorableEventEntries);
    return entry && entry->name[0] == '*';
}
