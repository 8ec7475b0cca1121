#include "sysobjects/service_cells.h"

#include "base/text_helpers.h"
#include "sysobjects/service_rows.h"
#include "sysobjects/service_scanner.h"

FixedText<272> ServiceCommandText(const ListRow& row) {
    FixedText<272> text(row.typeCode == kServiceSvchostType ? "svchost.exe " : "");
    std::string_view path = row.path.view();
    text.append(path.substr(size_t(FileNameOffset(path))));
    return text;
}

ServiceStatusText ServiceStatusCellText(int row) {
    ServiceStatusText text;
    ServiceKeyName keyName;
    if (!ServiceKeyNameOfRow(row, keyName) || GetServiceStatusText(keyName.view(), text) == 0) text = " ";
    return text;
}
