#include "sysobjects/services_page.h"

#include <string>
#include <vector>

#include "resource_ids.h"
#include "base/first_detected.h"
#include "shell/list_page.h"
#include "shell/options.h"
#include "shell/page_commands.h"
#include "sysobjects/service_cells.h"
#include "sysobjects/service_scanner.h"

namespace {

constexpr const char* kHideMicrosoftOption = "HideMicrosoftServices";
constexpr int kStatusColumn = 3;

ListPageSpec ServicesSpec() {
    ListPageSpec spec;
    spec.pageId = kPageServices;
    spec.columnTitles = {IDS_COL_TITLE,  IDS_COL_COMMAND, IDS_COL_COMPANY,
                         IDS_COL_STATUS, IDS_COL_STARTUP, IDS_COL_FIRST_DETECTED};
    spec.texts = {{IDS_SERVICES_HEADER1, IDC_HEADER_TEXT1},
                  {IDS_SERVICES_HEADER2, IDC_HEADER_TEXT2},
                  {IDS_SERVICES_NON_MICROSOFT, IDC_SERVICES_NON_MICROSOFT}};
    spec.buttons = {{IDC_INFO}, {IDC_PAGE_CLOSE}};
    spec.checkBox = IDC_SERVICES_NON_MICROSOFT;
    spec.refillAfterInfo = true;  // the dialog may have stopped or reconfigured the service
    return spec;
}

class ServicesPage final : public ListPage {
public:
    ServicesPage() : ListPage(ServicesSpec()) {}

private:
    int Scan() override { return ScanServices(); }

    void OnInit(HWND page) override {
        CheckDlgButton(page, IDC_SERVICES_NON_MICROSOFT,
                       ReadOption(kHideMicrosoftOption, 0) == 1 ? BST_CHECKED : BST_UNCHECKED);
    }

    void OnFillStart(int rows) override {
        statuses_.assign(static_cast<size_t>(rows), std::string());
        dates_ = FirstDetectedDates();
    }

    std::string CellText(int index, const ListRow& row, int column) override {
        switch (column) {
            case 0: return std::string(row.title.view());
            case 1: return std::string(ServiceCommandText(row).view());
            case kStatusColumn: {
                std::string status(ServiceStatusCellText(index).view());
                if (static_cast<size_t>(index) < statuses_.size()) statuses_[static_cast<size_t>(index)] = status;
                return status;
            }
            case 4: return std::string(row.detail.view());
            case 5: return dates_.DateOf(row.typeCode, row.path.view());
            default: return {};
        }
    }

    // The Status column sorts by the text it shows, read once per fill.
    void SortText(int index, int column, FixedText<260>& key) override {
        key.clear();
        if (column == kStatusColumn && index >= 0 && static_cast<size_t>(index) < statuses_.size())
            key = statuses_[static_cast<size_t>(index)];
    }

    bool OnCommand(HWND page, int id, int code) override {
        if (id != IDC_SERVICES_NON_MICROSOFT) return false;
        if (code == BN_CLICKED) {
            WriteOption(kHideMicrosoftOption, IsDlgButtonChecked(page, id) == BST_CHECKED ? 1 : 0);
            Fill(page);
        }
        return true;
    }

    std::vector<std::string> statuses_;
    FirstDetectedDates dates_;
};

}  // namespace

void FillServiceList(HWND page) { ListPageOf<ServicesPage>().Fill(page); }

INT_PTR CALLBACK ServicesPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    return ListPageProcedure<ServicesPage>(page, message, wParam, lParam);
}
