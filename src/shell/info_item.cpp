#include "shell/info_item.h"

#include "base/command_line.h"
#include "shell/info_type_text.h"
#include "shell/list_store.h"

bool LoadInfoItem(int index, InfoItem& item) {
    item = InfoItem();
    const ListRow* row = ListStoreRow(index);
    if (!row) return false;
    item.index = index;
    item.type = row->typeCode;
    item.flag = row->flag;
    item.title = row->title.view();
    item.path = row->path.view();
    item.detail = row->detail.view();
    item.text = row->description.view();
    ExtractProgramFile(item.path.view(), item.file);
    if (const auto& location = InfoTypeHooksOf(item.type).location) location(*row, item.location);
    if (!item.file.empty()) ReadVersionInfo(item.file.view(), item.version);
    return true;
}

InfoItem& CurrentInfoItem() {
    static InfoItem item;
    return item;
}

void ClearCurrentInfoItem() { CurrentInfoItem() = InfoItem(); }
