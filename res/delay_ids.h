// Resource ids of the delayed-start dialogs: delay options (198) and startup
// program type (199). Control ids are per dialog.
#pragma once

#define IDD_DELAY_OPTIONS 198
#define IDD_STARTUP_TYPE 199

// Delay options (198)
#define IDC_DELAY_OPTIONS_TEXT 1150
#define IDC_DELAY_TITLE_LABEL 1151
#define IDC_DELAY_MINUTES_LABEL 1152
#define IDC_DELAY_SECONDS_LABEL 1153
#define IDC_DELAY_PARAMETERS_LABEL 1154
#define IDC_DELAY_OPEN_AS_LABEL 1155
#define IDC_DELAY_SECONDS 1191
#define IDC_DELAY_PARAMETERS 1193
#define IDC_DELAY_TITLE 1195
#define IDC_DELAY_MINUTES 1196
#define IDC_DELAY_OPEN_AS 1199

// Startup program type (199)
#define IDC_STARTUP_TYPE_TEXT 1156
#define IDC_STARTUP_TYPE_ALL 1199
#define IDC_STARTUP_TYPE_CURRENT 1200
