#include "shell/monitor_picture.h"

#include <array>

#include "res/resource_ids.h"
#include "shell/main_window.h"
#include "shell/app_state.h"
#include "shell/patrol_categories.h"
#include "shell/sheet_chrome.h"
#include "base/unique_resource.h"

namespace {

struct OwnBitmap {
    int id;
    UniqueGdiObject handle;
};

}  // namespace

int MonitorPictureBitmap(long minutes, bool realtime) {
    if (realtime) return IDB_MONITOR_REALTIME;
    return minutes > 0 ? IDB_MONITOR_ON : IDB_MONITOR_OFF;
}

HBITMAP PictureBitmap(int bitmapId) {
    if (HBITMAP shared = GetSharedBitmap(bitmapId)) return shared;
    static std::array<OwnBitmap, 4> own{{{IDB_MONITOR_OFF, {}}, {IDB_MONITOR_ACTIVE, {}}, {IDB_MONITOR_ON, {}},
                                         {IDB_MONITOR_REALTIME, {}}}};
    for (OwnBitmap& bitmap : own) {
        if (bitmap.id != bitmapId) continue;
        if (!bitmap.handle) bitmap.handle.reset(LoadBitmapA(ResourceInstance(), MAKEINTRESOURCEA(bitmapId)));
        return static_cast<HBITMAP>(bitmap.handle.get());
    }
    return nullptr;
}

void ShowMonitorPicture(HWND page, int controlId, const PatrolCategory& category) {
    HWND control = GetDlgItem(page, controlId);
    if (!control) return;
    HBITMAP image = PictureBitmap(MonitorPictureBitmap(PatrolMinutes(category), PatrolRealtime(category)));
    SetPropA(control, PicturePropName(kPropNormal), image);
    SendMessageA(control, STM_SETIMAGE, IMAGE_BITMAP, LPARAM(image));
}

void AttachMonitorPicture(HWND page, int controlId, const PatrolCategory& category) {
    HWND control = GetDlgItem(page, controlId);
    if (!control) return;
    SetPropA(control, PicturePropName(kPropPressed), PictureBitmap(IDB_MONITOR_ACTIVE));
    SetPropA(control, PicturePropName(kPropHover), PictureBitmap(IDB_MONITOR_ON));
    SetPropA(control, PicturePropName(kPropFourth), PictureBitmap(IDB_MONITOR_REALTIME));
    SetPropA(control, PicturePropName(kPropCommand), reinterpret_cast<HANDLE>(INT_PTR(controlId)));
    ShowMonitorPicture(page, controlId, category);
}

void DetachMonitorPicture(HWND page, int controlId) {
    HWND control = GetDlgItem(page, controlId);
    if (!control) return;
    for (int prop = kPropNormal; prop <= kPropCommand; ++prop) RemovePropA(control, PicturePropName(prop));
}

void ShowPageMonitorPicture(HWND page, int pageId) {
    if (const PatrolCategory* category = PatrolCategoryOfPage(pageId))
        ShowMonitorPicture(page, IDC_PICTURE_MONITOR, *category);
}
