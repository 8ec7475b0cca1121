#include <gtest/gtest.h>

#include "shell/list_store.h"
#include "base/registry.h"
#include "startup/disable/disabled_index.h"
#include "startup/scan_fixture.h"
#include "support/registry_fixture.h"

using namespace scantest;

namespace {

constexpr const char* kProgramKeyPath = "Software\\Orvik Studios\\Sentrivox";
constexpr const char* kDisabledPath = "Software\\Orvik Studios\\Sentrivox\\Disabled";

void SetValue(const char* path, const char* name, const char* text) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, path, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text), DWORD(strlen(text) + 1));
    RegCloseKey(key);
}

}  // namespace

TEST(IsRecordedDisabled, ReadsTheTypeAsADecimalNumber) {
    RegistryGuard disabled(HKEY_LOCAL_MACHINE, kDisabledPath);
    struct Case {
        const char* name;
        const char* data;
        bool recorded;
    } cases[] = {
        {"sx-rec-11", "11", true},     {"sx-rec-200", "200", true}, {"sx-rec-zero", "0", false},
        {"sx-rec-text", "abc", false}, {"sx-rec-lead", " 7x", true}, {"sx-rec-empty", "", false},
        {"sx-rec-minus", "-1", true},
    };
    for (const Case& c : cases) disabled.Set(c.name, c.data);
    disabled.SetDword("sx-rec-dword", 11);  // not decimal text
    for (const Case& c : cases) EXPECT_EQ(IsRecordedDisabled(c.name), c.recorded) << c.name;
    EXPECT_FALSE(IsRecordedDisabled("sx-rec-dword"));
    EXPECT_TRUE(IsRecordedDisabled("SX-REC-11"));
    EXPECT_FALSE(IsRecordedDisabled("sx-rec-missing"));
    EXPECT_FALSE(IsRecordedDisabled(""));
    EXPECT_EQ(CurrentDisabledRecords().TypeOf("sx-rec-200"), 200);
}

TEST(IsRecordedDisabled, SeesEveryChangeOfTheStore) {
    // The records are kept between calls: each change must still be seen at once.
    RegistryGuard program(HKEY_LOCAL_MACHINE, kProgramKeyPath);
    RegistryGuard disabled(HKEY_LOCAL_MACHINE, kDisabledPath);
    testsupport::DeleteRegTree(HKEY_LOCAL_MACHINE, kDisabledPath);
    EXPECT_FALSE(IsRecordedDisabled("sx-watch"));

    SetValue(kDisabledPath, "sx-watch", "11");  // the key is created
    EXPECT_TRUE(IsRecordedDisabled("sx-watch"));
    SetValue(kDisabledPath, "sx-watch", "0");  // the value changes
    EXPECT_FALSE(IsRecordedDisabled("sx-watch"));
    SetValue(kDisabledPath, "sx-watch", "1");
    EXPECT_TRUE(IsRecordedDisabled("sx-watch"));
    SetValue(kDisabledPath, "sx-other", "1");  // a value is added
    EXPECT_TRUE(IsRecordedDisabled("sx-other"));
    RegRemoveValue(HKEY_LOCAL_MACHINE, kDisabledPath, "sx-other");  // and removed
    EXPECT_FALSE(IsRecordedDisabled("sx-other"));
    testsupport::DeleteRegTree(HKEY_LOCAL_MACHINE, kDisabledPath);  // the whole store goes
    EXPECT_FALSE(IsRecordedDisabled("sx-watch"));
    SetValue(kDisabledPath, "sx-watch", "1");
    EXPECT_TRUE(IsRecordedDisabled("sx-watch"));
}

TEST(IsRecordedDisabled, ReadsTheStoreWithoutThe64BitView) {
    Windows64Scope windows64(true);
    EXPECT_EQ(DisabledStoreReadMask() & KEY_WOW64_64KEY, 0u);
    EXPECT_NE(DisabledStoreReadMask() & KEY_QUERY_VALUE, 0u);
    RegistryGuard disabled(HKEY_LOCAL_MACHINE, kDisabledPath);
    disabled.Set("sx-view", "1");
    EXPECT_TRUE(IsRecordedDisabled("sx-view"));
}

TEST(IsRecordedDisabled, ARowIsDisabledOnlyWithItsOwnType) {
    RegistryGuard disabled(HKEY_LOCAL_MACHINE, kDisabledPath);
    disabled.Set("sx-shared", "11");  // the current user's Run entry of that title is disabled
    auto row = [](int type) {
        ListRow r;
        r.title = "SX-Shared";
        r.typeCode = type;
        return r;
    };
    EXPECT_TRUE(IsRecordedDisabled(row(11)));
    EXPECT_FALSE(IsRecordedDisabled(row(1))) << "the machine's live entry of the same title";
    EXPECT_FALSE(IsRecordedDisabled(row(200))) << "a Startup-folder shortcut of the same name";
}
