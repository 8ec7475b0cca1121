#include "shell/page_table.h"

#include "shell/frame_page.h"
#include "shell/page_commands.h"

namespace {

std::vector<PageEntry>& Built() {
    static std::vector<PageEntry> pages;
    return pages;
}

std::vector<PageEntry>& Registered() {
    static std::vector<PageEntry> pages;
    return pages;
}

}  // namespace

std::vector<PageEntry> PageTable(bool includeServices) {
    std::vector<PageEntry> pages;
    for (const PageEntry& entry : Registered())
        if (includeServices || entry.pageId != kPageServices) pages.push_back(entry);
    return pages;
}

const std::vector<PageEntry>& BuiltPages() { return Built(); }
void SetBuiltPages(std::vector<PageEntry> pages) { Built() = std::move(pages); }

int StartPageIndex(const std::vector<PageEntry>& pages, int pageId) {
    for (size_t i = 0; i < pages.size(); ++i)
        if (pages[i].pageId == pageId) return int(i);
    return 0;
}

void SetPageTable(std::vector<PageEntry> pages) { Registered() = std::move(pages); }

DLGPROC PageProcedure(int pageId) {
    for (const PageEntry& entry : Registered())
        if (entry.pageId == pageId && entry.procedure) return entry.procedure;
    return FramePageProc<kPageStartup>;
}
