#include "shell/page_layout.h"

#include <commctrl.h>
#include <prsht.h>

#include "resource_ids.h"

namespace {

constexpr int kDeferredWindows = 8;
// The last button gives up this much on its left side.
constexpr int kLastButtonInset = 25;

int Scaled(double factor, long value) { return static_cast<int>(factor * value); }

SIZE SizeOf(HWND window) {
    RECT rect = {};
    if (window) GetWindowRect(window, &rect);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

int NonNegative(int value) { return value < 0 ? 0 : value; }

// The buttons spread over the list's width from its left edge, one button centred.
// The gaps share what the division leaves over, one pixel each from the left,
// so the last button ends exactly with the list whatever the buttons' width.
void PlaceButtons(const LayoutInput& in, int listWidth, LayoutResult& out) {
    const int n = in.buttonCount < kLayoutButtonSlots ? in.buttonCount : kLayoutButtonSlots;
    const int width = in.button.cx;
    if (n == 1) {
        out.buttonX[0] = in.width / 2 - width / 2;
        return;
    }
    if (n < 1) return;
    const int spare = listWidth - n * width;
    const int gap = spare / (n - 1);
    const int leftOver = spare - gap * (n - 1);  // has the sign of spare
    const int step = leftOver < 0 ? -1 : 1;
    for (int i = 0; i < n; ++i) {
        const int extra = step * (i < step * leftOver ? i : step * leftOver);
        out.buttonX[static_cast<size_t>(i)] = in.buttonUnits.left + i * (width + gap) + extra;
    }
    out.buttonX[static_cast<size_t>(n - 1)] += kLastButtonInset;
    out.lastButtonWidth = NonNegative(width - kLastButtonInset);
}

LayoutInput MeasureInput(const PageLayout& layout, int width, int height, bool oneTabRow) {
    LayoutInput in;
    in.width = width;
    in.height = height;
    in.listUnits = {7, 44, 14, 90};
    in.buttonUnits = {7, 25, 14, 35};
    MapDialogRect(layout.page, &in.listUnits);
    MapDialogRect(layout.page, &in.buttonUnits);
    in.oneTabRow = oneTabRow;
    in.help = SizeOf(layout.helpPicture);
    in.helpLabel = SizeOf(layout.helpLabel);
    in.monitor = SizeOf(layout.monitorPicture);
    in.monitorLabel = SizeOf(layout.monitorLabel);
    in.button = SizeOf(layout.buttons[0].button);
    in.buttonCount = layout.buttonCount;
    return in;
}

void Move(HDWP& batch, HWND window, int x, int y, int width = 0, int height = 0, bool resize = false) {
    if (!window || !batch) return;
    UINT flags = SWP_NOZORDER | SWP_NOACTIVATE | (resize ? 0 : SWP_NOSIZE);
    batch = DeferWindowPos(batch, window, nullptr, x, y, width, height, flags);
}

void Apply(const PageLayout& layout, const LayoutResult& at, const LayoutInput& in) {
    HDWP batch = BeginDeferWindowPos(kDeferredWindows);
    Move(batch, layout.helpPicture, at.help.x, at.help.y);
    Move(batch, layout.helpLabel, at.helpLabel.x, at.helpLabel.y);
    Move(batch, layout.monitorPicture, at.monitor.x, at.monitor.y);
    Move(batch, layout.monitorLabel, at.monitorLabel.x, at.monitorLabel.y);
    Move(batch, layout.list, at.list.left, at.list.top, at.list.right, at.list.bottom, true);
    const int n = layout.buttonCount < kLayoutButtonSlots ? layout.buttonCount : kLayoutButtonSlots;
    for (int i = 0; i < n; ++i) {
        const LayoutButton& slot = layout.buttons[static_cast<size_t>(i)];
        const int x = at.buttonX[static_cast<size_t>(i)];
        if (n > 1 && i == n - 1)
            Move(batch, slot.button, x, at.buttonY, at.lastButtonWidth, in.button.cy, true);
        else
            Move(batch, slot.button, x, at.buttonY);
        Move(batch, slot.alternative, x, at.buttonY);
    }
    if (batch) EndDeferWindowPos(batch);
}

}  // namespace

PageLayout MakePageLayout(HWND page, std::initializer_list<std::pair<int, int>> buttonIds) {
    PageLayout layout;
    layout.page = page;
    layout.helpPicture = GetDlgItem(page, IDC_PICTURE_HELP);
    layout.helpLabel = GetDlgItem(page, IDC_LABEL_HELP);
    layout.monitorPicture = GetDlgItem(page, IDC_PICTURE_MONITOR);
    layout.monitorLabel = GetDlgItem(page, IDC_LABEL_MONITOR);
    layout.list = GetDlgItem(page, IDC_LIST);
    for (const auto& ids : buttonIds) {
        if (layout.buttonCount >= kLayoutButtonSlots) break;
        LayoutButton& slot = layout.buttons[static_cast<size_t>(layout.buttonCount++)];
        slot.button = GetDlgItem(page, ids.first);
        slot.alternative = ids.second ? GetDlgItem(page, ids.second) : nullptr;
    }
    return layout;
}

LayoutResult ComputePageLayout(const LayoutInput& in) {
    LayoutResult out;
    out.help = {in.width - 3 * in.help.cx, 3};
    out.helpLabel = {in.width - Scaled(1.75, in.helpLabel.cx), 25};
    out.monitor = {in.width - 3 * in.monitor.cx, 38};
    out.monitorLabel = {in.width - Scaled(1.5, in.monitorLabel.cx), 60};

    const int listWidth = NonNegative(in.width - Scaled(1.5, in.listUnits.right) - 20);
    const int listHeight = NonNegative(in.height - Scaled(1.5, in.listUnits.bottom) - 32 + (in.oneTabRow ? 5 : 0));
    out.list = {in.listUnits.left, in.listUnits.top + 5, listWidth, listHeight};

    out.buttonY = in.height - Scaled(2.75, in.buttonUnits.bottom) - 6;
    if (in.oneTabRow) out.buttonY += in.button.cy / 2 + 6;
    PlaceButtons(in, listWidth, out);
    return out;
}

LayoutResult ComputeCookieListLayout(const LayoutInput& in) {
    LayoutResult out;
    out.help = {in.width - 2 * in.help.cx, 3};
    out.helpLabel = {in.width - Scaled(1.25, in.helpLabel.cx), 25};
    out.monitor = {in.width - 2 * in.monitor.cx, 38};
    out.monitorLabel = {in.width - Scaled(1.25, in.monitorLabel.cx), 60};

    const int listWidth = NonNegative(in.width - Scaled(1.5, in.listUnits.right));
    const int listHeight = NonNegative(in.height - Scaled(1.5, in.listUnits.bottom) + 20);
    out.list = {in.listUnits.left, in.listUnits.top + 18, listWidth, listHeight};

    out.buttonY = in.height + (10 - in.buttonUnits.bottom) * 2;
    PlaceButtons(in, listWidth, out);
    return out;
}

void LayoutPage(const PageLayout& layout) {
    if (!layout.page) return;
    HWND sheet = GetParent(layout.page);
    if (!sheet) return;
    RECT rect = {};
    GetWindowRect(sheet, &rect);
    HWND tabs = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETTABCONTROL, 0, 0));
    const bool oneTabRow = !tabs || SendMessageA(tabs, TCM_GETROWCOUNT, 0, 0) <= 1;
    const LayoutInput in = MeasureInput(layout, rect.right - rect.left, rect.bottom - rect.top, oneTabRow);
    Apply(layout, ComputePageLayout(in), in);
}

void LayoutCookieList(const PageLayout& layout) {
    if (!layout.page) return;
    RECT rect = {};
    GetWindowRect(layout.page, &rect);
    const LayoutInput in = MeasureInput(layout, rect.right - rect.left, rect.bottom - rect.top, true);
    Apply(layout, ComputeCookieListLayout(in), in);
}
