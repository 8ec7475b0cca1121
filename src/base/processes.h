// The running processes: the walk over them (16-bit tasks included), the
// search for a program among them and the ending of one. The question the
// user is asked first is the shell's (end_program.h).
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>
#include <vector>
#include <string_view>
#include <type_traits>

// Called once per process: its id, its 16-bit task handle (0 for an ordinary
// process), its full file path (at most 259 characters, possibly empty) and
// the caller's context. Returns true to go on, false to stop the walk.
using ProcessVisitor = bool (*)(DWORD processId, WORD task16, const char* path, void* context);

// Exit code given to a process that is ended here (not the STILL_ACTIVE it
// reports while it runs, which would make it look alive for ever).
inline constexpr UINT kKilledExitCode = 1;
// An ended process is waited for this many times, this far apart.
inline constexpr int kKillWaitPolls = 5;
inline constexpr DWORD kKillWaitPollMs = 10;

// Walks the running processes; true when the walk could be made.
bool EnumRunningProcesses(ProcessVisitor visitor, void* context);
// Same with any callable taking (DWORD id, WORD task16, const char* path) -> bool.
template <class F>
bool EnumRunningProcesses(F&& visit) {
    using Visit = std::remove_reference_t<F>;
    return EnumRunningProcesses(
        [](DWORD id, WORD task, const char* path, void* ctx) -> bool {
            return (*static_cast<Visit*>(ctx))(id, task, path);
        },
        const_cast<void*>(static_cast<const void*>(&visit)));
}

// Ends the process; true when it was terminated.
bool KillProcessById(DWORD processId);

// The id of the first running process whose file is the path's: both
// resolved by ExtractProgramFile and LongPathOf and compared without case, or
// the path equal to the process's bare file name. 0 when none.
DWORD IsProgramRunning(std::string_view path);

// The running processes' files, taken in one walk, for a list that asks of
// many programs whether they run (IsProgramRunning walks once per question).
class RunningPrograms {
public:
    RunningPrograms();
    // IsProgramRunning's rule over the processes of the walk.
    bool Runs(std::string_view path) const;

private:
    std::vector<std::string> paths_;
};

// Ends the process and waits for it briefly (kKillWaitPolls times
// kKillWaitPollMs). False when the process could not be opened.
bool EndProcessAndWait(DWORD processId);
