#include "shell/page_table.h"

#include "shell/frame_page.h"
#include "shell/page_commands.h"

namespace {

std::vector<PageEntry>& Built() {
    static std::vector<PageEntry> pages;
    return pages;
}

PageProcedureTable& Procedures() {
    static PageProcedureTable table = nullptr;
    return table;
}

}  // namespace

std::vector<PageEntry> PageTable(bool includeServices) {
    static const PageEntry kTable[] = {
        {102, 606, 170, 6026},   // Startup Programs
        {197, 609, 200, 6055},   // Delayed Start
        {139, 694, 180, 6040},   // IE Helpers
        {137, 680, 182, 6039},   // Scheduled Tasks
        {132, 636, 173, 6038},   // Services
        {110, 607, 176, 6029},   // Active Tasks
        {108, 608, 183, 6028},   // Cookies
        {142, 739, 179, 6042},   // File Types
        {195, 973, 198, 6052},   // Hidden Files
        {214, 1192, 175, 6060},  // Recent
        {201, 1155, 212, 6056},  // ActiveX
        {215, 1310, 224, 6061},  // Registry Monitoring
        {114, 610, 181, 6033},   // Options
    };
    std::vector<PageEntry> pages;
    for (const PageEntry& entry : kTable)
        if (includeServices || entry.pageId != 6038) pages.push_back(entry);
    return pages;
}

const std::vector<PageEntry>& BuiltPages() { return Built(); }
void SetBuiltPages(std::vector<PageEntry> pages) { Built() = std::move(pages); }

int StartPageIndex(const std::vector<PageEntry>& pages, int pageId) {
    for (size_t i = 0; i < pages.size(); ++i)
        if (pages[i].pageId == pageId) return int(i);
    return 0;
}

void SetPageProcedures(PageProcedureTable table) { Procedures() = table; }

DLGPROC PageProcedure(int pageId) {
    DLGPROC procedure = Procedures() ? Procedures()(pageId) : nullptr;
    return procedure ? procedure : FramePageProc<kPageStartup>;
}
