#include "startup/self_startup.h"

#include <windows.h>

#include <string>

#include "shell/app_state.h"
#include "shell/load_text.h"
#include "shell/registry.h"
#include "startup/program_folders.h"

namespace {

bool RunValueExists(const std::string& name) {
    if (name.empty()) return false;
    UniqueHkey key = RegOpenForRead(HKEY_LOCAL_MACHINE, kMachineRunKey);
    return key && RegQueryValueExA(key.get(), name.c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

}  // namespace

bool SelfStartupPresent() {
    return RunValueExists(LoadTextString(2, 64)) || RunValueExists(LoadTextString(622, 64));
}

bool SetSelfStartup(bool on) {
    if (on) {
        char folder[MAX_PATH] = {};
        ProgramFolder(folder, sizeof(folder));
        std::string command = std::string(folder) + "\\sentrivox.exe -expressboot";
        if (!RegWriteString(HKEY_LOCAL_MACHINE, kMachineRunKey, LoadTextString(2, 64), command)) return false;
        g_app.monitorAutoStart = true;
        RegWriteString(HKEY_CURRENT_USER, std::string(kProgramKey) + "\\Run", command, "1");
        return true;
    }
    // Both names the monitor has been registered under.
    bool found = false;
    for (int id : {2, 622}) {
        std::string name = LoadTextString(id, 64);
        if (RunValueExists(name)) {
            found = true;
            RegRemoveValue(HKEY_LOCAL_MACHINE, kMachineRunKey, name);
        }
    }
    if (found) g_app.monitorAutoStart = false;
    return found;
}
