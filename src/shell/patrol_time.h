// The monitor's patrol times: the Set Patrol Time dialog and the "Monitor"
// pictures that show whether a category is patrolled.
#pragma once

// The Set Patrol Time dialog of a page's category, opened by its Monitor picture.
void OpenPatrolTimeDialog(int pageId);
