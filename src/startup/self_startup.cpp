#include "startup/self_startup.h"

#include <windows.h>

#include <string>
#include <vector>

#include "shell/app_state.h"
#include "shell/list_store.h"
#include "shell/load_text.h"
#include "base/registry.h"
#include "base/program_folders.h"
#include "startup/disable/remove_item.h"
#include "startup/disable/startup_change_record.h"
#include "startup/locations/startup_scanner.h"
#include "base/text_helpers.h"

namespace {

bool RunValueExists(const std::string& name) {
    if (name.empty()) return false;
    UniqueHkey key = RegOpenForRead(HKEY_LOCAL_MACHINE, kMachineRunKey);
    return key && RegQueryValueExA(key.get(), name.c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

// The names the monitor and this program have been registered under.
constexpr const char* kMonitorTitles[] = {"Sentrivox", "Sentrivox System Monitor"};
constexpr const char* kExplorerTitle = "Sentrivox Explorer";

bool RunsFile(const ListRow& row, std::string_view fileName) {
    std::string_view path = row.path.view();
    return ContainsNoCase(path.substr(FileNameOffset(path)), fileName);
}

// The fixed names first; then the row's own title, so that a value registered
// under another name ("Sentrivox PLUS") goes too instead of being reported gone.
void RemoveUnderTitles(const ListRow& row, std::vector<std::string_view> titles) {
    titles.push_back(row.title.view());
    for (std::string_view title : titles) RemoveItem(title, row.path.view(), row.detail.view(), row.typeCode);
}

}  // namespace

bool SelfStartupPresent() {
    return RunValueExists(LoadTextString(2, 64)) || RunValueExists(LoadTextString(622, 64));
}

bool SetSelfStartup(bool on) {
    if (on) {
        FixedText<MAX_PATH> folder;
        ProgramFolder(folder);
        std::string command = std::string(folder.view()) + "\\sentrivox.exe -expressboot";
        if (!RegWriteString(HKEY_LOCAL_MACHINE, kMachineRunKey, LoadTextString(2, 64), command)) return false;
        g_app.monitorAutoStart = true;
        RecordStartupChange(command, 1);
        return true;
    }
    bool found = RemoveSelfStartupEntries(true);
    if (found) g_app.monitorAutoStart = false;
    return found;
}

bool RemoveSelfStartupEntries(bool remove) {
    ScanStartupLocations(false);
    // Copies: the rows are read again after removals that may rescan.
    std::vector<ListRow> monitor, explorer;
    for (int i = 0; i < ListStoreCount(); ++i) {
        const ListRow* row = ListStoreRow(i);
        if (!row) continue;
        if (RunsFile(*row, "Sentrivox.exe")) monitor.push_back(*row);
        else if (RunsFile(*row, "SentrivoxEx.exe")) explorer.push_back(*row);
    }
    if (remove) {
        for (const ListRow& row : monitor) RemoveUnderTitles(row, {kMonitorTitles[0], kMonitorTitles[1]});
        for (const ListRow& row : explorer) RemoveUnderTitles(row, {kExplorerTitle});
    }
    return !monitor.empty();
}
