#include "sysobjects/service_rows.h"

namespace {

struct KeptNames {
    const ListStore* store = nullptr;
    unsigned generation = 0;
    std::vector<std::string> names;
};

KeptNames& Kept() {
    static KeptNames kept;
    return kept;
}

}  // namespace

void KeepServiceKeyNames(const ListStore& store, std::vector<std::string> names) {
    KeptNames& kept = Kept();
    kept.store = &store;
    kept.generation = store.Generation();
    kept.names = std::move(names);
}

bool ServiceKeyNameOfRow(const ListStore& store, int row, ServiceKeyName& out) {
    out.clear();
    const KeptNames& kept = Kept();
    if (kept.store != &store || kept.generation != store.Generation()) return false;
    if (row < 0 || size_t(row) >= kept.names.size() || row >= store.Count()) return false;
    const std::string& name = kept.names[size_t(row)];
    if (name.empty() || name.size() >= out.capacity()) return false;
    out.assign(name);
    return true;
}

bool ServiceKeyNameOfRow(int row, ServiceKeyName& out) { return ServiceKeyNameOfRow(SharedListStore(), row, out); }
