#include "shell/patrol_categories.h"

#include "res/resource_ids.h"
#include "shell/option_store.h"
#include "shell/page_commands.h"

namespace {

constexpr PatrolCategory kCategories[] = {
    {IDS_PATROL_STARTUP, "Start", "RealtimeStartup"},
    {IDS_PATROL_IEHELPERS, "IEHelpers", "RealtimeIEHelper"},
    {IDS_PATROL_TASKS, "Tasks", nullptr},
    {IDS_PATROL_FILETYPES, "FileType", "RealtimeFileType"},
    {IDS_PATROL_COOKIE_FILTER, "Nuts", nullptr},
    {IDS_PATROL_WININIT, "WinInit", nullptr},
    {IDS_PATROL_HOMEPAGE, "StartPage", "RealtimeStartPage"},
    {IDS_PATROL_HOSTS, "HostFile", "RealtimeSysFiles"},
    {IDS_PATROL_HIDDEN, "Hidden", "RealtimeHidden"},
    {IDS_PATROL_SERVICES, "Services", "RealtimeServices"},
    {IDS_PATROL_ACTIVEX, "ActiveX", "RealtimeActiveX"},
};

struct PageCategory {
    int pageId;
    int titleId;
};

constexpr PageCategory kPageCategories[] = {
    {kPageStartup, IDS_PATROL_STARTUP},       {kPageIEHelpers, IDS_PATROL_IEHELPERS},
    {kPageScheduledTasks, IDS_PATROL_TASKS},  {kPageFileTypes, IDS_PATROL_FILETYPES},
    {kPageCookies, IDS_PATROL_COOKIE_FILTER}, {kPageHidden, IDS_PATROL_HIDDEN},
    {kPageServices, IDS_PATROL_SERVICES},     {kPageActiveX, IDS_PATROL_ACTIVEX},
};

}  // namespace

const PatrolCategory* FindPatrolCategory(int titleId) {
    for (const PatrolCategory& category : kCategories)
        if (category.titleId == titleId) return &category;
    return nullptr;
}

const PatrolCategory* PatrolCategoryOfPage(int pageId) {
    for (const PageCategory& page : kPageCategories)
        if (page.pageId == pageId) return FindPatrolCategory(page.titleId);
    return nullptr;
}

long PatrolMinutes(const PatrolCategory& category) { return OptionValue(category.minutesOption); }

bool PatrolRealtime(const PatrolCategory& category) {
    return category.realtimeOption && OptionValue(category.realtimeOption) > 0;
}
