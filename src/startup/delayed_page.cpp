#include "startup/delayed_page.h"

#include <cstdio>
#include <string>
#include <vector>

#include "res/resource_ids.h"
#include "base/fixed_text.h"
#include "shell/list_page.h"
#include "shell/list_view.h"
#include "shell/load_text.h"
#include "shell/messages.h"
#include "shell/page_commands.h"
#include "shell/page_menu.h"
#include "startup/delayed/delay_dialogs.h"
#include "startup/delayed/delay_values.h"
#include "startup/delayed/delayed_programs.h"
#include "base/file_search.h"
#include "shell/browse_for_program.h"
#include "startup/delayed/delayed_launch.h"
#include "base/processes.h"
#include "shell/selected_rows.h"
#include "base/text_helpers.h"
#include "base/windows_version.h"

namespace {

constexpr int kStatusColumn = 2;
constexpr int kDelayColumn = 3;

// What the Status and Delay Time columns show of a row, taken once per fill
// and kept for the sort.
struct DelayedRowFacts {
    bool running = false;
    int seconds = 0;
};

// The name the store holds a row's program under (the row's path as a rule).
FixedText<MAX_PATH> EntryName(const ListRow& row) {
    FixedText<MAX_PATH> name;
    if (!FindDelayEntryName(StartupHive(row), row.path.view(), name)) name = row.path.view();
    return name;
}

ListPageSpec DelayedSpec() {
    ListPageSpec spec;
    spec.pageId = kPageDelayed;
    spec.columnTitles = {IDS_COL_TITLE, IDS_COL_COMMAND, IDS_COL_STATUS, IDS_COL_DELAY_TIME};
    spec.texts = {{IDS_DELAY_INTRO, IDC_DELAY_INTRO},
                  {IDS_DELAY_HINT, IDC_DELAY_HINT},
                  {IDS_ADD, IDC_ADD},
                  {IDS_DELAY_OPTIONS, IDC_DELAY_OPTIONS},
                  {IDS_REMOVE, IDC_REMOVE}};
    spec.buttons = {{IDC_INFO}, {IDC_ADD}, {IDC_DELAY_OPTIONS}, {IDC_REMOVE}, {IDC_PAGE_CLOSE}};
    return spec;
}

class DelayedPage final : public ListPage {
public:
    DelayedPage() : ListPage(DelayedSpec()) {}

private:
    int Scan() override {
        LoadDelayedList();
        return ListStoreCount();
    }

    // One walk of the processes and one look into the store per row, for the whole fill.
    void OnFillStart(int rows) override {
        const RunningPrograms running;
        facts_.assign(static_cast<size_t>(rows), DelayedRowFacts());
        for (int index = 0; index < rows; ++index) {
            const ListRow* row = ListStoreRow(index);
            if (!row) continue;
            DelayedRowFacts& fact = facts_[static_cast<size_t>(index)];
            fact.running = running.Runs(row->path.view());
            fact.seconds = ReadDelaySeconds(StartupHive(*row), EntryName(*row).view());
        }
        fillGeneration_ = SharedListStore().Generation();
    }

    const DelayedRowFacts* FactsOf(int index) const {
        if (fillGeneration_ != SharedListStore().Generation() || index < 0 ||
            static_cast<size_t>(index) >= facts_.size())
            return nullptr;
        return &facts_[static_cast<size_t>(index)];
    }

    std::string CellText(int index, const ListRow& row, int column) override {
        const DelayedRowFacts* fact = FactsOf(index);
        std::string_view path = row.path.view();
        switch (column) {
            case 0: return std::string(row.title.view());
            case 1: return std::string(path.substr(static_cast<size_t>(FileNameOffset(path))));
            case kStatusColumn: {
                FixedText<128> text;
                if (fact && fact->running) LoadText(IDS_STATE_RUNNING, text);
                else if (!FileExists(path)) LoadText(IDS_FILE_NOT_FOUND, text);
                return std::string(text.view());
            }
            case kDelayColumn: return std::string(DelayTimeText(fact ? fact->seconds : 0).view());
            default: return {};
        }
    }

    void SortText(int index, int column, FixedText<260>& key) override {
        key.clear();
        const DelayedRowFacts* fact = FactsOf(index);
        if (!fact) return;
        if (column == kStatusColumn) {
            key = fact->running ? "0" : "1";
        } else if (column == kDelayColumn) {
            char text[16];
            std::snprintf(text, sizeof(text), "%04d", fact->seconds);
            key = text;
        }
    }

    void AddProgram(HWND page) {
        FixedText<MAX_PATH> path;
        if (!BrowseForProgram(page, path)) return;
        int startFor = AskStartupProgramType(page);
        if (startFor == kDelayForNobody) return;
        AddDelayedProgram(path.view(), DelayStartFor(startFor));
    }

    void LaunchSelected(HWND page) {
        for (const ListRow& row : SelectedRowCopies(page)) {
            HKEY hive = StartupHive(row);
            FixedText<MAX_PATH> name = EntryName(row);
            FixedText<1024> parameters;
            FixedText<64> applet;
            ReadDelayValue(hive, DelayValue::Parameters, name.view(), parameters);
            ReadDelayValue(hive, DelayValue::Applet, name.view(), applet);
            LaunchProgram(hive, name.view(), parameters.view(), applet.view());
        }
    }

    void EditDelayOptions(HWND page) {
        std::vector<ListRow> rows = SelectedRowCopies(page);
        if (!rows.empty()) ShowDelayOptionsDialog(page, StartupHive(rows.front()), EntryName(rows.front()).view());
    }

    void RemoveSelected(HWND page) {
        for (const ListRow& row : SelectedRowCopies(page)) {
            int answer = ShowProgramMessage(IDS_CONFIRM_REMOVE_DELAYED, MB_YESNOCANCEL | MB_ICONQUESTION);
            if (answer == IDCANCEL) break;
            if (answer == IDYES) RestoreDelayed(row);
            else if (answer == IDNO) ForgetDelayed(row);
        }
    }

    bool OnCommand(HWND page, int id, int) override {
        switch (id) {
            case IDC_ADD: AddProgram(page); break;
            case kCommandLaunchProgram: LaunchSelected(page); break;
            case IDC_DELAY_OPTIONS: EditDelayOptions(page); break;
            case kCommandRestoreToStartup:
                for (const ListRow& row : SelectedRowCopies(page)) RestoreDelayed(row);
                break;
            case IDC_REMOVE: RemoveSelected(page); break;
            default: return false;
        }
        Fill(page);
        return true;
    }

    std::vector<DelayedRowFacts> facts_;
    unsigned fillGeneration_ = ~0u;
};

}  // namespace

void FillDelayedList(HWND page) { ListPageOf<DelayedPage>().Fill(page); }

INT_PTR CALLBACK DelayedPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    return ListPageProcedure<DelayedPage>(page, message, wParam, lParam);
}
