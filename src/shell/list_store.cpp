#include "shell/list_store.h"

#include <new>

#include "shell/app_state.h"
#include "shell/options.h"
#include "base/command_line.h"
#include "base/text_helpers.h"

namespace {

// A path shorter than this is no file path (a bare switch, a drive letter):
// it and the detail are stored as they are, without the long-path lookup.
constexpr size_t kLongPathMinimum = 4;
// The part of a file name that an empty title drops: a dot and a three-letter extension.
constexpr size_t kExtensionLength = 4;

// An empty title shows the file name of the path without its extension.
std::string_view TitleFromPath(std::string_view path) {
    std::string_view name = path.substr(static_cast<size_t>(FileNameOffset(path)));
    return name.size() > kExtensionLength ? name.substr(0, name.size() - kExtensionLength) : std::string_view();
}

}  // namespace

int ListStore::CookieLimit() {
    if (cookieLimit_ < 0) cookieLimit_ = static_cast<int>(ReadOption("MaxCookie", kListStoreMaxRows));
    return cookieLimit_;
}

bool ListStore::Append(std::string_view title, std::string_view path, std::string_view detail,
                       std::string_view description, int typeCode, int flag) {
    if (Count() >= kListStoreMaxRows) return false;
    if (typeCode == kCookieRowType && Count() >= CookieLimit()) return false;

    // Every row is its own block; a block that cannot be had refuses the row.
    std::unique_ptr<ListRow> row(new (std::nothrow) ListRow());
    if (!row) return false;
    if (rows_.capacity() == 0) rows_.reserve(kListStoreMaxRows);

    row->description = description;

    const FixedText<260> cutPath(path);
    FixedText<260> unquoted;
    StripQuotes(cutPath.view(), unquoted);
    const bool isPath = unquoted.size() >= kLongPathMinimum;
    if (isPath)
        LongPathOf(unquoted.view(), row->path);
    else
        row->path = unquoted.view();

    const FixedText<128> cutTitle(title);
    if (cutTitle.empty()) {
        row->title = TitleFromPath(row->path.view());
    } else {
        if (ContainsNoCase(cutTitle.view(), "Sentrivox")) g_app.caption = cutTitle.view();
        if (!ContainsNoCase(cutTitle.view(), "(Default)")) row->title = cutTitle.view();
    }

    const FixedText<260> cutDetail(detail);
    if (isPath)
        LongPathOf(cutDetail.view(), row->detail);
    else
        row->detail = cutDetail.view();

    row->typeCode = typeCode;
    row->flag = flag;
    rows_.push_back(std::move(row));
    ++generation_;
    return true;
}

const ListRow* ListStore::Row(int index) const {
    if (index < 0 || index >= Count()) return nullptr;
    return rows_[static_cast<size_t>(index)].get();
}

void ListStore::Clear() {
    rows_.clear();
    cookieLimit_ = -1;
    ++generation_;
}

ListStore& SharedListStore() {
    static ListStore store;
    return store;
}

bool ListStoreAppend(std::string_view title, std::string_view path, std::string_view detail,
                     std::string_view description, int typeCode, int flag) {
    return SharedListStore().Append(title, path, detail, description, typeCode, flag);
}

int ListStoreCount() { return SharedListStore().Count(); }
const ListRow* ListStoreRow(int index) { return SharedListStore().Row(index); }
void ListStoreClear() { SharedListStore().Clear(); }

namespace {

template <size_t N>
int CopyField(int index, FixedText<N> ListRow::*field, char* out, size_t size) {
    const ListRow* row = ListStoreRow(index);
    if (!row) {
        CopyBounded(out, size, {});
        return 0;
    }
    return static_cast<int>(CopyBounded(out, size, (row->*field).view()));
}

}  // namespace

int ListStoreTitle(int index, char* out, size_t size) { return CopyField(index, &ListRow::title, out, size); }
int ListStorePath(int index, char* out, size_t size) { return CopyField(index, &ListRow::path, out, size); }
int ListStoreDetail(int index, char* out, size_t size) { return CopyField(index, &ListRow::detail, out, size); }
int ListStoreDescription(int index, char* out, size_t size) {
    return CopyField(index, &ListRow::description, out, size);
}
int ListStoreTypeCode(int index) {
    const ListRow* row = ListStoreRow(index);
    return row ? row->typeCode : 0;
}
int ListStoreFlag(int index) {
    const ListRow* row = ListStoreRow(index);
    return row ? row->flag : 0;
}
