#include "sysobjects/service_scanner.h"

#include <string>
#include <vector>

#include "res/resource_ids.h"
#include "shell/load_text.h"
#include "shell/options.h"
#include "base/command_line.h"
#include "base/text_helpers.h"
#include "base/version_info.h"
#include "sysobjects/service_control.h"
#include "sysobjects/service_rows.h"
#include "sysobjects/service_values.h"

namespace {

using StartTypeText = FixedText<260>;

// The texts of the start types 2, 3 and 4, read once per scan.
struct StartTypeTexts {
    StartTypeText automatic, manual, disabled;
    StartTypeTexts() {
        LoadText(IDS_START_AUTOMATIC, automatic);
        LoadText(IDS_START_MANUAL, manual);
        LoadText(IDS_START_DISABLED, disabled);
    }
    std::string_view Of(long start) const {
        switch (start) {
            case SERVICE_AUTO_START: return automatic.view();
            case SERVICE_DEMAND_START: return manual.view();
            case SERVICE_DISABLED: return disabled.view();
            default: return {};  // boot, system, missing or odd values
        }
    }
};

// Services that run a program; drivers and the like name no .exe.
bool RunsProgram(std::string_view imagePath) {
    return ContainsNoCase(imagePath, ".exe") || ContainsNoCase(imagePath, "svchost");
}

bool MadeByMicrosoft(std::string_view file) {
    VersionInfo info;
    ReadVersionInfo(file, info);
    return ContainsNoCase(info.companyName.view(), "Microsoft");
}

struct ServiceScan {
    ListStore& store;
    SC_HANDLE manager;
    bool hideMicrosoft;
    const StartTypeTexts& startTexts;
    std::vector<std::string> keyNames;

    bool Visit(std::string_view keyName, HKEY key) {
        if (store.Count() >= kListStoreMaxRows) return false;
        ServiceFileText path;
        if (ReadServicePath(key, "ImagePath", path) == 0 || !RunsProgram(path.view())) return true;

        ServiceTitle title;
        ServiceLongText registryTitle;
        std::string_view shownTitle;
        if (GetServiceDisplayName(manager, keyName, title)) {
            shownTitle = title.view();
        } else {
            ReadServiceText(key, "DisplayName", registryTitle);
            shownTitle = registryTitle.view();
        }
        ServiceLongText description;
        ReadServiceText(key, "Description", description);
        std::string_view startText = startTexts.Of(ReadServiceNumber(key, "Start"));

        const int type = ApplyServiceDll(key, "svchost", path) ? kServiceSvchostType : kServiceExeType;
        if (hideMicrosoft) {
            FixedText<MAX_PATH> file;
            ExtractProgramFile(path.view(), file);
            if (MadeByMicrosoft(file.view())) return true;
            path = file.view();
        }
        if (store.Append(shownTitle, path.view(), startText, description.view(), type, 0))
            keyNames.emplace_back(keyName);
        return true;
    }
};

}  // namespace

int ScanServices(ListStore& store) {
    store.Clear();
    const StartTypeTexts startTexts;
    UniqueServiceHandle manager = OpenServiceManager();
    ServiceScan scan{store, manager.get(), ReadOption("HideMicrosoftServices", 0) == 1, startTexts, {}};
    ForEachServiceKey([&scan](std::string_view keyName, HKEY key) { return scan.Visit(keyName, key); });
    KeepServiceKeyNames(store, std::move(scan.keyNames));
    return store.Count();
}

int ScanServices() { return ScanServices(SharedListStore()); }
