#include "startup/startup_page.h"

#include <vector>

#include "resource_ids.h"
#include "shell/list_page.h"
#include "shell/list_view.h"
#include "shell/load_text.h"
#include "shell/messages.h"
#include "shell/options.h"
#include "shell/page_commands.h"
#include "shell/page_menu.h"
#include "startup/disable/disabled_index.h"
#include "base/first_detected.h"
#include "startup/locations/location_text.h"
#include "startup/locations/location_types.h"
#include "startup/startup_page_commands.h"
#include "startup/locations/startup_scanner.h"
#include "startup/locations/startup_type_tags.h"
#include "base/text_helpers.h"
#include "base/windows_version.h"

namespace {

constexpr const char* kAdvancedOption = "ShowAllStartup";
constexpr std::string_view kRundllPrefix = "RunDLL32.exe ";

ListPageSpec StartupSpec() {
    ListPageSpec spec;
    spec.pageId = kPageStartup;
    spec.columnTitles = {IDS_COL_TITLE, IDS_COL_COMMAND, IDS_COL_COMPANY, IDS_COL_TYPE, IDS_COL_FIRST_DETECTED};
    spec.texts = {{IDS_STARTUP_INTRO, IDC_STARTUP_INTRO}, {IDS_ADD, IDC_ADD},         {IDS_REMOVE, IDC_REMOVE},
                  {IDS_ENABLE, IDC_ENABLE},               {IDS_DISABLE, IDC_DISABLE}, {IDS_STARTUP_ADVANCED, IDC_STARTUP_ADVANCED}};
    spec.buttons = {{IDC_INFO}, {IDC_ADD}, {IDC_REMOVE}, {IDC_DISABLE, IDC_ENABLE}, {IDC_PAGE_CLOSE}};
    spec.rowCommands = {IDC_REMOVE, IDC_ENABLE, IDC_DISABLE, kCommandMoveToDelayed, kCommandDeleteOnReboot};
    spec.checkBox = IDC_STARTUP_ADVANCED;
    return spec;
}

class StartupPage final : public ListPage {
public:
    StartupPage() : ListPage(StartupSpec()) {}

    CommandSet CommandsFor(int index) const override {
        CommandSet allowed;
        const ListRow* row = ListStoreRow(index);
        if (!row) return allowed;
        const int type = row->typeCode;
        if (type != kLocationNotify) allowed.Add(IDC_REMOVE);
        // Winlogon's Userinit and Shell and the shell objects are reset or removed, never disabled.
        if (type < kLocationUserinit || type == kLocationNotify) allowed.Add(RowDisabled(index) ? IDC_ENABLE : IDC_DISABLE);
        if (type < kLocationUserinit) {
            allowed.Add(kCommandMoveToDelayed);
            allowed.Add(kCommandDeleteOnReboot);
        }
        return allowed;
    }

private:
    int Scan() override {
        ScanStartupLocations(true);
        return ListStoreCount();
    }

    void OnFillStart(int rows) override {
        disabled_.assign(static_cast<size_t>(rows), 0);
        fillGeneration_ = SharedListStore().Generation();
        for (int index = 0; index < rows; ++index)
            if (const ListRow* row = ListStoreRow(index)) disabled_[static_cast<size_t>(index)] = IsRecordedDisabled(*row);
        LoadText(IDS_DISABLED_MARK, disabledText_);
        dates_ = FirstDetectedDates();
    }

    std::string CellText(int index, const ListRow& row, int column) override {
        switch (column) {
            case 0: return std::string(row.title.view());
            case 1: return StartupCommandText(row);
            case 3: return std::string(RowDisabled(index) ? disabledText_.view() : StartupTypeTag(row.typeCode));
            // Every row is dated now, shown or not: a first visit records it.
            case 4: return dates_.DateOf(row.typeCode, row.path.view());
            default: return {};
        }
    }

    bool RowDisabled(int index) const override {
        if (fillGeneration_ == SharedListStore().Generation() && index >= 0 &&
            static_cast<size_t>(index) < disabled_.size())
            return disabled_[static_cast<size_t>(index)] != 0;
        const ListRow* row = ListStoreRow(index);
        return row && IsRecordedDisabled(*row);
    }

    std::string StatusText(const ListRow& row) override {
        FixedText<64 + kLocationTextSize> status;
        LoadText(IDS_STARTUP_LOCATION, status);
        FixedText<kLocationTextSize> location;
        LocationText(row, location);
        status.append(location.view());
        return std::string(status.view());
    }

    void OnSelection(HWND page, const ListRow* row, int index) override {
        HWND enable = GetDlgItem(page, IDC_ENABLE), disable = GetDlgItem(page, IDC_DISABLE);
        const bool disabled = row && RowDisabled(index);
        ShowWindow(enable, row && disabled ? SW_SHOW : SW_HIDE);
        ShowWindow(disable, row && !disabled ? SW_SHOW : SW_HIDE);
        if (!row) return;
        const bool resets = row->typeCode == kLocationUserinit || row->typeCode == kLocationShell;
        SetItemText(page, resets ? IDS_RESET : IDS_REMOVE, IDC_REMOVE);
    }

    void OnActivate(HWND page) override {
        EnableWindow(GetDlgItem(page, IDC_STARTUP_ADVANCED), TRUE);
        CheckDlgButton(page, IDC_STARTUP_ADVANCED, ReadOption(kAdvancedOption, 0) > 0 ? BST_CHECKED : BST_UNCHECKED);
    }

    FixedText<128> SelectedTitle(HWND page) const {
        FixedText<128> title;
        if (const ListRow* row = ListStoreRow(SelectedRow(ListOf(page)))) title = row->title.view();
        return title;
    }

    bool OnCommand(HWND page, int id, int code) override {
        const FixedText<128> title = SelectedTitle(page);
        bool changed = false;
        switch (id) {
            case IDC_STARTUP_ADVANCED:
                if (code != BN_CLICKED) return true;
                WriteOption(kAdvancedOption, IsDlgButtonChecked(page, IDC_STARTUP_ADVANCED) == BST_CHECKED ? 1 : 0);
                changed = true;
                break;
            case IDC_ADD: changed = AddStartupProgram(page); break;
            case IDC_REMOVE: changed = RemoveSelectedStartup(page); break;
            case IDC_DISABLE: changed = DisableSelectedStartup(page, false); break;
            case IDC_ENABLE: changed = DisableSelectedStartup(page, true); break;
            case kCommandMoveToDelayed: changed = MoveSelectedToDelayedStart(page); break;
            default: return false;
        }
        if (changed) Fill(page, title.view());
        return true;
    }

    std::vector<char> disabled_;  // of the fill of the store's generation fillGeneration_
    unsigned fillGeneration_ = ~0u;
    FixedText<64> disabledText_;
    FirstDetectedDates dates_;
};

}  // namespace

std::string StartupCommandText(const ListRow& row) {
    std::string_view path = row.path.view();
    std::string text;
    if (row.flag == 1) text.assign(kRundllPrefix);
    text.append(path.substr(static_cast<size_t>(FileNameOffset(path))));
    return text;
}

void FillStartupList(HWND page) { ListPageOf<StartupPage>().Fill(page); }

void UpdateStartupButtons(HWND page) { ListPageOf<StartupPage>().UpdateButtons(page); }

INT_PTR CALLBACK StartupPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    return ListPageProcedure<StartupPage>(page, message, wParam, lParam);
}
