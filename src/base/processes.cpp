#include "base/processes.h"

#include <tlhelp32.h>

#include <memory>
#include <string>

#include "base/command_line.h"
#include "base/fixed_text.h"
#include "base/text_helpers.h"
#include "base/unique_resource.h"

namespace {

using PathText = FixedText<MAX_PATH>;

// Kept at the value the NT 4 to XP kernels accept; the Vista headers' wider
// mask is refused there.
constexpr DWORD kProcessAllAccess = 0x1F0FFF;
constexpr DWORD kProcessQueryAndRead = PROCESS_QUERY_INFORMATION | PROCESS_VM_READ;  // 0x410
constexpr DWORD kProcessQueryLimited = 0x1000;  // PROCESS_QUERY_LIMITED_INFORMATION, Vista and later
constexpr DWORD kFirstIdBufferBytes = 1024;
constexpr DWORD kMaxIdBufferBytes = 64u << 20;  // a list this large is no list of processes

using EnumProcessesFn = BOOL(WINAPI*)(DWORD*, DWORD, DWORD*);
using EnumProcessModulesFn = BOOL(WINAPI*)(HANDLE, HMODULE*, DWORD, DWORD*);
using GetModuleFileNameExFn = DWORD(WINAPI*)(HANDLE, HMODULE, LPSTR, DWORD);
using QueryFullProcessImageNameFn = BOOL(WINAPI*)(HANDLE, DWORD, LPSTR, PDWORD);
using TaskEnumProcEx = BOOL(WINAPI*)(DWORD, WORD, WORD, PSZ, PSZ, LPARAM);
using VdmEnumTaskWowExFn = INT(WINAPI*)(DWORD, TaskEnumProcEx, LPARAM);
using CreateSnapshotFn = HANDLE(WINAPI*)(DWORD, DWORD);
using Process32Fn = BOOL(WINAPI*)(HANDLE, PROCESSENTRY32*);

template <class Fn>
Fn Lookup(HMODULE module, const char* name) {
    return module ? reinterpret_cast<Fn>(GetProcAddress(module, name)) : nullptr;
}

using IdBuffer = UniqueHeapBlock<DWORD>;

bool ToolHelpWalk(ProcessVisitor visitor, void* context) {
    UniqueModule kernel(LoadLibraryA("Kernel32.DLL"));
    auto createSnapshot = Lookup<CreateSnapshotFn>(kernel.get(), "CreateToolhelp32Snapshot");
    auto first = Lookup<Process32Fn>(kernel.get(), "Process32First");
    auto next = Lookup<Process32Fn>(kernel.get(), "Process32Next");
    if (!createSnapshot || !first || !next) return false;

    UniqueFileHandle snapshot(createSnapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot) return true;
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof(entry);
    for (BOOL more = first(snapshot.get(), &entry); more; more = next(snapshot.get(), &entry)) {
        PathText path(std::string_view(entry.szExeFile, BoundedLength(entry.szExeFile, sizeof(entry.szExeFile))));
        if (!visitor(entry.th32ProcessID, 0, path.c_str(), context)) break;
    }
    return true;
}

// The process ids, asking again with a doubled buffer while the answer fills it.
bool ReadProcessIds(EnumProcessesFn enumProcesses, IdBuffer& ids, DWORD& count) {
    for (DWORD bytes = kFirstIdBufferBytes; bytes <= kMaxIdBufferBytes; bytes *= 2) {
        ids.reset(static_cast<DWORD*>(HeapAlloc(GetProcessHeap(), 0, bytes)));
        if (!ids) return false;
        DWORD returned = 0;
        if (!enumProcesses(ids.get(), bytes, &returned)) return false;
        if (returned < bytes) {
            count = returned / sizeof(DWORD);
            return true;
        }
    }
    return false;
}

struct PsapiCalls {
    EnumProcessModulesFn enumModules = nullptr;
    GetModuleFileNameExFn moduleFileName = nullptr;
    QueryFullProcessImageNameFn imageName = nullptr;  // absent before Vista
};

bool ImageNameOf(const PsapiCalls& calls, HANDLE process, PathText& path) {
    if (!calls.imageName) return false;
    DWORD size = DWORD(path.capacity());
    if (!calls.imageName(process, 0, path.data(), &size)) {
        path.clear();
        return false;
    }
    return true;
}

// The file of the process's first module. A 32-bit program on 64-bit Windows
// cannot read the modules of a 64-bit process; the image name serves then.
void ProcessPath(const PsapiCalls& calls, DWORD id, PathText& path) {
    path.clear();
    UniqueHandle process(OpenProcess(kProcessQueryAndRead, FALSE, id));
    if (process) {
        HMODULE first = nullptr;
        DWORD needed = 0;
        if (calls.enumModules(process.get(), &first, sizeof(first), &needed) && first &&
            calls.moduleFileName(process.get(), first, path.data(), DWORD(path.capacity())) > 0)
            return;
        path.clear();
        ImageNameOf(calls, process.get(), path);
        return;
    }
    if (!calls.imageName) return;
    UniqueHandle limited(OpenProcess(kProcessQueryLimited, FALSE, id));
    if (limited) ImageNameOf(calls, limited.get(), path);
}

bool IsNtvdm(std::string_view path) {
    constexpr std::string_view kNtvdm = "NTVDM.EXE";
    return path.size() >= kNtvdm.size() && EqualsNoCase(path.substr(path.size() - kNtvdm.size()), kNtvdm);
}

struct TaskWalk {
    DWORD processId;
    ProcessVisitor visitor;
    void* context;
    bool stopped;
};

BOOL WINAPI VisitTask(DWORD, WORD, WORD task16, PSZ, PSZ fileName, LPARAM param) {
    auto* walk = reinterpret_cast<TaskWalk*>(param);
    PathText path(fileName ? std::string_view(fileName, BoundedLength(fileName, MAX_PATH)) : std::string_view());
    if (walk->visitor(walk->processId, task16, path.c_str(), walk->context)) return FALSE;
    walk->stopped = true;
    return TRUE;  // TRUE ends the task enumeration
}

bool NtWalk(ProcessVisitor visitor, void* context) {
    UniqueModule psapi(LoadLibraryA("PSAPI.DLL"));
    auto enumProcesses = Lookup<EnumProcessesFn>(psapi.get(), "EnumProcesses");
    PsapiCalls calls;
    calls.enumModules = Lookup<EnumProcessModulesFn>(psapi.get(), "EnumProcessModules");
    calls.moduleFileName = Lookup<GetModuleFileNameExFn>(psapi.get(), "GetModuleFileNameExA");
    if (!enumProcesses || !calls.enumModules || !calls.moduleFileName) return false;
    calls.imageName = Lookup<QueryFullProcessImageNameFn>(GetModuleHandleA("kernel32.dll"), "QueryFullProcessImageNameA");
    // Without VDMDBG (64-bit Windows has none) only the 16-bit tasks go unlisted.
    UniqueModule vdmdbg(LoadLibraryA("VDMDBG.DLL"));
    auto enumTasks = Lookup<VdmEnumTaskWowExFn>(vdmdbg.get(), "VDMEnumTaskWOWEx");

    IdBuffer ids;
    DWORD count = 0;
    if (!ReadProcessIds(enumProcesses, ids, count)) return false;
    PathText path;
    for (DWORD i = 0; i < count; ++i) {
        DWORD id = ids.get()[i];
        ProcessPath(calls, id, path);
        if (!visitor(id, 0, path.c_str(), context)) break;
        if (enumTasks && IsNtvdm(path.view())) {
            TaskWalk walk{id, visitor, context, false};
            enumTasks(id, VisitTask, reinterpret_cast<LPARAM>(&walk));
            if (walk.stopped) break;
        }
    }
    return true;
}

// Resolved form of a program file for comparisons: ExtractProgramFile, then
// the long form.
PathText ResolvedProgramFile(std::string_view path) {
    PathText file, longForm;
    ExtractProgramFile(path, file);
    if (file.empty()) return file;
    LongPathOf(file.view(), longForm);
    return longForm;
}

// Whether the process's file is the resolved one. The system reports process
// files in their long form unless they were started by a short one, so the
// file system is asked for the long form only for a path with a short name.
bool SameProgramFile(std::string_view resolved, std::string_view processPath) {
    if (resolved.empty()) return false;
    PathText file;
    ExtractProgramFile(processPath, file);
    if (EqualsNoCase(resolved, file.view())) return true;
    if (file.view().find('~') == std::string_view::npos) return false;
    PathText longForm;
    LongPathOf(file.view(), longForm);
    return EqualsNoCase(resolved, longForm.view());
}

struct ProgramMatch {
    std::string_view path;      // as given
    PathText resolved;          // its resolved form
    DWORD processId = 0;
};

bool MatchProgram(DWORD id, WORD, const char* processPath, void* context) {
    auto* match = static_cast<ProgramMatch*>(context);
    std::string_view process(processPath);
    if (process.empty()) return true;
    std::string_view bareName = process.substr(FileNameOffset(process));
    if (EqualsNoCase(match->path, bareName) || SameProgramFile(match->resolved.view(), process)) {
        match->processId = id;
        return false;
    }
    return true;
}

}  // namespace

bool EnumRunningProcesses(ProcessVisitor visitor, void* context) {
    if (!visitor) return false;
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof(version);
    if (!GetVersionExA(&version)) return false;
    switch (version.dwPlatformId) {
        case VER_PLATFORM_WIN32_WINDOWS: return ToolHelpWalk(visitor, context);
        case VER_PLATFORM_WIN32_NT: return NtWalk(visitor, context);
        default: return false;
    }
}

bool KillProcessById(DWORD processId) {
    UniqueHandle process(OpenProcess(kProcessAllAccess, FALSE, processId));
    DWORD exitCode = 0;
    if (!process || !GetExitCodeProcess(process.get(), &exitCode)) return false;
    return TerminateProcess(process.get(), kKilledExitCode) != FALSE;
}

DWORD IsProgramRunning(std::string_view path) {
    if (path.empty()) return 0;
    ProgramMatch match;
    match.path = path;
    match.resolved = ResolvedProgramFile(path);
    EnumRunningProcesses(MatchProgram, &match);
    return match.processId;
}

RunningPrograms::RunningPrograms() {
    EnumRunningProcesses([this](DWORD, WORD, const char* path) {
        if (path && *path) paths_.emplace_back(path);
        return true;
    });
}

bool RunningPrograms::Runs(std::string_view path) const {
    if (path.empty()) return false;
    ProgramMatch match;
    match.path = path;
    match.resolved = ResolvedProgramFile(path);
    for (const std::string& process : paths_)
        if (!MatchProgram(0, 0, process.c_str(), &match)) return true;
    return false;
}

bool EndProcessAndWait(DWORD processId) {
    UniqueHandle process(OpenProcess(kProcessAllAccess, FALSE, processId));
    if (!process) return false;
    DWORD exitCode = 0;
    if (GetExitCodeProcess(process.get(), &exitCode)) TerminateProcess(process.get(), kKilledExitCode);
    for (int poll = 0; poll < kKillWaitPolls; ++poll) {
        if (GetExitCodeProcess(process.get(), &exitCode) && exitCode != STILL_ACTIVE) break;
        Sleep(kKillWaitPollMs);
    }
    return true;
}
