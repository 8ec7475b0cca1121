// The Recent store: the records of the Recent page, gathered from every
// scanner and kept apart from the shared list store while the page shows them.
#pragma once

#include <cstddef>
#include <string_view>

#include "base/fixed_text.h"

inline constexpr int kRecentStoreMaxRows = 4096;

struct RecentRow {
    FixedText<128> title;
    FixedText<260> path;     // the program file, already resolved
    int category = 0;        // 1010 active, 1020 ActiveX, ... 1070 startup: also the first-seen item type
    FixedText<260> detail;
    int typeCode = 0;        // the item's own type code
    int flag = 0;            // the item's own flag (a running task's process id)
};

// Appends one record, texts cut to their fields; false when the store is full.
bool RecentStoreAppend(std::string_view title, std::string_view path, int category,
                       std::string_view detail, int typeCode, int flag);
int RecentStoreCount();
const RecentRow* RecentStoreRow(int index);  // nullptr when out of range
void RecentStoreClear();
// Changes with every append and clear (see ListStore::Generation).
unsigned RecentStoreGeneration();

// Field readers: bounded copies; a missing record reads as empty / 0.
int RecentStoreTitle(int index, char* out, size_t size = 128);
int RecentStorePath(int index, char* out, size_t size = 260);
int RecentStoreDetail(int index, char* out, size_t size = 260);
int RecentStoreCategory(int index);
int RecentStoreTypeCode(int index);
int RecentStoreFlag(int index);

template <size_t N> int RecentStoreTitle(int i, FixedText<N>& o) { return RecentStoreTitle(i, o.data(), N); }
template <size_t N> int RecentStorePath(int i, FixedText<N>& o) { return RecentStorePath(i, o.data(), N); }
template <size_t N> int RecentStoreDetail(int i, FixedText<N>& o) { return RecentStoreDetail(i, o.data(), N); }
