#include "sysobjects/active_tasks_page.h"

#include <string>

#include "resource_ids.h"
#include "base/first_detected.h"
#include "shell/list_page.h"
#include "shell/page_commands.h"
#include "shell/page_menu.h"
#include "shell/running_programs.h"
#include "sysobjects/task_kill.h"

namespace {

ListPageSpec ActiveTasksSpec() {
    ListPageSpec spec;
    spec.pageId = kPageActiveTasks;
    spec.columnTitles = {IDS_COL_MODULE, IDS_COL_PROGRAM_DESCRIPTION, IDS_COL_COMPANY, IDS_COL_FIRST_DETECTED};
    spec.texts = {{IDS_ACTIVETASKS_HEADER1, IDC_HEADER_TEXT1},
                  {IDS_ACTIVETASKS_HEADER2, IDC_HEADER_TEXT2},
                  {IDS_REFRESH, IDC_REFRESH},
                  {IDS_KILL_TASK, IDC_KILL_TASK}};
    spec.buttons = {{IDC_INFO}, {IDC_REFRESH}, {IDC_KILL_TASK}, {IDC_PAGE_CLOSE}};
    spec.fillOnEveryActivation = false;
    return spec;
}

std::string_view FileNamePart(std::string_view path) {
    const size_t slash = path.rfind('\\');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

class ActiveTasksPage final : public ListPage {
public:
    ActiveTasksPage() : ListPage(ActiveTasksSpec()) {}

private:
    int Scan() override { return ListRunningPrograms(); }

    // A process whose file could not be told has no row.
    bool ShowsRow(const ListRow& row) const override { return row.path.view().find('\\') != std::string_view::npos; }

    void OnFillStart(int) override { dates_ = FirstDetectedDates(); }

    std::string CellText(int, const ListRow& row, int column) override {
        switch (column) {
            case 0: return std::string(FileNamePart(row.path.view()));
            case 1: return std::string(row.title.view());
            case 3: return dates_.DateOf(row.typeCode, row.path.view());
            default: return {};
        }
    }

    // Ends the process of each selected row: the one whose id the row holds,
    // while it still runs the row's file. No question is asked on this page.
    void KillSelected(HWND page) {
        for (int row : SelectedRows(page)) KillTaskRow(row);
    }

    bool OnCommand(HWND page, int id, int) override {
        switch (id) {
            case IDC_KILL_TASK: KillSelected(page); break;
            case IDC_REFRESH: break;
            default: return false;
        }
        Fill(page);
        return true;
    }

    FirstDetectedDates dates_;
};

}  // namespace

void FillActiveTaskList(HWND page) { ListPageOf<ActiveTasksPage>().Fill(page); }

INT_PTR CALLBACK ActiveTasksPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    return ListPageProcedure<ActiveTasksPage>(page, message, wParam, lParam);
}
