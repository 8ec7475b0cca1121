#include "sysobjects/service_hooks.h"

#include "shell/info_type_text.h"
#include "sysobjects/service_description.h"
#include "sysobjects/service_dialog.h"
#include "sysobjects/service_scanner.h"

void RegisterServiceHooks() {
    SetServiceDescriptionFinder(FindServiceDescription);
    InfoTypeHooks hooks;
    hooks.showState = ShowServiceState;
    hooks.command = OnServiceCommand;
    SetInfoTypeHooks(kServiceExeType, kServiceSvchostType, std::move(hooks));
}
