#include "app/pages.h"

#include <iterator>

#include "resource_ids.h"
#include "shell/frame_page.h"
#include "shell/options_page.h"
#include "shell/page_commands.h"
#include "shell/page_table.h"
#include "startup/delayed_page.h"
#include "startup/startup_page.h"
#include "sysobjects/active_tasks_page.h"
#include "sysobjects/services_page.h"

namespace {

// Every page, in tab order: its template, tab title and icon, page command id
// and dialog procedure. A page whose subsystem is not built yet shows its frame.
const PageEntry kPages[] = {
    {IDD_PAGE_STARTUP, IDS_TITLE_STARTUP, IDI_TAB_STARTUP, kPageStartup, StartupPageProc},
    {IDD_PAGE_DELAYED, IDS_TITLE_DELAYED, IDI_TAB_DELAYED, kPageDelayed, DelayedPageProc},
    {IDD_PAGE_IEHELPERS, IDS_TITLE_IEHELPERS, IDI_TAB_IEHELPERS, kPageIEHelpers, FramePageProc<kPageIEHelpers>},
    {IDD_PAGE_TASKS, IDS_TITLE_TASKS, IDI_TAB_TASKS, kPageScheduledTasks, FramePageProc<kPageScheduledTasks>},
    {IDD_PAGE_SERVICES, IDS_TITLE_SERVICES, IDI_TAB_SERVICES, kPageServices, ServicesPageProc},
    {IDD_PAGE_ACTIVETASKS, IDS_TITLE_ACTIVETASKS, IDI_TAB_ACTIVETASKS, kPageActiveTasks, ActiveTasksPageProc},
    {IDD_PAGE_COOKIES, IDS_TITLE_COOKIES, IDI_TAB_COOKIES, kPageCookies, FramePageProc<kPageCookies>},
    {IDD_PAGE_FILETYPES, IDS_TITLE_FILETYPES, IDI_TAB_FILETYPES, kPageFileTypes, FramePageProc<kPageFileTypes>},
    {IDD_PAGE_HIDDEN, IDS_TITLE_HIDDEN, IDI_TAB_HIDDEN, kPageHidden, FramePageProc<kPageHidden>},
    {IDD_PAGE_RECENT, IDS_TITLE_RECENT, IDI_TAB_RECENT, kPageRecent, FramePageProc<kPageRecent>},
    {IDD_PAGE_ACTIVEX, IDS_TITLE_ACTIVEX, IDI_TAB_ACTIVEX, kPageActiveX, FramePageProc<kPageActiveX>},
    {IDD_PAGE_REGMONITOR, IDS_TITLE_REGMONITOR, IDI_TAB_REGMONITOR, kPageRegistryMonitoring,
     FramePageProc<kPageRegistryMonitoring>},
    {IDD_PAGE_OPTIONS, IDS_TITLE_OPTIONS, IDI_TAB_OPTIONS, kPageOptions, OptionsPageProc},
};

}  // namespace

void RegisterPages() { SetPageTable({std::begin(kPages), std::end(kPages)}); }
