// Resource ids: fixed numbers shared by the resource script and the code.
#pragma once

// Icons
#define IDI_PROGRAM 101

// Property-sheet pages (dialog templates)
#define IDD_PAGE_STARTUP 102
#define IDD_PAGE_DELAYED 197
#define IDD_PAGE_IEHELPERS 139
#define IDD_PAGE_TASKS 137
#define IDD_PAGE_SERVICES 132
#define IDD_PAGE_ACTIVETASKS 110
#define IDD_PAGE_COOKIES 108
#define IDD_PAGE_FILETYPES 142
#define IDD_PAGE_HIDDEN 195
#define IDD_PAGE_RECENT 214
#define IDD_PAGE_ACTIVEX 201
#define IDD_PAGE_REGMONITOR 215
#define IDD_PAGE_OPTIONS 114
#define IDD_NOTE 184

// Controls shared by the pages
#define IDC_NOTE_TEXT 1025
#define IDC_PAGE_CLOSE 1004
#define IDC_PICTURE_HELP 1077
#define IDC_PICTURE_MONITOR 1112
#define IDC_STATUS_BAR 6050

// Bitmaps
#define IDB_HELP_NORMAL 133
#define IDB_HELP_PRESSED 134
#define IDB_HELP_HOVER 135
#define IDB_MONITOR_NORMAL 154
#define IDB_MONITOR_PRESSED 155
#define IDB_MONITOR_HOVER 156
#define IDB_MONITOR_FOURTH 193
#define IDB_EXTRA_158 158
#define IDB_EXTRA_159 159
#define IDB_EXTRA_160 160

// Sound
#define IDW_OPEN_SOUND 170

// Strings
#define IDS_PRODUCT 2
#define IDS_CLASS_NAME 9
#define IDS_NOT_NORMAL 24
#define IDS_HELP_CAPTION 31
#define IDS_NO_SELECTION 57
#define IDS_CLOSE 304
#define IDS_LANGUAGE 634
#define IDS_LOADING 833
#define IDS_HTTP_PREFIX 1061
