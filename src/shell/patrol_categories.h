// The categories the resident monitor patrols: per category the title of its
// Set Patrol Time dialog, the option holding its minutes and, for some, the
// option that switches real-time watching.
#pragma once

struct PatrolCategory {
    int titleId;                 // string id of the dialog's title; names the category
    const char* minutesOption;   // 0 = not patrolled
    const char* realtimeOption;  // nullptr: the category has no real-time watching
};

// The category whose dialog title is titleId; nullptr for any other id.
const PatrolCategory* FindPatrolCategory(int titleId);
// The category of a page's Monitor picture; nullptr for a page without one.
const PatrolCategory* PatrolCategoryOfPage(int pageId);

// The category's current values, from the options in memory.
long PatrolMinutes(const PatrolCategory& category);
bool PatrolRealtime(const PatrolCategory& category);
