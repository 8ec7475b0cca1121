// Resource ids of the program information dialog (121), which every page
// opens for its selected row: one listed program's facts, its running state
// and its note. IDOK (1) is its Close button.
#pragma once

#define IDD_PROGRAM_INFO 121
#define IDC_INFO_KILL 3             // "&Kill Task"; "&Stop" for a service
#define IDC_INFO_RUN 4
#define IDC_INFO_EXPAND 5           // "E&xpand Info" / "Shrin&k Window"
#define IDC_INFO_APPLY 12           // services only
#define IDC_INFO_PRODUCT 100
#define IDC_INFO_ICON 117
#define IDC_INFO_STATUS 1010
#define IDC_INFO_CREATED 1011
#define IDC_INFO_WRITTEN 1013
#define IDC_INFO_DETECTED 1014
#define IDC_INFO_COPYRIGHT_LABEL 1025
#define IDC_INFO_LOCATION 1026
#define IDC_INFO_VERSION 1029
#define IDC_INFO_COMPANY 1030
#define IDC_INFO_DESCRIPTION 1031
#define IDC_INFO_COPYRIGHT 1032
#define IDC_INFO_NOTE 1033
#define IDC_INFO_VERSION_LABEL 1034
#define IDC_INFO_COMPANY_LABEL 1037
#define IDC_INFO_CREATED_LABEL 1038
#define IDC_INFO_LOCATION_LINE 1039
#define IDC_INFO_WRITTEN_LABEL 1041
#define IDC_INFO_DETECTED_LABEL 1042
#define IDC_INFO_SIZE_LABEL 1043
#define IDC_INFO_PLUS 1067
#define IDC_INFO_NOTE_BUTTON 1069   // "&Create Note" / "&Save Note"
#define IDC_INFO_NEXT 1082
#define IDC_INFO_PREVIOUS 1083
#define IDC_INFO_START_TYPE 1090    // services only
#define IDC_INFO_START_TYPE_LABEL 1091
#define IDC_INFO_STATUS_LABEL 1092
#define IDC_INFO_SIZE 1181
