#include "shell/start_actions.h"

#include <windows.h>

#include <cstdio>
#include <string>

#include "base/file_search.h"
#include "base/first_seen.h"
#include "base/launch.h"
#include "base/registry.h"
#include "base/text_helpers.h"
#include "base/windows_version.h"
#include "shell/app_state.h"
#include "shell/explorer_verb.h"
#include "shell/load_text.h"
#include "shell/option_store.h"
#include "shell/options.h"
#include "shell/snapshots.h"
#include "shell/start_hooks.h"
#include "shell/startup_hooks.h"

namespace {

constexpr const char* kProgramVersion = "19.3.2010.0";
constexpr const char* kAutoUpdateKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\WindowsUpdate\\Auto Update";
constexpr const char* kUacKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Policies\\System";

constexpr const char* kSavedPlacements[] = {
    "xPos", "yPos", "dxPos", "dyPos", "xPosAlert", "yPosAlert", "dxAlert", "dyAlert",
    "xInfo", "yInfo", "dxInfo", "dyInfo", "xPosSysFiles", "yPosSysFiles", "dxSysFiles", "dySysFiles",
    "xCookie", "yCookie", "dxCookie", "dyCookie", "xDefaultWarning", "yDefaultWarning", "dxDefaultWarning",
    "dyDefaultWarning", "xPosAddFileType", "yPosAddFileType", "dxPosAddFileType", "dyPosAddFileType",
};

std::string ProgramSubkey(std::string_view name) { return std::string(kProgramKey) + "\\" + std::string(name); }

void RestoreAUOption() {
    DWORD value = RegReadDword(HKEY_CURRENT_USER, kProgramKey, "AUOptions");
    RegWriteDword(HKEY_LOCAL_MACHINE, kAutoUpdateKey, "AUOptions", &value);
}

void RestoreUrlPrefix() {
    FixedText<257> prefix;
    if (RegReadString(kProgramKey, "wwwPrefix", HKEY_CURRENT_USER, prefix) <= 0) LoadText(1061, prefix);
    RegWriteString(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\URL\\Prefixes", "www",
                   prefix.view());
    RegWriteString(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\URL\\DefaultPrefix", "",
                   prefix.view());
}

WORD LanguageIdOf(const char* code) {
    static const struct { const char* code; WORD id; } kLanguages[] = {
        {"us", 9}, {"de", 7}, {"fr", 12}, {"es", 10}, {"it", 16}, {"se", 29}, {"\xEA\xE0\xEA", 25},
        {"ru", 25}, {"pt", 22}, {"pl", 21}, {"no", 20}, {"gr", 8}, {"nl", 19}, {"br", 22},
        {"sq", 28}, {"tr", 31}, {"ar", 1}, {"fi", 11}, {"cn", 4},
    };
    for (const auto& language : kLanguages)
        if (EqualsNoCase(code, language.code)) return language.id;
    return 0;
}

void InitializeLanguage() {
    g_app.languageId = 0;
    FixedText<9> code;
    LoadText(634, code);
    g_app.languageId = LanguageIdOf(code.c_str());
}

void InitializeFirstRun() {
    FixedText<260> firstStart;
    if (RegReadString(kProgramKey, "", HKEY_CURRENT_USER, firstStart) > 0) return;
    RegCreateForWrite(HKEY_CURRENT_USER, "Software\\Orvik Studios");
    RegCreateForWrite(HKEY_CURRENT_USER, kProgramKey);
    for (const char* sub : {"Nuts", "Cookies", "Options", "Run", "IEHelpers", "HostFile", "Tasks"})
        RegCreateForWrite(HKEY_CURRENT_USER, ProgramSubkey(sub));
    RegWriteString(HKEY_CURRENT_USER, kProgramKey, "", TodayText().view());
    SwitchMonitorAutoStart(true);
}

void SaveWindowsUpdateSetting() {
    if (RegReadDword(HKEY_CURRENT_USER, kProgramKey, "AUOptions") != 0) return;
    DWORD system = RegReadDword(HKEY_LOCAL_MACHINE, kAutoUpdateKey, "AUOptions");
    if (system != 0) RegWriteDword(HKEY_CURRENT_USER, kProgramKey, "AUOptions", &system);
}

void SaveUacSettings() {
    if (!IsVistaOrLater() || IsWindows64()) return;
    for (const char* name : {"ConsentPromptBehaviorAdmin", "EnableLUA", "PromptOnSecureDesktop"}) {
        if (RegReadDwordOrMissing(RegOpenForRead(HKEY_CURRENT_USER, kProgramKey), name) != -1) continue;
        DWORD value = DWORD(RegReadDwordOrMissing(RegOpenForRead(HKEY_LOCAL_MACHINE, kUacKey), name));
        RegWriteDword(HKEY_CURRENT_USER, kProgramKey, name, &value);
    }
}

void RecordSystemFilesOnce() {
    std::string sysfiles = ProgramSubkey("Sysfiles");
    FixedText<260> recorded;
    if (RegReadString(sysfiles, "", HKEY_LOCAL_MACHINE, recorded) > 0) return;
    RegCreateForWrite(HKEY_LOCAL_MACHINE, sysfiles);
    FixedText<MAX_PATH> hosts;
    HostsFilePath(hosts);
    RecordSystemFile("HOSTS", hosts.view(), "HOST file can be used to protect or redirect domain access.");
    RecordSystemFile("Autoexec.bat", "C:\\autoexec.bat", "Runs at system boot time at command level.");
    RecordSystemFile("Config.sys", "C:\\Config.sys", "Used at system boot time at command level.");
    RegWriteString(HKEY_LOCAL_MACHINE, sysfiles, "", TodayText().view());
}

void CheckVersionChange() {
    FixedText<33> lastVersion;
    int length = RegReadString(kProgramKey, "NewVersion", HKEY_CURRENT_USER, lastVersion);
    if (length <= 0) {
        ResetSnapshots();
        RegWriteString(HKEY_CURRENT_USER, kProgramKey, "NewVersion", kProgramVersion);
        return;
    }
    if (!ContainsNoCase(lastVersion.view(), kProgramVersion)) {
        ResetSnapshots();
        RegWriteString(HKEY_CURRENT_USER, kProgramKey, "NewVersion", kProgramVersion);
        SwitchMonitorAutoStart(true);
    }
    if (ReadOption("Cleanup", 0) != 0) {
        ResetSnapshots();
        WriteOption("Cleanup", 0);
    }
}

void SyncExplorerVerb() {
    bool present = ExplorerVerbPresent();
    bool wanted = ReadOption("ExplorerMenu", 1) == 1;
    if (wanted && !present) CreateExplorerVerb();
    if (!wanted && present) RemoveExplorerVerb();
}

}  // namespace

void DetectWindows64() {
    UniqueHkey key;
    bool found = RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software\\Wow6432Node\\Microsoft\\Windows\\CurrentVersion\\Run", 0,
                               KEY_READ, key.put()) == ERROR_SUCCESS;
    SetWindows64(found);
}

void RestoreDefaults() {
    char name[32];
    for (int id = 0; id < kOverridableIds; ++id) {
        std::snprintf(name, sizeof(name), "LString%d", id);
        RegRemoveValue(HKEY_LOCAL_MACHINE, kProgramKey, name);
    }
    for (const char* placement : kSavedPlacements) RegRemoveValue(HKEY_CURRENT_USER, kProgramKey, placement);
}

void PerformStartAction(StartAction action) {
    switch (action) {
        case StartAction::Restore:
            RestoreDefaults();
            RestoreDelayedStartPrograms();
            if (ExplorerVerbPresent()) RemoveExplorerVerb();
            break;
        case StartAction::RegRepair: ImportSavedRegFile(); break;
        case StartAction::AUOption: RestoreAUOption(); break;
        case StartAction::SetPrefix: RestoreUrlPrefix(); break;
        case StartAction::None: break;
    }
}

void InitializeStart() {
    g_app.startTicks = GetTickCount();
    InitializeLanguage();
    DetectWindows64();
    InitializeFirstRun();
    SeedFirstSeenStores();
    FirstFillSnapshot(SnapshotKey::Services);
    FirstFillSnapshot(SnapshotKey::Hidden);
    FirstFillSnapshot(SnapshotKey::ActiveX);
    SaveWindowsUpdateSetting();
    SaveUacSettings();
    RecordSystemFilesOnce();
    CheckVersionChange();
    InitFileTypeSnapshots();
    LoadOptions();
    SyncExplorerVerb();
    g_app.monitorAutoStart = MonitorAutoStartPresent();
    LoadDelayedStartList();
}

void RotateFirstSeenPruning() {
    long n = ReadOption("nCount", 0) + 1;
    if (n > 6 || n < 0) n = 0;
    WriteOption("nCount", n);
    static const char* const kRotation[] = {"Tasks", "ActiveTasks", "Services", "Hidden", "IEHelper", "Startup"};
    if (n < 6) PruneFirstSeen(kRotation[n]);
}
