// The layout of a list page's controls when the sheet is resized (the private
// message 6049), and its variant for the cookie list dialog.
#pragma once

#include <windows.h>

#include <array>
#include <initializer_list>
#include <utility>

inline constexpr int kLayoutButtonSlots = 5;

// A button place; the alternative (such as "&Enable" for "&Disable") shares it.
struct LayoutButton {
    HWND button = nullptr;
    HWND alternative = nullptr;
};

// The windows a page lays out; absent controls stay null.
struct PageLayout {
    HWND page = nullptr;
    HWND helpPicture = nullptr;
    HWND helpLabel = nullptr;
    HWND monitorPicture = nullptr;
    HWND monitorLabel = nullptr;
    HWND list = nullptr;
    std::array<LayoutButton, kLayoutButtonSlots> buttons{};
    int buttonCount = 0;
};

// The record of a page: list 1000, pictures 1077 and 1112 with their labels
// 1134 and 1135, and the button slots as (button id, alternative id or 0).
PageLayout MakePageLayout(HWND page, std::initializer_list<std::pair<int, int>> buttonIds);

// The sizes that the layout is computed from, in pixels.
struct LayoutInput {
    int width = 0, height = 0;  // W and H: the sheet window (the cookie list: its own window)
    RECT listUnits{};           // dialog units (7, 44, 14, 90) in pixels
    RECT buttonUnits{};         // dialog units (7, 25, 14, 35) in pixels
    bool oneTabRow = false;
    SIZE help{}, helpLabel{}, monitor{}, monitorLabel{};
    SIZE button{};              // the first button's size
    int buttonCount = 0;
};

// Where everything goes, in the page's client coordinates.
struct LayoutResult {
    POINT help{}, helpLabel{}, monitor{}, monitorLabel{};
    RECT list{};                 // left, top, width, height
    int buttonY = 0;
    std::array<int, kLayoutButtonSlots> buttonX{};
    int lastButtonWidth = 0;     // the last slot's button, when there are two or more
};

LayoutResult ComputePageLayout(const LayoutInput& in);
LayoutResult ComputeCookieListLayout(const LayoutInput& in);

// Lays out a page against its sheet; pages call it on message 6049.
void LayoutPage(const PageLayout& layout);
// Lays out the cookie list dialog against its own window.
void LayoutCookieList(const PageLayout& layout);
