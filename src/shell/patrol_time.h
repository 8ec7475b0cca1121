// The monitor's patrol times: the Set Patrol Time dialog (160) of a category,
// and what its callers do with the answer.
#pragma once

#include <windows.h>

struct PatrolCategory;

inline constexpr int kPatrolCancelled = -1;

// The modal dialog of the category titled titleId. Returns the minutes chosen
// (0 = off) or kPatrolCancelled. OK also stores the real-time box into the
// category's real-time option; Close leaves every option as it was.
int SetPatrolTime(HWND owner, int titleId);

// What every caller does with SetPatrolTime's answer: 0 or more minutes are
// written to the category's minutes option and the picture shows the new
// state; a cancelled dialog changes nothing.
void ApplyPatrolTime(HWND page, int pictureId, const PatrolCategory& category, int minutes);
// SetPatrolTime for the category of titleId, then ApplyPatrolTime.
void ChangePatrolTime(HWND page, int pictureId, int titleId);

// The Set Patrol Time dialog of a page's category, opened by its Monitor
// picture (1112). Pages without a category are left alone.
void OpenPatrolTimeDialog(HWND page, int pageId);
// The same for the visible page.
void OpenPatrolTimeDialog(int pageId);
