#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "base/registry.h"
#include "shell/delete_on_reboot.h"
#include "support/test_files.h"
#include "support/http_server.h"

namespace {

constexpr const char* kSessionManager = "System\\CurrentControlSet\\Control\\Session Manager";

// The pending-rename list is put back as it was, so that the next boot of
// the prefix deletes nothing of ours; reports go to the local test server.
class DeleteAtRestart : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(server_.listening());
        vendor_.Set(server_.BaseUrl());
        ASSERT_TRUE(ScratchFolder::Write(doomed_, "temporary"));
        SetFileAttributesA(doomed_.c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
    }

    testsupport::RegistryGuard pending_{HKEY_LOCAL_MACHINE, kSessionManager, "PendingFileRenameOperations"};
    testsupport::RegistryGuard vendor_{HKEY_CURRENT_USER, kProgramKey, "Server"};
    testsupport::RegistryGuard removed_{HKEY_LOCAL_MACHINE, kProgramKey, "cloudremoved"};
    testsupport::HttpServer server_;
    ScratchFolder folder_{"C:\\sxreboot"};
    std::string doomed_ = folder_ / "doomed.tmp";
};

TEST_F(DeleteAtRestart, FileIsNamedInPendingRenamesAndReported) {
    removed_.Remove();
    ASSERT_TRUE(DeleteOnReboot(doomed_));
    EXPECT_EQ(GetFileAttributesA(doomed_.c_str()) & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN), 0u);

    auto entries = PendingRenames();
    bool found = false;
    for (size_t i = 0; i + 1 < entries.size(); i += 2) {
        if (entries[i] == "\\??\\" + doomed_) {
            found = true;
            EXPECT_EQ(entries[i + 1], "");  // no new name: deleted
        }
    }
    EXPECT_TRUE(found);

    ASSERT_TRUE(server_.WaitForRequests(1, 5000));
    EXPECT_EQ(server_.Requests()[0].target, "/cgi-bin/cloudremoved.pl?&file=DOOMED.TMP&title=");
}

TEST_F(DeleteAtRestart, OverlongPathIsRefusedWithoutAnyEntry) {
    auto before = PendingRenames();
    EXPECT_FALSE(DeleteOnReboot(doomed_ + std::string(300, 'x')));
    EXPECT_FALSE(DeleteOnReboot(""));
    EXPECT_EQ(PendingRenames(), before);
    EXPECT_TRUE(server_.Requests().empty());
}

TEST(WininitDeletion, LineGoesIntoTheRenameSectionKeepingEveryOtherLine) {
    ScratchFolder folder("C:\\sxwininit");
    std::string ini = folder / "wininit.ini";
    struct Case {
        const char* name;
        const char* before;  // nullptr: no file
        const char* after;
    } cases[] = {
        {"no file", nullptr, "[rename]\r\nNUL=C:\\DOOMED~1.TMP\r\n"},
        {"empty file", "", "[rename]\r\nNUL=C:\\DOOMED~1.TMP\r\n"},
        {"other section", "[other]\r\nA=1", "[other]\r\nA=1\r\n[rename]\r\nNUL=C:\\DOOMED~1.TMP\r\n"},
        {"existing section", "[Rename]\r\nNUL=C:\\OLD.TMP\r\n[x]\r\nB=2\r\n",
         "[Rename]\r\nNUL=C:\\DOOMED~1.TMP\r\nNUL=C:\\OLD.TMP\r\n[x]\r\nB=2\r\n"},
        {"section header last", "a=b\n [rename] ", "a=b\n [rename] \r\nNUL=C:\\DOOMED~1.TMP\r\n"},
    };
    for (const Case& c : cases) {
        DeleteFileA(ini.c_str());
        if (c.before) ScratchFolder::Write(ini, c.before);
        EXPECT_TRUE(AddWininitDeletion(ini, "C:\\DOOMED~1.TMP")) << c.name;
        EXPECT_EQ(ReadWholeFile(ini), c.after) << c.name;
    }
    EXPECT_FALSE(AddWininitDeletion(folder / "absent\\wininit.ini", "C:\\X.TMP"));
}

}  // namespace
