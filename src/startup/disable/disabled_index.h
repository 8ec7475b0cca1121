// The Disabled store's place and its index: where the entries that the user
// disabled are recorded, as the resident monitor reads them, and which titles
// are recorded with which location type. The records themselves are written
// and found through disabled_record.h.
//
// It lives in HKEY_LOCAL_MACHINE and is read without the 64-bit view flag, so
// that on 64-bit Windows the program and the monitor (both 32-bit) meet in the
// 32-bit view; writers must open it the same way.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <unordered_map>

#include "base/unique_resource.h"

struct ListRow;

// One value per disabled entry: name = the entry's title, data = its location type as decimal text.
inline constexpr const char* kDisabledStoreKey = "Software\\Orvik Studios\\Sentrivox\\Disabled";
// The sub-keys that hold the disabled commands (name = title, data = command), in the
// order a scan lists them: the seven Run-table positions, then win.ini load= and run=.
inline constexpr int kDisabledCommandKeyCount = 9;
inline constexpr const char* kDisabledCommandKeys[kDisabledCommandKeyCount] = {
    "Run", "RunOnce", "RunOnceEx", "RunServices", "RunServicesOnce", "RunSetup", "Policy", "WinLoad", "WinRun",
};
inline constexpr const char* kDisabledNotifyKey = "WinNotify";
// <program folder>\Disabled receives the disabled Startup-folder shortcuts.
inline constexpr const char* kDisabledFolderName = "Disabled";

// The read mask without the 64-bit view flag.
REGSAM DisabledStoreReadMask();
// Opens the Disabled key (empty subkey) or one of its sub-keys for reading.
UniqueHkey OpenDisabledStore(std::string_view subkey);

// The recorded entries: title -> location type, titles compared without case.
class DisabledRecords {
public:
    void Load();
    // The recorded type of the title; 0 when it is not recorded.
    long TypeOf(std::string_view title) const;
    size_t size() const { return types_.size(); }

private:
    std::unordered_map<std::string, long> types_;
};

// The records as they are now. Kept between calls and read again only after
// the registry reports a change under the store.
const DisabledRecords& CurrentDisabledRecords();

// True when the title is recorded with a non-zero type.
bool IsRecordedDisabled(std::string_view title);
// True when the row's title is recorded with the row's type.
bool IsRecordedDisabled(const ListRow& item);
