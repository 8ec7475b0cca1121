#include "startup/locations/location_text.h"

#include <string_view>

#include "res/resource_ids.h"
#include "shell/list_store.h"
#include "shell/load_text.h"
#include "startup/disable/disabled_index.h"
#include "startup/locations/location_types.h"

namespace {

// Fixed texts of the types outside the Run table.
struct FixedLocation {
    int type;
    const char* text;
};
constexpr FixedLocation kFixedLocations[] = {
    {kLocationWinIniLoad, "WIN.INI     [Load] Section"},
    {kLocationWinIniRun, "WIN.INI     [Run] Section"},
    {kLocationStartupFolder, "Windows Startup Group"},
    {kLocationUserinit, "HKLM\\Software\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon Userinit"},
    {kLocationShell, "HKLM\\Software\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon Shell"},
    {kLocationDelayLoad, "HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\ShellServiceObjectDelayLoad"},
    {kLocationSharedTaskScheduler, "HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\SharedTaskScheduler"},
    {kLocationShellExecuteHooks, "HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ShellExecuteHooks"},
    {kLocationAppInit, "HKLM\\Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows  AppInit_DLLs"},
    {kLocationNotify, "HKLM\\Software\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon Notify"},
};

// Locations that other pages list; they are never shown as disabled.
struct TextLocation {
    int type;
    int stringId;
};
constexpr TextLocation kTextLocations[] = {
    {kLocationTaskScheduler, IDS_LOCATION_TASK_SCHEDULER},
    {kLocationBrowserHelper, IDS_LOCATION_BHO},
    {kLocationToolbar, IDS_LOCATION_TOOLBAR},
};

// Run-table types 1 to 5 of each hive name their key; 6 and 7 have no text.
void RunTableText(int type, FixedText<kLocationTextSize>& text) {
    const RunTableHive* hive = nullptr;
    int position = 0;
    if (!RunTableLocation(type, hive, position) || position >= 5) return;
    text = hive->shortName;
    text.append("\\");
    text.append(hive->prefix);
    text.append(kRunTableKeys[position]);
}

}  // namespace

int LocationText(const ListRow& item, char* out, size_t size) {
    const int type = item.typeCode;
    for (const TextLocation& location : kTextLocations)
        if (location.type == type) return LoadText(location.stringId, out, size);

    FixedText<kLocationTextSize> text;
    if (IsRunTableType(type)) {
        RunTableText(type, text);
    } else {
        for (const FixedLocation& location : kFixedLocations)
            if (location.type == type) text = location.text;
    }

    FixedText<kLocationTextSize> shown;
    if (IsRecordedDisabled(item)) {
        FixedText<64> mark;
        LoadText(IDS_DISABLED_MARK, mark);
        shown = " * ";
        shown.append(mark.view());
        shown.append(" * ");
    }
    shown.append(text.view());
    return int(CopyBounded(out, size, shown.view()));
}
