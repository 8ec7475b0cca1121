#include "startup/locations/winlogon_notify.h"

#include <string>

#include "startup/disable/disabled_record.h"
#include "startup/locations/location_types.h"
#include "base/raw_values.h"
#include "startup/disable/startup_change_record.h"

namespace {

constexpr const char* kDllName = "DLLName";
constexpr const char* kOldName = "OldName";

// A package name is one key name: a backslash would reach another key.
bool PackageKey(std::string_view package, std::string& out) {
    if (package.empty() || package.find('\\') != std::string_view::npos) return false;
    out = std::string(kWinlogonNotifyKey) + "\\" + std::string(package);
    return true;
}

bool ReadDll(const std::string& key, const char* name, RawValue& out) {
    return ReadRawValue(HKEY_LOCAL_MACHINE, key, name, LocationView(), out) && out.IsText() && !out.Text().empty();
}

bool WriteValue(const std::string& key, const char* name, const RawValue& value) {
    return WriteRawValue(HKEY_LOCAL_MACHINE, key, name, LocationView(), value);
}

}  // namespace

bool DisableNotifyPackage(std::string_view package) {
    std::string key;
    RawValue dll;
    if (!PackageKey(package, key) || !ReadDll(key, kDllName, dll)) return false;
    DisabledRecord record;
    record.name = FreeDisabledName(package);
    if (record.name.empty()) return false;
    record.title = package;
    record.type = kLocationNotify;
    record.command = dll;
    if (!WriteDisabledRecord(record)) return false;

    RawValue previousOld;
    bool hadOld = ReadRawValue(HKEY_LOCAL_MACHINE, key, kOldName, LocationView(), previousOld);
    if (!WriteValue(key, kOldName, dll) || !WriteValue(key, kDllName, RawValue::FromText({}, dll.type))) {
        // Back as it was: the DLL loads and nothing is recorded.
        WriteValue(key, kDllName, dll);
        if (hadOld) WriteValue(key, kOldName, previousOld);
        else DeleteRawValue(HKEY_LOCAL_MACHINE, key, kOldName, LocationView());
        DeleteDisabledRecord(record);
        return false;
    }
    RecordStartupChange(dll.Text(), kLocationNotify);
    return true;
}

bool EnableNotifyPackage(const DisabledRecord& record) {
    std::string key;
    if (record.type != kLocationNotify || !PackageKey(record.title.view(), key)) return false;
    RawValue dll;
    if (!ReadDll(key, kOldName, dll)) dll = record.command;
    if (!dll.IsText() || dll.Text().empty() || !WriteValue(key, kDllName, dll)) return false;
    if (!DeleteDisabledRecord(record)) {
        WriteValue(key, kDllName, RawValue::FromText({}, dll.type));  // still recorded: it stays disabled
        return false;
    }
    DeleteRawValue(HKEY_LOCAL_MACHINE, key, kOldName, LocationView());
    return true;
}

bool RestoreNotifyPackage(std::string_view package, std::string_view fallbackDll) {
    std::string key;
    if (!PackageKey(package, key)) return false;
    RawValue dll;
    if (ReadDll(key, kOldName, dll)) {
        if (!WriteValue(key, kDllName, dll)) return false;
        DeleteRawValue(HKEY_LOCAL_MACHINE, key, kOldName, LocationView());
        return true;
    }
    RawValue current;
    if (ReadDll(key, kDllName, current)) return true;
    return !fallbackDll.empty() && WriteValue(key, kDllName, RawValue::FromText(fallbackDll));
}
