// Ids of the Set Patrol Time and Hide Alerts dialogs, opened from the pages'
// Monitor pictures and from the Options page.
#pragma once

// ---- Set Patrol Time (dialog 160) --------------------------------------------
// IDOK (1) sets the time, IDCANCEL (2) is the "Close" button.
#define IDD_PATROL_TIME 160
#define IDC_PATROL_MINUTES 1004       // two characters at most
#define IDC_PATROL_REALTIME 1014
#define IDC_PATROL_EXPLANATION 1131
#define IDC_PATROL_MINUTES_LABEL 1132
#define IDC_PATROL_ZERO_HINT 1133
#define IDC_PATROL_SLIDER 1142        // 0 to 30 minutes

// ---- Hide Alerts (dialog 213) ------------------------------------------------
// One row per alert category: a check box (hide its alerts) and two radios
// (allow or prevent the change). The check box ids are also their string ids.
#define IDD_HIDE_ALERTS 213
#define IDC_ALERT_STARTUP 1234
#define IDC_ALERT_STARTUP_ALLOW 1214
#define IDC_ALERT_STARTUP_PREVENT 1215
#define IDC_ALERT_IEHELPER 1235
#define IDC_ALERT_IEHELPER_ALLOW 1216
#define IDC_ALERT_IEHELPER_PREVENT 1217
#define IDC_ALERT_TASKS 1236
#define IDC_ALERT_TASKS_ALLOW 1218
#define IDC_ALERT_TASKS_PREVENT 1219
#define IDC_ALERT_SERVICES 1237
#define IDC_ALERT_SERVICES_ALLOW 1220
#define IDC_ALERT_SERVICES_PREVENT 1221
#define IDC_ALERT_ACTIVEX 1238
#define IDC_ALERT_ACTIVEX_ALLOW 1222
#define IDC_ALERT_ACTIVEX_PREVENT 1223
#define IDC_ALERT_HIDDEN 1239
#define IDC_ALERT_HIDDEN_ALLOW 1224
#define IDC_ALERT_HIDDEN_PREVENT 1225
#define IDC_ALERT_FILETYPE 1240
#define IDC_ALERT_FILETYPE_ALLOW 1231
#define IDC_ALERT_FILETYPE_PREVENT 1232
#define IDC_ALERT_SYSFILES 1241
#define IDC_ALERT_SYSFILES_ALLOW 1226
#define IDC_ALERT_SYSFILES_PREVENT 1227
#define IDC_ALERT_HOME 1242
#define IDC_ALERT_HOME_ALLOW 1228
#define IDC_ALERT_HOME_PREVENT 1229
#define IDC_ALERT_RUNONCE 1243
#define IDC_ALERT_SHOW_ALL 1015
