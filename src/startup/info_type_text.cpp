#include "startup/info_type_text.h"

#include <vector>

#include "res/resource_ids.h"
#include "shell/load_text.h"
#include "startup/info_item.h"
#include "startup/text_helpers.h"

namespace {

constexpr int kHiddenFileType = 370;
constexpr int kFirstSystemObjectType = 900;
constexpr int kFirstAdvancedStartupType = 250;
constexpr int kLastAdvancedStartupType = 256;

struct TypeRange {
    int first, last;
    InfoTypeHooks hooks;
};

std::vector<TypeRange>& Ranges() {
    static std::vector<TypeRange> ranges;
    return ranges;
}

ServiceDescriptionFinder& Finder() {
    static ServiceDescriptionFinder finder;
    return finder;
}

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

}  // namespace

void SetInfoTypeHooks(int firstType, int lastType, InfoTypeHooks hooks) {
    auto& ranges = Ranges();
    for (auto& range : ranges) {
        if (range.first == firstType && range.last == lastType) {
            range.hooks = std::move(hooks);
            return;
        }
    }
    ranges.push_back({firstType, lastType, std::move(hooks)});
}

const InfoTypeHooks& InfoTypeHooksOf(int type) {
    static const InfoTypeHooks none;
    for (const auto& range : Ranges())
        if (type >= range.first && type <= range.last) return range.hooks;
    return none;
}

void SetServiceDescriptionFinder(ServiceDescriptionFinder finder) { Finder() = std::move(finder); }

int FindServiceDescriptionOf(std::string_view file, FixedText<1024>& out) {
    out.clear();
    if (!Finder() || file.empty()) return 0;
    int length = Finder()(file, out);
    return length > 0 ? int(out.size()) : 0;
}

bool ShowsRunningState(int type) { return type < kFirstSystemObjectType && type != kHiddenFileType; }

std::string InfoDescriptionText(const InfoItem& item) {
    std::string text;
    const InfoTypeHooks& hooks = InfoTypeHooksOf(item.type);
    if (hooks.describe && hooks.describe(item, text)) return text;
    if (item.type >= kFirstAdvancedStartupType && item.type <= kLastAdvancedStartupType)
        return AdvancedStartupText(item);
    if (!item.text.empty()) return std::string(item.text.view());
    return LoadTextString(IDS_INFO_EXPLANATION);
}

std::string InfoLocationLine(const InfoItem& item) {
    std::string line;
    const InfoTypeHooks& hooks = InfoTypeHooksOf(item.type);
    if (hooks.locationLine && hooks.locationLine(item, line)) return line;
    line = LoadTextString(IDS_STARTUP_LOCATION);
    line += ' ';
    line += item.location.view();
    return line;
}

std::string FillFirstString(std::string_view pattern, std::string_view argument) {
    size_t mark = pattern.find("%s");
    if (mark == std::string_view::npos) return std::string(pattern);
    std::string text(pattern.substr(0, mark));
    text += argument;
    text += pattern.substr(mark + 2);
    return text;
}
