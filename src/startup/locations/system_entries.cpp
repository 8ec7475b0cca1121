#include "startup/locations/system_entries.h"

#include <windows.h>

#include <vector>

#include "base/text_helpers.h"
#include "base/fixed_text.h"
#include "startup/locations/advanced_locations.h"
#include "base/command_line.h"
#include "startup/locations/location_types.h"
#include "base/raw_values.h"

namespace {

const char* ShellObjectKey(int type) {
    switch (type) {
        case kLocationDelayLoad: return kDelayLoadKey;
        case kLocationSharedTaskScheduler: return kSharedTaskSchedulerKey;
        case kLocationShellExecuteHooks: return kShellExecuteHooksKey;
        default: return nullptr;
    }
}

bool SameDll(std::string_view a, std::string_view b) {
    FixedText<MAX_PATH> longA, longB;
    LongPathOf(a, longA);
    LongPathOf(b, longB);
    return EqualsNoCase(a, b) || EqualsNoCase(longA.view(), longB.view());
}

std::vector<std::string_view> SplitDllList(std::string_view list) {
    std::vector<std::string_view> names;
    while (!list.empty()) {
        size_t end = list.find_first_of(", ");
        std::string_view name = list.substr(0, end);
        if (!name.empty()) names.push_back(name);
        if (end == std::string_view::npos) break;
        list.remove_prefix(end + 1);
    }
    return names;
}

// The list as it is now; false when it is too long to be rewritten whole.
bool ReadAppInit(RawValue& list) {
    if (!ReadRawValue(HKEY_LOCAL_MACHINE, kAppInitKey, kAppInitValue, LocationView(), list)) {
        list = RawValue::FromText({});
        return true;
    }
    return list.IsText() && list.Text().size() <= kAppInitMax;
}

bool WriteAppInit(const RawValue& previous, std::string_view text) {
    return WriteRawValue(HKEY_LOCAL_MACHINE, kAppInitKey, kAppInitValue, LocationView(),
                         RawValue::FromText(text, previous.IsText() ? previous.type : REG_SZ));
}

}  // namespace

std::string DefaultUserinit() {
    char folder[MAX_PATH] = {};
    UINT n = GetSystemDirectoryA(folder, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return {};
    return std::string(folder, n) + "\\Userinit.exe,";
}

bool ResetWinlogonValue(int type, std::string& previous) {
    const char* name = type == kLocationUserinit ? "Userinit" : type == kLocationShell ? "Shell" : nullptr;
    std::string value = type == kLocationUserinit ? DefaultUserinit() : std::string(kDefaultShell);
    previous.clear();
    if (!name || value.empty()) return false;
    RawValue old;
    if (ReadRawValue(HKEY_LOCAL_MACHINE, kWinlogonKey, name, LocationView(), old)) previous = std::string(old.Text());
    return WriteRawValue(HKEY_LOCAL_MACHINE, kWinlogonKey, name, LocationView(), RawValue::FromText(value));
}

bool RemoveShellObject(int type, std::string_view title, std::string_view classId) {
    const char* key = ShellObjectKey(type);
    std::string_view name = type == kLocationDelayLoad ? title : classId;
    if (!key || name.empty() || !RawValueExists(HKEY_LOCAL_MACHINE, key, name, LocationView())) return false;
    return DeleteRawValue(HKEY_LOCAL_MACHINE, key, name, LocationView());
}

bool RestoreShellObject(int type, std::string_view title, std::string_view classId) {
    const char* key = ShellObjectKey(type);
    if (!key || title.empty() || classId.empty()) return false;
    std::string_view name = type == kLocationDelayLoad ? title : classId;
    std::string_view data = type == kLocationDelayLoad ? classId : title;
    return WriteRawValue(HKEY_LOCAL_MACHINE, key, name, LocationView(), RawValue::FromText(data));
}

bool RemoveAppInitDll(std::string_view dll) {
    RawValue list;
    if (dll.empty() || !ReadAppInit(list)) return false;
    std::string kept;
    bool dropped = false;
    for (std::string_view name : SplitDllList(list.Text())) {
        if (SameDll(name, dll)) {
            dropped = true;
            continue;
        }
        if (!kept.empty()) kept += ',';
        kept += name;
    }
    return dropped && WriteAppInit(list, kept);
}

bool AppendAppInitDll(std::string_view dll) {
    RawValue list;
    if (dll.empty() || dll.size() >= MAX_PATH) return false;
    if (!ReadAppInit(list)) return false;
    for (std::string_view name : SplitDllList(list.Text()))
        if (SameDll(name, dll)) return true;
    char shortPath[MAX_PATH] = {};
    std::string file(dll);
    DWORD n = GetShortPathNameA(file.c_str(), shortPath, MAX_PATH);
    std::string_view entry = n > 0 && n < MAX_PATH ? std::string_view(shortPath, n) : std::string_view(dll);
    // A name with a blank or comma would come back as two names.
    if (entry.find_first_of(", ") != std::string_view::npos) return false;
    std::string text(list.Text());
    if (!text.empty()) text += ',';
    text += entry;
    return text.size() <= kAppInitMax && WriteAppInit(list, text);
}
