#include "startup/disable/disabled_index.h"

#include "base/text_helpers.h"
#include "shell/app_state.h"
#include "shell/list_store.h"
#include "shell/options.h"
#include "startup/disable/disabled_record.h"
#include "base/key_values.h"
#include "startup/locations/location_types.h"
#include "base/registry.h"

namespace {

// Value names longer than this are no titles of ours.
constexpr size_t kTitleNameLimit = 255;

long TypeOfValue(const KeyValue& value) {
    if (value.isText) return ParseOptionText(value.text);  // decimal text, as "%d" wrote it
    return 0;
}

// Keeps the last records until the registry signals a change that may touch
// them: anything below the vendor's key (the store, its parents, the deletion of
// any of them), or a key created or deleted directly under Software (the vendor's
// key itself). Without the watches every call reads afresh.
class DisabledRecordCache {
public:
    const DisabledRecords& Current() {
        if (armed_ && WaitForMultipleObjects(watchCount_, events_, FALSE, 0) == WAIT_TIMEOUT) return records_;
        // Watch first, then read: a change between the two is not missed.
        armed_ = Arm();
        records_.Load();
        return records_;
    }

private:
    bool Watch(const char* path, BOOL subtree, DWORD filter, int slot) {
        UniqueHkey& key = watched_[slot];
        key.reset();
        if (!events_[slot]) {
            owners_[slot].reset(CreateEventA(nullptr, TRUE, FALSE, nullptr));
            events_[slot] = owners_[slot].get();
        }
        if (!events_[slot]) return false;
        ResetEvent(events_[slot]);
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path, 0, DisabledStoreReadMask() | KEY_NOTIFY, key.put()) !=
            ERROR_SUCCESS) {
            key.reset();
            return false;
        }
        return RegNotifyChangeKeyValue(key.get(), subtree, filter, events_[slot], TRUE) == ERROR_SUCCESS;
    }

    bool Arm() {
        watchCount_ = 0;
        if (!Watch("Software", FALSE, REG_NOTIFY_CHANGE_NAME, 0)) return false;
        watchCount_ = 1;
        if (Watch(kVendorKey, TRUE, REG_NOTIFY_CHANGE_NAME | REG_NOTIFY_CHANGE_LAST_SET, 1)) {
            watchCount_ = 2;
            return true;
        }
        // No vendor key yet: its creation is seen by the first watch.
        return !watched_[1];
    }

    static constexpr const char* kVendorKey = "Software\\Orvik Studios";
    DisabledRecords records_;
    UniqueHkey watched_[2];
    UniqueHandle owners_[2];
    HANDLE events_[2] = {};
    DWORD watchCount_ = 0;
    bool armed_ = false;
};

}  // namespace

REGSAM DisabledStoreReadMask() { return RegistryReadMask() & ~REGSAM(KEY_WOW64_64KEY); }

UniqueHkey OpenDisabledStore(std::string_view subkey) {
    std::string path(kDisabledStoreKey);
    if (!subkey.empty()) {
        path += '\\';
        path += subkey;
    }
    UniqueHkey key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, DisabledStoreReadMask(), key.put()) != ERROR_SUCCESS)
        key.reset();
    return key;
}

void DisabledRecords::Load() {
    types_.clear();
    UniqueHkey key = OpenDisabledStore({});
    if (!key) return;
    KeyValueReader reader(key.get());
    KeyValue value;
    while (reader.Next(value)) {
        if (value.name.empty() || value.name.size() > kTitleNameLimit) continue;
        types_[FoldCase(value.name)] = TypeOfValue(value);
    }
}

long DisabledRecords::TypeOf(std::string_view title) const {
    if (title.empty() || types_.empty()) return 0;
    auto found = types_.find(FoldCase(title));
    return found == types_.end() ? 0 : found->second;
}

const DisabledRecords& CurrentDisabledRecords() {
    static DisabledRecordCache cache;
    return cache.Current();
}

bool IsRecordedDisabled(std::string_view title) { return CurrentDisabledRecords().TypeOf(title) != 0; }

// A row is the disabled entry only when the store records its title with the
// row's own type: a live entry of another location that merely shares the
// title is not disabled, and enabling it would bring back the other entry.
bool IsRecordedDisabled(const ListRow& item) {
    const long type = CurrentDisabledRecords().TypeOf(item.title.view());
    if (type != 0 && type == item.typeCode) return true;
    // A Notify package is listed under its own name, but its record may sit under
    // a further name of that title when another entry held the name first.
    return item.typeCode == kLocationNotify && IsDisabledEntry(item.title.view(), kLocationNotify);
}
