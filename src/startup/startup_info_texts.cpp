#include "startup/startup_info_texts.h"

#include <string>

#include "base/text_helpers.h"
#include "res/resource_ids.h"
#include "shell/load_text.h"
#include "startup/locations/location_text.h"
#include "startup/locations/location_types.h"

namespace {

// Advanced startup locations hold system parts: a service's description
// tells most; a Microsoft file gets the warning that it may be critical.
std::string AdvancedStartupText(const InfoItem& item) {
    FixedText<1024> service;
    if (FindServiceDescriptionOf(item.file.view(), service) > 0) return std::string(service.view());
    std::string text;
    if (ContainsNoCase(item.version.companyName.view(), "Microsoft"))
        text = FillFirstString(LoadTextString(IDS_MICROSOFT_STARTUP_FILE), item.file.view());
    return text + LoadTextString(IDS_INFO_EXPLANATION);
}

void ShowLocation(const ListRow& row, FixedText<kInfoLocationSize>& location) { LocationText(row, location); }

}  // namespace

InfoTypeHooks StartupEntryInfoHooks() {
    InfoTypeHooks hooks;
    hooks.location = ShowLocation;
    hooks.describe = [](const InfoItem& item, std::string& text) {
        if (!IsAdvancedLocation(item.type)) return false;
        text = AdvancedStartupText(item);
        return true;
    };
    return hooks;
}

InfoTypeHooks LocationTextInfoHooks() {
    InfoTypeHooks hooks;
    hooks.location = ShowLocation;
    return hooks;
}
