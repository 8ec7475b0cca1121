#include "shell/option_store.h"

#include <array>

#include "shell/options.h"

namespace {

struct OptionSlot {
    const char* name;
    long fallback;
    long value;
};

// Every option that lives in memory, with its default.
std::array<OptionSlot, 54>& Slots() {
    static std::array<OptionSlot, 54> slots{{
        {"SendHistory", 0, 0}, {"HideBrisko", 0, 0}, {"HideStartup", 0, 0}, {"HideIEHelper", 0, 0},
        {"HideServices", 0, 0}, {"HideActiveX", 0, 0}, {"HideTasks", 0, 0}, {"HideFileType", 0, 0},
        {"HideHidden", 0, 0}, {"HideSystemFiles", 0, 0}, {"HideHomePage", 0, 0}, {"HideRegOptions", 0, 0},
        {"ExpandInfo", 0, 0}, {"Netspeed", 0, 0}, {"Format", 0, 0}, {"PlusFormat", 0, 0}, {"ConfirmExit", 0, 0},
        {"HideMicrosoftActiveX", 0, 0}, {"IncludeKillBit", 0, 0}, {"ActiveXListAll", 0, 0},
        {"LockFileTypes", 0, 0}, {"ShowAllStartup", 0, 0}, {"NoMicrosoftStartup", 0, 0}, {"HideRunOnce", 0, 0},
        {"ViewCookies", 0, 0}, {"Sound", 1, 1}, {"History", 1, 1}, {"HideMicrosoftServices", 1, 1},
        {"ShowAlerts", 1, 1}, {"ExplorerMenu", 1, 1}, {"WindowSettings", 1, 1}, {"MaxCookie", 4096, 4096},
        {"Start", 2, 2}, {"Cookies", 0, 0}, {"Nuts", 0, 0}, {"Tasks", 11, 11}, {"IEHelpers", 2, 2},
        {"FileType", 10, 10}, {"StartPage", 2, 2}, {"HostFile", 3, 3}, {"Services", 7, 7}, {"Hidden", 0, 0},
        {"ActiveX", 4, 4}, {"RegOptions", 0, 0}, {"WinInit", 5, 5}, {"RealtimeStartup", 1, 1},
        {"RealtimeIEHelper", 1, 1}, {"RealtimeSysFiles", 1, 1}, {"RealtimeFileType", 0, 0},
        {"RealtimeStartPage", 1, 1}, {"RealtimeHidden", 0, 0}, {"RealtimeActiveX", 1, 1},
        {"RealtimeServices", 1, 1}, {"RealtimeRegOptions", 1, 1},
    }};
    return slots;
}

OptionSlot* Find(std::string_view name) {
    for (auto& slot : Slots())
        if (name == slot.name) return &slot;
    return nullptr;
}

// The order in which the options are written back; MaxCookie and WindowSettings never are.
constexpr const char* kSaveOrder[] = {
    "SendHistory", "HideBrisko", "HideStartup", "HideIEHelper", "HideActiveX", "HideServices", "HideFileType",
    "HideTasks", "HideHidden", "HideSystemFiles", "HideHomePage", "HideRegOptions", "ExpandInfo", "Netspeed",
    "Format", "ConfirmExit", "Sound", "History", "HideMicrosoftServices", "HideMicrosoftActiveX", "IncludeKillBit",
    "ActiveXListAll", "PlusFormat", "LockFileTypes", "ShowAllStartup", "NoMicrosoftStartup", "Start", "Cookies",
    "Nuts", "Tasks", "IEHelpers", "FileType", "StartPage", "HostFile", "WinInit", "Services", "Hidden",
    "ViewCookies", "ActiveX", "RegOptions", "RealtimeStartup", "RealtimeIEHelper", "RealtimeSysFiles",
    "RealtimeFileType", "RealtimeStartPage", "RealtimeHidden", "RealtimeActiveX", "RealtimeServices",
    "RealtimeRegOptions", "ExplorerMenu", "ShowAlerts", "HideRunOnce",
};
static_assert(sizeof(kSaveOrder) / sizeof(kSaveOrder[0]) == 52, "52 options are written back");

}  // namespace

void LoadOptions() {
    for (auto& slot : Slots()) slot.value = ReadOption(slot.name, slot.fallback);
}

void SaveOptions() {
    for (const char* name : kSaveOrder) WriteOption(name, OptionValue(name));
}

long OptionValue(std::string_view name) {
    const OptionSlot* slot = Find(name);
    return slot ? slot->value : 0;
}

void RememberOption(std::string_view name, long value) {
    if (OptionSlot* slot = Find(name)) slot->value = value;
}
