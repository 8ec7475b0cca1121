#include "shell/info_type_text.h"

#include <vector>

#include "res/resource_ids.h"
#include "shell/load_text.h"

namespace {

constexpr int kHiddenFileType = 370;
constexpr int kFirstSystemObjectType = 900;

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
