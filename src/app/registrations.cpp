#include "app/registrations.h"

#include "app/category_scanners.h"
#include "app/pages.h"
#include "shell/history_restore.h"
#include "shell/info_type_text.h"
#include "shell/page_table.h"
#include "shell/sheet_chrome.h"
#include "shell/start_hooks.h"
#include "shell/startup_hooks.h"
#include "startup/delayed/delayed_programs.h"
#include "startup/disable/restore_item.h"
#include "startup/locations/location_types.h"
#include "startup/self_startup.h"
#include "startup/startup_info_texts.h"
#include "sysobjects/active_tasks_page.h"
#include "sysobjects/service_hooks.h"

namespace {

// History event "*START_Remove": a startup entry the user removed.
constexpr int kEventStartRemove = 0;

void RegisterStartup() {
    StartupHooks hooks;
    hooks.setSelfStartup = SetSelfStartup;
    hooks.selfStartupPresent = SelfStartupPresent;
    hooks.loadDelayedList = LoadDelayedList;
    hooks.restoreAllDelayed = RestoreAllDelayed;
    SetStartupHooks(std::move(hooks));

    SetInfoTypeHooks(1, kLocationNotify, StartupEntryInfoHooks());
    SetInfoTypeHooks(kLocationTaskScheduler, kLocationTaskScheduler, LocationTextInfoHooks());
    SetInfoTypeHooks(kLocationBrowserHelper, kLocationToolbar, LocationTextInfoHooks());

    SetHistoryRestore(kEventStartRemove, [](const HistoryEvent& event) {
        return RestoreItem(event.title, event.command, event.detail, event.itemType);
    });
}

void RegisterSystemObjects() {
    RegisterServiceHooks();
    StartHooks hooks;
    // A second start that asks for a page while Active Tasks shows refreshes it.
    hooks.refreshActiveTasks = [] {
        if (HWND page = VisiblePage()) FillActiveTaskList(page);
    };
    SetStartHooks(std::move(hooks));
}

}  // namespace

void RegisterSubsystems() {
    RegisterPages();
    RegisterCategoryScanners();
    RegisterStartup();
    RegisterSystemObjects();
}
