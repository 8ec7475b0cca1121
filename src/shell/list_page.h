// The list page: everything the report pages of the sheet share. A page plugs
// in with what is its own (its ids, texts, buttons, scanner, row texts, the
// commands a row allows and what those commands do); this piece does the rest:
// initialisation, activation and deactivation, the fill under the wait cursor
// with per-row facts kept for the fill, column clicks and the saved sort,
// widths, selection and status bar, double click, Info with scroll-back, the
// context menu and its shared commands, Close, Help, Monitor and the layout.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/fixed_text.h"
#include "shell/list_store.h"

// The commands (button and menu ids) that a row allows. The page's buttons are
// enabled by it and its menu shows only what it holds, so both always agree.
class CommandSet {
public:
    CommandSet() = default;
    CommandSet(std::initializer_list<int> ids) : ids_(ids) {}
    void Add(int id) {
        if (!Has(id)) ids_.push_back(id);
    }
    void Remove(int id);
    bool Has(int id) const;
    const std::vector<int>& Ids() const { return ids_; }

private:
    std::vector<int> ids_;
};

// A text of the page: string id into control id.
struct PageText {
    int stringId;
    int controlId;
};

// A place of the button row; the alternative (such as "&Enable" beside
// "&Disable") shares it.
struct ButtonSlot {
    int button;
    int alternative = 0;
};

// What a page is, for the list machinery; its columns (titles, widths and sort
// keys) and the rest come from the page table under its page command id.
struct ListPageSpec {
    int pageId = 0;
    std::vector<int> columnTitles;        // string ids, one per column
    std::vector<PageText> texts;          // set at initialisation
    std::vector<ButtonSlot> buttons;      // laid out under the list, left to right
    std::vector<int> rowCommands;         // buttons and menu entries offered only when CommandsFor allows them
    int checkBox = 0;                     // a check box placed between the list and the buttons
    int imageSlot = 0;
    bool fillOnEveryActivation = true;    // else only when the shared store is empty
    bool refillAfterInfo = false;         // the information dialog may change the item
};

class ListPage {
public:
    explicit ListPage(ListPageSpec spec);
    virtual ~ListPage();
    ListPage(const ListPage&) = delete;
    ListPage& operator=(const ListPage&) = delete;

    // The page's dialog procedure forwards every message here.
    INT_PTR Handle(HWND page, UINT message, WPARAM wParam, LPARAM lParam);

    // Fills the list from the scanner (and selects the row of the given title
    // again, else the first row); the buttons follow the selection.
    void Fill(HWND page, std::string_view selectTitle = {});
    // Sets the buttons for the selected row (CommandsFor) and shows its status text.
    void UpdateButtons(HWND page);
    // The commands the row of the shared store allows (every row command when
    // the page does not say otherwise).
    virtual CommandSet CommandsFor(int row) const;

    const ListPageSpec& Spec() const { return spec_; }
    int ColumnCount() const;

protected:
    // The scanner: fills the shared list store. Returns the rows appended.
    virtual int Scan() = 0;
    // The text of a column of a row; column 0 is the item's own text. Columns
    // whose sort key is the company are answered by the piece itself.
    virtual std::string CellText(int row, const ListRow& item, int column) = 0;
    // A page's own command (buttons, menu entries, check boxes); true when handled.
    // The selected rows come from SelectedRows / SelectedRowCopies.
    virtual bool OnCommand(HWND page, int id, int notifyCode) { return false; }
    // Whether a row of the scan gets an item (every row unless the page says otherwise).
    virtual bool ShowsRow(const ListRow& row) const { return true; }
    // Called after the shared initialisation and before the first fill.
    virtual void OnInit(HWND page) {}
    // Called on activation before the fill.
    virtual void OnActivate(HWND page) {}
    // After the shared layout: controls of the page's own (a check box).
    virtual void OnLayout(HWND page) {}
    // Before a fill: facts a page keeps for each row are reset here.
    virtual void OnFillStart(int rows) {}
    // After the buttons were set for the selected row (or nullptr): the page's own touches.
    virtual void OnSelection(HWND page, const ListRow* row, int index) {}
    // A row's state that sorts it to the bottom (disabled startup entries).
    virtual bool RowDisabled(int row) const { return false; }
    // The sort key of a column whose text only the page can tell.
    virtual void SortText(int row, int column, FixedText<260>& key) { key.clear(); }
    // The status-bar text of a selected row: its path unless the page says otherwise.
    virtual std::string StatusText(const ListRow& row) { return std::string(row.path.view()); }

    // For the page's commands.
    static HWND ListOf(HWND page);
    // The selected rows of the store in list order; string 57 when there are
    // none and tell is set.
    std::vector<int> SelectedRows(HWND page, bool tell = true) const;
    // Copies of the selected rows: a command's questions run message loops in
    // which the store may be filled again.
    std::vector<ListRow> SelectedRowCopies(HWND page, bool tell = true) const;
    // The first selected row, or -1 (string 57 when tell is set).
    int SelectedIndex(HWND page, bool tell = true) const;
    // True while Fill runs: its own selection changes are not the user's.
    bool Filling() const { return filling_; }

private:
    void Init(HWND page);
    void Activate(HWND page);
    void SaveWidths(HWND page) const;
    bool OnListNotify(HWND page, NMHDR& header);
    bool OnSharedCommand(HWND page, int id, int code);
    void ShowInfo(HWND page);
    void LookUpOnline(HWND page);
    void DeleteSelectedOnReboot(HWND page);
    void LayOut(HWND page);
    template <class DisplayInfo>
    void AnswerDisplayInfo(DisplayInfo& info);
    int RowImage(int row);
    const std::string& RowCompany(int row);
    void RegisterHooks();

    ListPageSpec spec_;
    bool filling_ = false;
    // Per-row facts read when a row is first shown, valid for one fill.
    unsigned generation_ = 0;
    bool factsValid_ = false;
    std::vector<int> images_;
    std::vector<std::string> companies_;
    std::vector<char> companyKnown_;
};

// The one object of a page type, and the dialog procedure over it, for the
// page table and the tests' page hosts.
template <class Page>
Page& ListPageOf() {
    static Page page;
    return page;
}
template <class Page>
INT_PTR CALLBACK ListPageProcedure(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    return ListPageOf<Page>().Handle(page, message, wParam, lParam);
}
