#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "base/date_time.h"
#include "base/file_facts.h"
#include "support/test_files.h"

namespace {

class FileFactsTest : public ::testing::Test {
protected:
    ScratchFolder scratch{"C:\\sx-h-facts"};
};

std::string Loaded(const std::string& path, bool addCr, size_t* sizeOut = nullptr, SIZE_T* blockSize = nullptr) {
    size_t size = 12345;
    UniqueHglobal block = LoadTextFileCrLf(path, addCr, size);
    if (sizeOut) *sizeOut = size;
    if (!block) return "<none>";
    if (blockSize) *blockSize = GlobalSize(block.get());
    std::string text = static_cast<const char*>(GlobalLock(block.get()));
    GlobalUnlock(block.get());
    return text;
}

}  // namespace

TEST_F(FileFactsTest, CreationStampAndWriteTime) {
    const std::string file = scratch / "five.txt";
    ASSERT_TRUE(ScratchFolder::Write(file, "12345"));
    FixedText<32> stamp;
    EXPECT_EQ(FileCreationStamp(file, stamp), 16);
    int year = 0, month = 0, day = 0, hour = 0, minute = 0;
    EXPECT_EQ(sscanf(stamp.c_str(), "%4d/%2d/%2d %2d:%2d", &year, &month, &day, &hour, &minute), 5) << stamp.c_str();
    EXPECT_GE(year, 2020);
    EXPECT_EQ(FileCreationStamp(scratch / "missing.txt", stamp), 0);
    EXPECT_STREQ(stamp.c_str(), "");

    char size[32], time[32];
    ASSERT_TRUE(FileSizeAndWriteTime(file, size, sizeof(size), time, sizeof(time)));
    EXPECT_STREQ(size, "5");
    WIN32_FILE_ATTRIBUTE_DATA data;
    ASSERT_TRUE(GetFileAttributesExA(file.c_str(), GetFileExInfoStandard, &data));
    FILETIME local;
    SYSTEMTIME written;
    FileTimeToLocalFileTime(&data.ftLastWriteTime, &local);
    FileTimeToSystemTime(&local, &written);
    FixedText<32> expected;
    FormatLocalDateTime(written, expected);
    EXPECT_STREQ(time, expected.c_str());
    EXPECT_FALSE(FileSizeAndWriteTime(scratch / "missing.txt", size, sizeof(size), time, sizeof(time)));
    EXPECT_STREQ(size, "");
    EXPECT_STREQ(time, "");
}

TEST_F(FileFactsTest, SizesAbove2GBStayPositive) {
    const std::string file = scratch / "large.bin";
    HANDLE handle = CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(handle, INVALID_HANDLE_VALUE);
    LARGE_INTEGER end;
    end.QuadPart = 3221225472LL;  // 3 GB, sparse on the host
    bool sized = SetFilePointerEx(handle, end, nullptr, FILE_BEGIN) && SetEndOfFile(handle);
    CloseHandle(handle);
    if (!sized) GTEST_SKIP() << "no room for a large sparse file";
    char size[32], time[32];
    ASSERT_TRUE(FileSizeAndWriteTime(file, size, sizeof(size), time, sizeof(time)));
    EXPECT_STREQ(size, "3221225472");
    FileFactsRecord facts;
    EXPECT_TRUE(FileFacts(file, 100, facts));
    EXPECT_STREQ(facts.size.c_str(), "3,221,225,472");
}

TEST_F(FileFactsTest, FactsOfAFile) {
    const std::string file = scratch / "facts.exe";
    ASSERT_TRUE(ScratchFolder::Write(file, std::string(1234, 'x')));
    testsupport::RegistryGuard detected(HKEY_CURRENT_USER, "Software\\Orvik Studios\\Detected\\Startup", file);
    detected.Set("12/04/2026 2:05 PM");
    FileFactsRecord facts;
    ASSERT_TRUE(FileFacts(file, 1, facts));
    EXPECT_STREQ(facts.size.c_str(), "1,234");
    EXPECT_FALSE(facts.created.empty());
    EXPECT_FALSE(facts.accessed.empty());
    EXPECT_FALSE(facts.written.empty());
    EXPECT_STREQ(facts.firstDetected.c_str(), "12/04/2026 2:05 PM");

    FileFactsRecord missing;
    missing.created = "stale";
    EXPECT_FALSE(FileFacts(scratch / "missing.exe", 1, missing));
    EXPECT_TRUE(missing.created.empty() && missing.written.empty() && missing.firstDetected.empty());
}

TEST_F(FileFactsTest, LoadTextFileTurnsLineFeedsIntoCrLf) {
    const std::string file = scratch / "lines.ini";
    ASSERT_TRUE(ScratchFolder::Write(file, "[rename]\nNUL=C:\\x.tmp\r\nlast"));
    size_t size = 0;
    const std::string converted = "[rename]\r\nNUL=C:\\x.tmp\r\nlast";
    EXPECT_EQ(Loaded(file, true, &size), converted);
    EXPECT_EQ(size, converted.size() - 1);
    const std::string raw = "[rename]\nNUL=C:\\x.tmp\r\nlast";
    EXPECT_EQ(Loaded(file, false, &size), raw);
    EXPECT_EQ(size, raw.size() - 1);

    ASSERT_TRUE(ScratchFolder::Write(file, ""));
    EXPECT_EQ(Loaded(file, true, &size), "<none>");
    EXPECT_EQ(size, 0u);
    EXPECT_EQ(Loaded(scratch / "missing.ini", true), "<none>");
}

TEST_F(FileFactsTest, LoadTextFileHasRoomForEveryAddedCr) {
    // Only line feeds: the converted text is twice the file, more than size + 32.
    const std::string file = scratch / "feeds.txt";
    ASSERT_TRUE(ScratchFolder::Write(file, std::string(1000, '\n')));
    size_t size = 0;
    SIZE_T block = 0;
    std::string text = Loaded(file, true, &size, &block);
    EXPECT_EQ(text.size(), 2000u);
    EXPECT_EQ(size, 1999u);
    EXPECT_GE(block, 2001u);
    EXPECT_EQ(text.find("\n\n"), std::string::npos);
}
