// The pages of the property sheet, in tab order.
#pragma once

#include <windows.h>

#include <vector>

struct PageEntry {
    int templateId;   // the page's dialog template
    int titleString;  // its tab title in the string table
    int tabIcon;      // its tab icon
    int pageId;       // its page command id
    DLGPROC procedure = nullptr;  // its dialog procedure; nullptr: the page frame alone
};

// The pages belong to their subsystems: src/app registers the table of them at start.
void SetPageTable(std::vector<PageEntry> pages);
// The registered pages in tab order; Services is left out where there is no service manager.
std::vector<PageEntry> PageTable(bool includeServices);
// The pages of the open sheet (empty while none is open).
const std::vector<PageEntry>& BuiltPages();
void SetBuiltPages(std::vector<PageEntry> pages);
// The index of the page with that command id, or 0 when none has it.
int StartPageIndex(const std::vector<PageEntry>& pages, int pageId);

// The dialog procedure of a page: the registered table's, or the page frame
// alone when the table has none for it.
DLGPROC PageProcedure(int pageId);
