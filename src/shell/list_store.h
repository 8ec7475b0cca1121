// The shared list store: the process-wide table of rows that every scanner
// fills and every page lists. List-view items carry the row index.
#pragma once

#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

#include "base/fixed_text.h"

// The store never holds more rows than this; the next append is refused.
inline constexpr int kListStoreMaxRows = 4096;
// Item type of an Internet Explorer cookie row: its appends are also bounded by the option MaxCookie.
inline constexpr int kCookieRowType = 500;

struct ListRow {
    FixedText<128> title;
    FixedText<260> path;
    FixedText<260> detail;
    int typeCode = 0;
    int flag = 0;
    FixedText<1024> description;
};

// A table of rows with the append rules of the shared store. The program keeps
// two: the shared store and the cookie store (cookie_store.h).
class ListStore {
public:
    bool Append(std::string_view title, std::string_view path, std::string_view detail,
                std::string_view description, int typeCode, int flag);
    int Count() const { return static_cast<int>(rows_.size()); }
    const ListRow* Row(int index) const;
    void Clear();
    // Changes with every append and clear: whatever was derived from the rows
    // (sort keys, companies) is stale once it differs.
    unsigned Generation() const { return generation_; }

private:
    int CookieLimit();

    std::vector<std::unique_ptr<ListRow>> rows_;
    unsigned generation_ = 0;
    int cookieLimit_ = -1;  // MaxCookie, read once per fill
};

ListStore& SharedListStore();

// Appends one row to the shared store; 1 on success, 0 when refused. The path
// loses its double quotes and takes its long form; an empty title becomes the
// path's file name without its extension; a title containing "(Default)" is
// stored empty; a title containing "Sentrivox" becomes the program's caption.
bool ListStoreAppend(std::string_view title, std::string_view path, std::string_view detail,
                     std::string_view description, int typeCode, int flag);
int ListStoreCount();
const ListRow* ListStoreRow(int index);  // nullptr when out of range
void ListStoreClear();

// Field readers: bounded copies into the caller's buffer (size counts the
// terminator); a missing row reads as empty / 0. Texts return their length.
int ListStoreTitle(int index, char* out, size_t size = 128);
int ListStorePath(int index, char* out, size_t size = 260);
int ListStoreDetail(int index, char* out, size_t size = 260);
int ListStoreDescription(int index, char* out, size_t size);
int ListStoreTypeCode(int index);
int ListStoreFlag(int index);

template <size_t N> int ListStoreTitle(int i, FixedText<N>& o) { return ListStoreTitle(i, o.data(), N); }
template <size_t N> int ListStorePath(int i, FixedText<N>& o) { return ListStorePath(i, o.data(), N); }
template <size_t N> int ListStoreDetail(int i, FixedText<N>& o) { return ListStoreDetail(i, o.data(), N); }
template <size_t N> int ListStoreDescription(int i, FixedText<N>& o) { return ListStoreDescription(i, o.data(), N); }
