#include "shell/recent_store.h"

#include <memory>
#include <new>
#include <vector>

namespace {

struct RecentStore {
    std::vector<std::unique_ptr<RecentRow>> rows;
    unsigned generation = 0;
};

RecentStore& Store() {
    static RecentStore store;
    return store;
}

template <size_t N>
int CopyField(int index, FixedText<N> RecentRow::*field, char* out, size_t size) {
    const RecentRow* row = RecentStoreRow(index);
    if (!row) {
        CopyBounded(out, size, {});
        return 0;
    }
    return static_cast<int>(CopyBounded(out, size, (row->*field).view()));
}

}  // namespace

bool RecentStoreAppend(std::string_view title, std::string_view path, int category,
                       std::string_view detail, int typeCode, int flag) {
    RecentStore& store = Store();
    if (static_cast<int>(store.rows.size()) >= kRecentStoreMaxRows) return false;
    std::unique_ptr<RecentRow> row(new (std::nothrow) RecentRow());
    if (!row) return false;
    if (store.rows.capacity() == 0) store.rows.reserve(kRecentStoreMaxRows);
    row->title = title;
    row->path = path;
    row->category = category;
    row->detail = detail;
    row->typeCode = typeCode;
    row->flag = flag;
    store.rows.push_back(std::move(row));
    ++store.generation;
    return true;
}

int RecentStoreCount() { return static_cast<int>(Store().rows.size()); }

const RecentRow* RecentStoreRow(int index) {
    if (index < 0 || index >= RecentStoreCount()) return nullptr;
    return Store().rows[static_cast<size_t>(index)].get();
}

void RecentStoreClear() {
    Store().rows.clear();
    ++Store().generation;
}

unsigned RecentStoreGeneration() { return Store().generation; }

int RecentStoreTitle(int index, char* out, size_t size) { return CopyField(index, &RecentRow::title, out, size); }
int RecentStorePath(int index, char* out, size_t size) { return CopyField(index, &RecentRow::path, out, size); }
int RecentStoreDetail(int index, char* out, size_t size) { return CopyField(index, &RecentRow::detail, out, size); }
int RecentStoreCategory(int index) {
    const RecentRow* row = RecentStoreRow(index);
    return row ? row->category : 0;
}
int RecentStoreTypeCode(int index) {
    const RecentRow* row = RecentStoreRow(index);
    return row ? row->typeCode : 0;
}
int RecentStoreFlag(int index) {
    const RecentRow* row = RecentStoreRow(index);
    return row ? row->flag : 0;
}
