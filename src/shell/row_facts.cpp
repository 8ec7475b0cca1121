#include "shell/row_facts.h"

#include <unordered_map>

#include "shell/cookie_store.h"
#include "base/first_seen.h"
#include "shell/list_store.h"
#include "shell/recent_store.h"
#include "base/command_line.h"
#include "base/version_info.h"

namespace {

// The generations of the three stores when the facts were read.
struct FillMark {
    unsigned shared = 0, cookie = 0, recent = 0;
    bool operator==(const FillMark& o) const { return shared == o.shared && cookie == o.cookie && recent == o.recent; }
};

struct FactCache {
    FillMark fill;
    bool valid = false;
    std::unordered_map<std::string, std::string> companyByFile;
    std::unordered_map<std::string, std::string> firstSeenByFile;  // "<category>|<file>"
};

FactCache& Cache() {
    static FactCache cache;
    return cache;
}

// Any change to a store starts a new fill: what was read before may be stale.
FillMark CurrentFill() {
    return {SharedListStore().Generation(), CookieListStore().Generation(), RecentStoreGeneration()};
}

FactCache& FreshCache() {
    FactCache& cache = Cache();
    FillMark fill = CurrentFill();
    if (!cache.valid || !(cache.fill == fill)) {
        cache.companyByFile.clear();
        cache.firstSeenByFile.clear();
        cache.fill = fill;
        cache.valid = true;
    }
    return cache;
}

}  // namespace

const std::string& CompanyOfProgram(std::string_view commandLine) {
    FactCache& cache = FreshCache();
    FixedText<260> file;
    ExtractProgramFile(commandLine, file);
    auto found = cache.companyByFile.find(std::string(file.view()));
    if (found != cache.companyByFile.end()) return found->second;

    std::string company;
    if (!file.empty()) {
        VersionInfo info;
        ReadVersionInfo(file.view(), info);
        company.assign(info.companyName.view());
    }
    return cache.companyByFile.emplace(std::string(file.view()), std::move(company)).first->second;
}

const std::string& FirstSeenOfProgram(int itemType, std::string_view commandLine) {
    static const std::string none;
    FactCache& cache = FreshCache();
    FixedText<260> file;
    ExtractProgramFile(commandLine, file);
    if (file.empty()) return none;
    std::string key = std::string(FirstSeenCategory(itemType)) + "|" + std::string(file.view());
    auto found = cache.firstSeenByFile.find(key);
    if (found != cache.firstSeenByFile.end()) return found->second;

    FixedText<25> date;
    if (FirstSeenDate(itemType, file.view(), date) <= 0) return none;
    return cache.firstSeenByFile.emplace(std::move(key), std::string(date.view())).first->second;
}

void ForgetRowFacts() { Cache().valid = false; }
