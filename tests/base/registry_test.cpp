#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "shell/app_state.h"
#include "base/registry.h"
#include "shell/start_actions.h"
#include "base/windows_version.h"

namespace {

constexpr const char* kScratch = "Software\\SentrivoxTest\\Registry";

class RegistryRoutines : public ::testing::Test {
protected:
    void SetUp() override { RegDeleteTree(HKEY_CURRENT_USER, "Software\\SentrivoxTest"); }
    void TearDown() override { RegDeleteTree(HKEY_CURRENT_USER, "Software\\SentrivoxTest"); }
    static void Raw(const char* name, DWORD type, const void* data, DWORD size) {
        UniqueHkey key = RegCreateForWrite(HKEY_CURRENT_USER, kScratch);
        ASSERT_TRUE(key);
        ASSERT_EQ(RegSetValueExA(key.get(), name, 0, type, static_cast<const BYTE*>(data), size), ERROR_SUCCESS);
    }
};

TEST_F(RegistryRoutines, ReadStringHandlesKindsAndLimits) {
    DWORD number = 7;
    Raw("dword", REG_DWORD, &number, sizeof(number));
    Raw("text", REG_SZ, "hello", 6);
    Raw("unterminated", REG_SZ, "abc", 3);
    SetEnvironmentVariableA("SENTRIVOX_TEST_VAR", "expanded");
    Raw("expand", REG_EXPAND_SZ, "x%SENTRIVOX_TEST_VAR%y", 23);
    FixedText<16> out;
    EXPECT_EQ(RegReadString(kScratch, "dword", HKEY_CURRENT_USER, out), 0);
    EXPECT_STREQ(out.c_str(), "");
    EXPECT_EQ(RegReadString(kScratch, "text", HKEY_CURRENT_USER, out), 5);
    EXPECT_STREQ(out.c_str(), "hello");
    EXPECT_EQ(RegReadString(kScratch, "unterminated", HKEY_CURRENT_USER, out), 3);
    EXPECT_STREQ(out.c_str(), "abc");
    EXPECT_EQ(RegReadString(kScratch, "expand", HKEY_CURRENT_USER, out), 10);
    EXPECT_STREQ(out.c_str(), "xexpandedy");
    // A text that does not fit is refused, not cut.
    FixedText<5> small;
    EXPECT_EQ(RegReadString(kScratch, "text", HKEY_CURRENT_USER, small), 0);
    EXPECT_STREQ(small.c_str(), "");
    EXPECT_EQ(RegReadString(kScratch, "missing", HKEY_CURRENT_USER, out), 0);
}

TEST_F(RegistryRoutines, OverLongValueReadsEmpty) {
    std::string big(3000, 'z');
    Raw("big", REG_SZ, big.c_str(), DWORD(big.size() + 1));
    FixedText<260> out;
    EXPECT_EQ(RegReadString(kScratch, "big", HKEY_CURRENT_USER, out), 0);
    EXPECT_STREQ(out.c_str(), "");
}

TEST_F(RegistryRoutines, RemoveValueSemantics) {
    ASSERT_TRUE(RegWriteString(HKEY_CURRENT_USER, kScratch, "a", "1"));
    ASSERT_TRUE(RegWriteString(HKEY_CURRENT_USER, kScratch, "", "default"));
    EXPECT_TRUE(RegRemoveValue(HKEY_CURRENT_USER, kScratch, "a"));
    EXPECT_TRUE(RegRemoveValue(HKEY_CURRENT_USER, kScratch, "a"));  // already gone
    EXPECT_TRUE(RegRemoveValue(HKEY_CURRENT_USER, kScratch, ""));   // default emptied, not deleted
    FixedText<32> out("x");
    EXPECT_EQ(RegReadString(kScratch, "", HKEY_CURRENT_USER, out), 0);
    EXPECT_FALSE(RegRemoveValue(HKEY_CURRENT_USER, "Software\\SentrivoxTest\\NoSuchKey", "a"));
}

TEST_F(RegistryRoutines, DeleteTreeRemovesNestedKeysAndAcceptsMissing) {
    ASSERT_TRUE(RegWriteString(HKEY_CURRENT_USER, std::string(kScratch) + "\\a\\b\\c", "v", "1"));
    ASSERT_TRUE(RegWriteString(HKEY_CURRENT_USER, std::string(kScratch) + "\\a\\d", "v", "1"));
    EXPECT_TRUE(RegDeleteTree(HKEY_CURRENT_USER, kScratch));
    EXPECT_FALSE(RegKeyExists(HKEY_CURRENT_USER, kScratch));
    EXPECT_TRUE(RegDeleteTree(HKEY_CURRENT_USER, kScratch));
    EXPECT_FALSE(RegDeleteTree(HKEY_CURRENT_USER, ""));  // never the whole hive
}

TEST_F(RegistryRoutines, DwordOrMissing) {
    DWORD value = 0;
    ASSERT_TRUE(RegWriteDword(HKEY_CURRENT_USER, kScratch, "zero", &value));
    EXPECT_EQ(RegReadDwordOrMissing(RegOpenForRead(HKEY_CURRENT_USER, kScratch), "zero"), 0);
    EXPECT_EQ(RegReadDwordOrMissing(RegOpenForRead(HKEY_CURRENT_USER, kScratch), "none"), -1);
    EXPECT_EQ(RegReadDwordOrMissing(UniqueHkey(), "none"), -1);
    EXPECT_EQ(RegReadDword(HKEY_CURRENT_USER, kScratch, "none"), 0u);
}

// On 64-bit Windows every routine works in the native view, so that what is
// written under HKLM\Software is found again by the next start and by the monitor.
TEST(RegistryView, SixtyFourBitMasksReachTheNativeView) {
    const bool win32Flavour = [] {
        char flavour[16] = {};
        GetEnvironmentVariableA("SENTRIVOX_FLAVOUR", flavour, sizeof(flavour));
        return std::string(flavour) == "win32";
    }();
    DetectWindows64();
    EXPECT_EQ(IsWindows64(), !win32Flavour);
    if (win32Flavour) {
        EXPECT_EQ(RegistryReadMask(), REGSAM(KEY_READ));
        EXPECT_EQ(RegistryWriteMask(), REGSAM(KEY_WRITE));
        return;
    }
    EXPECT_EQ(RegistryReadMask(), REGSAM(0x20119));
    EXPECT_EQ(RegistryWriteMask(), REGSAM(0x20106));
    const char* key = "Software\\SentrivoxViewTest";
    ASSERT_TRUE(RegWriteString(HKEY_LOCAL_MACHINE, key, "v", "native"));
    UniqueHkey native, redirected;
    EXPECT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, key, 0, KEY_READ | KEY_WOW64_64KEY, native.put()), ERROR_SUCCESS);
    EXPECT_NE(RegOpenKeyExA(HKEY_LOCAL_MACHINE, key, 0, KEY_READ | KEY_WOW64_32KEY, redirected.put()),
              ERROR_SUCCESS);
    FixedText<16> out;
    EXPECT_EQ(RegReadString(key, "v", HKEY_LOCAL_MACHINE, out), 6);
    native.reset();
    EXPECT_TRUE(RegDeleteTree(HKEY_LOCAL_MACHINE, key));
    EXPECT_FALSE(RegKeyExists(HKEY_LOCAL_MACHINE, key));
}

}  // namespace
