#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <deque>
#include <optional>
#include <string>
#include <thread>

#include "shell/app_state.h"
#include "shell/history.h"
#include "shell/list_store.h"
#include "base/registry.h"
#include "base/unique_resource.h"
#include "base/command_line.h"
#include "base/processes.h"
#include "shell/end_program.h"
#include "shell/running_programs.h"
#include "support/box_answerer.h"
#include "support/window_driver.h"
#include "support/test_files.h"

namespace {

bool SamePath(const std::string& a, const std::string& b) {
    return CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, a.c_str(), -1, b.c_str(), -1) == CSTR_EQUAL;
}

// Starts copies of the idle tool; the process ids, paths and history file are
// the test's to check. The history option is on and the file is removed
// before and after.
class RunningProcesses : public ::testing::Test {
protected:
    void SetUp() override {
        toolPath_ = driver::ToolPath("idle_program");
        ASSERT_NE(GetFileAttributesA(toolPath_.c_str()), INVALID_FILE_ATTRIBUTES) << toolPath_;
        FixedText<MAX_PATH> path;
        HistoryFilePath(path);
        historyPath_ = std::string(path.view());
        DeleteFileA(historyPath_.c_str());
        RegWriteString(HKEY_CURRENT_USER, kOptionsKey, "History", "1");
    }
    void TearDown() override {
        for (auto& p : processes_) p.Kill();
        DeleteFileA(historyPath_.c_str());
        RegRemoveValue(HKEY_CURRENT_USER, kOptionsKey, "History");
        ListStoreClear();
    }
    driver::Process& StartIdle() {
        processes_.push_back(driver::Process::Start(toolPath_, "60"));
        EXPECT_TRUE(processes_.back().started());
        DWORD id = processes_.back().id();
        // Until the walk can read the new process's modules.
        driver::WaitUntil([&] {
            std::string found;
            EnumRunningProcesses([&](DWORD pid, WORD, const char* path) {
                if (pid == id) found = path;
                return pid != id;
            });
            return !found.empty();
        }, 5000);
        return processes_.back();
    }
    std::string History() const { return ReadWholeFile(historyPath_); }

    std::string toolPath_, historyPath_;
    std::deque<driver::Process> processes_;  // references to its elements stay valid
};

TEST_F(RunningProcesses, WalkReportsEveryProcessWithItsPath) {
    auto& idle = StartIdle();
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string selfPath, idlePath;
    int visited = 0;
    ASSERT_TRUE(EnumRunningProcesses([&](DWORD id, WORD task, const char* path) {
        ++visited;
        EXPECT_EQ(task, 0);
        if (id == GetCurrentProcessId()) selfPath = path;
        if (id == idle.id()) idlePath = path;
        return true;
    }));
    EXPECT_GT(visited, 2);
    EXPECT_TRUE(SamePath(selfPath, self)) << selfPath;
    EXPECT_TRUE(SamePath(idlePath, toolPath_)) << idlePath;
}

TEST_F(RunningProcesses, VisitorReturningFalseStopsTheWalk) {
    int visited = 0;
    ASSERT_TRUE(EnumRunningProcesses([&](DWORD, WORD, const char*) { return ++visited < 2; }));
    EXPECT_EQ(visited, 2);
}

TEST_F(RunningProcesses, ProgramIsFoundByItsPathInAnyFormOrByBareName) {
    auto& idle = StartIdle();
    char shortPath[MAX_PATH] = {};
    GetShortPathNameA(toolPath_.c_str(), shortPath, MAX_PATH);
    std::string lower = toolPath_;
    CharLowerBuffA(lower.data(), DWORD(lower.size()));
    const std::string forms[] = {toolPath_, "\"" + toolPath_ + "\" -quiet", shortPath, lower, "idle_program.exe",
                                 "IDLE_PROGRAM.EXE"};
    for (const auto& form : forms) EXPECT_EQ(IsProgramRunning(form), idle.id()) << form;

    const std::string strangers[] = {"", "C:\\nowhere\\idle_program.exe", "idle_program", "C:\\WINDOWS\\NOTEPAD.EXE"};
    for (const auto& stranger : strangers) EXPECT_EQ(IsProgramRunning(stranger), 0u) << stranger;
}

TEST_F(RunningProcesses, KillProcessByIdLeavesExitCodeOneNotStillActive) {
    auto& idle = StartIdle();
    ASSERT_TRUE(KillProcessById(idle.id()));
    auto code = idle.WaitExit(5000);
    ASSERT_TRUE(code.has_value());
    EXPECT_EQ(*code, kKilledExitCode);
    EXPECT_NE(*code, DWORD(STILL_ACTIVE));
    EXPECT_FALSE(KillProcessById(0x7FFFFFF0));
}

TEST_F(RunningProcesses, KillProgramAsksThenEndsTheProgramAndWritesHistory) {
    auto& idle = StartIdle();
    testsupport::BoxAnswerer yes(IDYES);
    EXPECT_EQ(KillProgram(toolPath_, "Idle Tool", true), idle.id());
    EXPECT_TRUE(yes.seen());
    EXPECT_NE(yes.text().find("Idle Tool is currently an actively running program."), std::string::npos) << yes.text();
    // KillProgram's own short wait sees the end: the exit code is no longer STILL_ACTIVE.
    EXPECT_FALSE(idle.Running());
    EXPECT_EQ(idle.WaitExit(1000).value_or(STILL_ACTIVE), kKilledExitCode);
    EXPECT_NE(History().find("\tTASK_Kill\tINFO_TASK\tIdle Tool\t" + toolPath_ + "\t\r\n"), std::string::npos)
        << History();
}

TEST_F(RunningProcesses, KillProgramAnsweredNoLeavesTheProgramRunning) {
    auto& idle = StartIdle();
    testsupport::BoxAnswerer no(IDNO);
    EXPECT_EQ(KillProgram("idle_program.exe", "", true), idle.id());
    // Without a name the question names the path.
    EXPECT_NE(no.text().find("idle_program.exe is currently"), std::string::npos) << no.text();
    EXPECT_TRUE(idle.Running());
    EXPECT_EQ(History(), "");
}

TEST_F(RunningProcesses, KillProgramOnAProgramNotRunningReturnsZeroWithoutAsking) {
    testsupport::BoxAnswerer watcher(IDNO, 1500);
    EXPECT_EQ(KillProgram("C:\\nowhere\\idle_program.exe", "Idle Tool", true), 0u);
    EXPECT_FALSE(watcher.seen());
    EXPECT_EQ(History(), "");
}

TEST_F(RunningProcesses, KillProgramWithoutQuestionEndsAtOnce) {
    auto& idle = StartIdle();
    EXPECT_EQ(KillProgram(toolPath_, "Idle Tool", false), idle.id());
    EXPECT_EQ(idle.WaitExit(1000).value_or(STILL_ACTIVE), kKilledExitCode);
    EXPECT_EQ(EndProgramProcess(0x7FFFFFF0, toolPath_, "gone"), 0u);
}

TEST_F(RunningProcesses, ListRunningProgramsHoldsEachFileOnce) {
    auto& first = StartIdle();
    auto& second = StartIdle();
    ListStoreAppend("stale", "C:\\STALE.EXE", "", "", 1, 0);
    int appended = ListRunningPrograms();
    EXPECT_EQ(appended, ListStoreCount());

    FixedText<MAX_PATH> expected;
    ExtractProgramFile(toolPath_, expected);
    int matches = 0;
    for (int i = 0; i < ListStoreCount(); ++i) {
        const ListRow* row = ListStoreRow(i);
        EXPECT_NE(row->path.view(), "C:\\STALE.EXE");
        EXPECT_EQ(row->typeCode, 600);
        EXPECT_FALSE(row->path.empty());
        if (SamePath(std::string(row->path.view()), std::string(expected.view()))) {
            ++matches;
            EXPECT_TRUE(DWORD(row->flag) == first.id() || DWORD(row->flag) == second.id())
                << row->flag << " " << first.id() << " " << second.id();
        }
    }
    EXPECT_EQ(matches, 1);
}

}  // namespace
