#include <gtest/gtest.h>
#include <winsock2.h>
#include <windows.h>

#include <deque>
#include <string>

#include "shell/list_store.h"
#include "base/processes.h"
#include "shell/running_programs.h"
#include "support/http_server.h"
#include "sysobjects/task_kill.h"
#include "service_test_support.h"

namespace {

using namespace servicetest;

// Two copies of the idle program in two folders, started as the test needs
// them; removal reports go to a local server. Everything ends with the test.
class TaskKill : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(server_.listening());
        vendor_.Set(server_.BaseUrl());
        reportAddress_.Remove();
        ASSERT_TRUE(copies_.copied());
        ListStoreClear();
    }
    void TearDown() override { ListStoreClear(); }

    std::string Copy(const char* sub) const { return copies_.Copy(sub); }
    driver::Process& Start(const std::string& path) { return copies_.Start(path); }
    // The Active Tasks row of a file after a fresh walk; -1 when none.
    static int RowOfFile(const std::string& path) {
        ListRunningPrograms();
        for (int row = 0; row < ListStoreCount(); ++row)
            if (SamePath(std::string(ListStoreRow(row)->path.view()), path)) return row;
        return -1;
    }

    IdleProgramCopies copies_{"C:\\task_kill_test"};
    HistoryFile history_;
    testsupport::HttpServer server_;
    testsupport::RegistryGuard vendor_{HKEY_CURRENT_USER, kProgramKey, "Server"};
    testsupport::RegistryGuard reportAddress_{HKEY_LOCAL_MACHINE, kProgramKey, "cloudremoved"};
};

TEST_F(TaskKill, KillTaskEndsTheProcessOfTheRowAndNoOtherCopy) {
    driver::Process& first = Start(Copy("first"));
    driver::Process& second = Start(Copy("second"));
    const int row = RowOfFile(Copy("second"));
    ASSERT_GE(row, 0);
    ASSERT_EQ(ListStoreRow(row)->flag, int(second.id()));
    const std::string title(ListStoreRow(row)->title.view()), path(ListStoreRow(row)->path.view());

    EXPECT_TRUE(KillTaskRow(row));
    auto code = second.WaitExit(5000);
    ASSERT_TRUE(code.has_value());
    EXPECT_EQ(*code, kKilledExitCode);
    EXPECT_TRUE(first.Running()) << "the copy in the other folder runs on";

    const auto lines = history_.Lines();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].event, "TASK_Kill");
    EXPECT_EQ(lines[0].type, "INFO_TASK");
    EXPECT_EQ(lines[0].title, "Idle Program");
    EXPECT_EQ(lines[0].title, title);
    EXPECT_EQ(lines[0].command, path);
    ASSERT_TRUE(server_.WaitForRequests(1, 5000));
    EXPECT_NE(server_.Requests()[0].target.find("cloudremoved.pl?&file=IDLE_PROGRAM.EXE&title=Idle%20Program"),
              std::string::npos)
        << server_.Requests()[0].target;
}

TEST_F(TaskKill, RowWhoseProcessNoLongerRunsItsFileEndsNothing) {
    driver::Process& first = Start(Copy("first"));
    driver::Process& ended = Start(Copy("second"));
    const DWORD endedId = ended.id();
    ended.Kill();

    const struct {
        const char* name;
        std::string path;
        DWORD processId;
        int type;
    } cases[] = {
        // The id went to another program (here: the first copy) after the walk.
        {"id now runs another file", Copy("second"), first.id(), kRunningTaskType},
        {"process has ended", Copy("second"), endedId, kRunningTaskType},
        {"row of another type", Copy("first"), first.id(), 1},
        {"no process id", Copy("first"), 0, kRunningTaskType},
    };
    for (const auto& c : cases) {
        ListStoreClear();
        ASSERT_TRUE(ListStoreAppend("Idle Program", c.path, "", "", c.type, int(c.processId)));
        EXPECT_FALSE(KillTaskRow(0)) << c.name;
        EXPECT_TRUE(first.Running()) << c.name;
    }
    EXPECT_FALSE(KillTaskRow(7)) << "no such row";
    EXPECT_TRUE(history_.Lines().empty());
    EXPECT_TRUE(server_.Requests().empty());
}

}  // namespace
