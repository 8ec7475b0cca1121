#include "shell/browse_for_program.h"

#include <commdlg.h>

#include "res/resource_ids.h"
#include "shell/load_text.h"

bool BrowseForProgram(HWND owner, FixedText<MAX_PATH>& out) {
    out.clear();
    FixedText<260> title;
    LoadText(IDS_ADD_AUTOSTART_TITLE, title);
    // The filter's parts are separated by '%' in the text and by terminators for the dialog.
    FixedText<512> filter;
    int length = LoadText(IDS_PROGRAM_FILTER, filter.data(), filter.capacity() - 1);
    for (int i = 0; i < length; ++i)
        if (filter.data()[i] == '%') filter.data()[i] = '\0';

    FixedText<MAX_PATH> file;
    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = length > 0 ? filter.c_str() : nullptr;
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = MAX_PATH;
    ofn.lpstrInitialDir = "C:\\Program Files";
    ofn.lpstrTitle = title.empty() ? nullptr : title.c_str();
    ofn.Flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST | OFN_EXPLORER | OFN_LONGNAMES;
    if (!GetOpenFileNameA(&ofn)) return false;
    if (file.size() <= 4) return false;
    out = file.view();
    return true;
}
