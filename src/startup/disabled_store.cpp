#include "startup/disabled_store.h"

#include "shell/app_state.h"
#include "shell/list_store.h"
#include "shell/options.h"
#include "startup/key_values.h"

namespace {

// Value names longer than this are no titles of ours.
constexpr size_t kTitleNameLimit = 255;

std::string FoldCase(std::string_view text) {
    std::string folded(text);
    if (!folded.empty()) CharUpperBuffA(folded.data(), DWORD(folded.size()));
    return folded;
}

long TypeOfValue(const KeyValue& value) {
    if (value.isText) return ParseOptionText(value.text);  // decimal text, as "%d" wrote it
    return 0;
}

// Keeps the last records until the registry signals a change under the store.
// When the store does not exist yet, the nearest existing parent is watched for
// the creation of its sub-key. Without a watch every call reads afresh.
class DisabledRecordCache {
public:
    const DisabledRecords& Current() {
        if (armed_ && WaitForSingleObject(changed_.get(), 0) == WAIT_TIMEOUT) return records_;
        // Watch first, then read: a change between the two is not missed.
        armed_ = Arm();
        records_.Load();
        return records_;
    }

private:
    bool Arm() {
        watched_.reset();
        if (!changed_) changed_.reset(CreateEventA(nullptr, TRUE, FALSE, nullptr));
        if (!changed_) return false;
        ResetEvent(changed_.get());
        const char* const keys[] = {kDisabledStoreKey, "Software\\Orvik Studios\\Sentrivox", "Software\\Orvik Studios",
                                    "Software"};
        for (const char* path : keys) {
            if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path, 0, DisabledStoreReadMask() | KEY_NOTIFY, watched_.put()) !=
                ERROR_SUCCESS) {
                watched_.reset();
                continue;
            }
            DWORD filter = REG_NOTIFY_CHANGE_NAME | (path == keys[0] ? REG_NOTIFY_CHANGE_LAST_SET : 0);
            if (RegNotifyChangeKeyValue(watched_.get(), FALSE, filter, changed_.get(), TRUE) == ERROR_SUCCESS)
                return true;
            watched_.reset();
            return false;
        }
        return false;
    }

    DisabledRecords records_;
    UniqueHkey watched_;
    UniqueHandle changed_;
    bool armed_ = false;
};

}  // namespace

REGSAM DisabledStoreReadMask() { return g_app.readMask & ~REGSAM(KEY_WOW64_64KEY); }

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

bool IsRecordedDisabled(const ListRow& item) { return IsRecordedDisabled(item.title.view()); }
