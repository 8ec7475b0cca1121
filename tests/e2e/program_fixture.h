// The base of the end-to-end tests: every test starts as a user's first start
// (the program's registry keys removed) and ends with no program, second
// instance or monitor left running, whatever the test's outcome.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "support/registry_fixture.h"
#include "support/window_driver.h"

namespace e2e {

// A first start scans the whole machine before the sheet appears.
inline constexpr DWORD kSheetTimeoutMs = 30000;
inline constexpr DWORD kExitTimeoutMs = 10000;

class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        KillLeftovers();
        testsupport::CleanProgramRegistry();
    }

    void TearDown() override {
        for (driver::Process& process : processes_) process.Kill();
        processes_.clear();
        KillLeftovers();
        testsupport::CleanProgramRegistry();
    }

    // Starts SentrivoxEx; the process lives until the test ends.
    driver::Process& Start(std::string_view arguments, const std::vector<std::string>& environment = {}) {
        processes_.push_back(driver::StartProgram(arguments, environment));
        EXPECT_TRUE(processes_.back().started()) << "could not start " << driver::ProgramPath();
        return processes_.back();
    }

    // Starts SentrivoxEx and waits for its sheet; nullptr when it does not appear.
    HWND StartWithSheet(std::string_view arguments, driver::Process** process = nullptr) {
        driver::Process& started = Start(arguments);
        if (process) *process = &started;
        return started.started() ? driver::WaitForSheet(started.id(), kSheetTimeoutMs) : nullptr;
    }

    // Closes the sheet with the page's Close button and expects the program to end with 0.
    void CloseAndExpectEnd(driver::Process& process, HWND sheet) {
        ASSERT_TRUE(driver::CloseSheet(sheet));
        auto code = process.WaitExit(kExitTimeoutMs);
        ASSERT_TRUE(code.has_value()) << "the program kept running after its sheet was closed";
        EXPECT_EQ(*code, 0u);
        EXPECT_EQ(driver::FindMainWindow(), nullptr);
    }

    static void KillLeftovers() {
        driver::KillProcessesNamed({"SentrivoxEx.exe", "Sentrivox.exe", "monitor_standin.exe"});
    }

private:
    std::deque<driver::Process> processes_;  // a deque keeps references stable
};

}  // namespace e2e
