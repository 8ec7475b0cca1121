// An item of the information dialog for the tests of its type texts.
#pragma once

#include "shell/info_item.h"

namespace infotest {

// A row of the given type whose program is Userinit, with a company and a description.
inline InfoItem Item(int type, const char* company, const char* description = "") {
    InfoItem item;
    item.type = type;
    item.file = "C:\\WINDOWS\\SYSTEM32\\USERINIT.EXE";
    item.version.companyName = company;
    item.text = description;
    return item;
}

}  // namespace infotest
