// Resource ids: fixed numbers shared by the resource script and the code.
// Control ids are per dialog, so one number can carry different names on
// different pages (1004 is the Close button of most pages but the new filter's
// text on the Cookies page).
#pragma once

// ---- Icons ------------------------------------------------------------------
// The tab icons double as the row icon of a list whose program has none.
#define IDI_PROGRAM 101
#define IDI_GENERIC 115
#define IDI_TAB_STARTUP 170
#define IDI_TAB_SERVICES 173
#define IDI_TAB_RECENT 175
#define IDI_TAB_ACTIVETASKS 176
#define IDI_TAB_FILETYPES 179
#define IDI_TAB_IEHELPERS 180
#define IDI_TAB_OPTIONS 181
#define IDI_TAB_TASKS 182
#define IDI_TAB_COOKIES 183
#define IDI_TAB_HIDDEN 198
#define IDI_TAB_DELAYED 200
#define IDI_TAB_ACTIVEX 212
#define IDI_TAB_REGMONITOR 224
#define IDI_LOCK 226    // a locked entry of the Registry Monitoring list
#define IDI_FOLDER 227  // picks the cookie folder by hand

// ---- Property-sheet pages and dialogs -----------------------------------------
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

// ---- Controls shared by the pages ---------------------------------------------
#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
#define IDC_ENABLE 10
#define IDC_DISABLE 11
#define IDC_LIST 1000
#define IDC_REMOVE 1003
#define IDC_PAGE_CLOSE 1004
#define IDC_REFRESH 1006
#define IDC_KILL_TASK 1007
#define IDC_INFO 1008
#define IDC_NOTE_TEXT 1025      // the body of the note dialog
#define IDC_HEADER_TEXT1 1045   // the explanations above the list of a system-object page
#define IDC_HEADER_TEXT2 1046
#define IDC_ADD 1064
#define IDC_PICTURE_HELP 1077
#define IDC_PICTURE_MONITOR 1112  // only on pages that have a patrol time
#define IDC_PAGE_PICTURE 1130     // the page's own icon beside its explanation
#define IDC_LABEL_HELP 1134
#define IDC_LABEL_MONITOR 1135
#define IDC_STATUS_BAR 6050       // created on the sheet, not in a template

// Startup Programs
#define IDC_STARTUP_ADVANCED 1014
#define IDC_STARTUP_INTRO 1047

// Delayed Start
#define IDC_DELAY_INTRO 1187
#define IDC_DELAY_OPTIONS 1197
#define IDC_DELAY_HINT 1200

// Services, Hidden Files, ActiveX, Recent
#define IDC_SERVICES_NON_MICROSOFT 1014
#define IDC_UNHIDE 1012
#define IDC_ACTIVEX_NON_MICROSOFT 1014
#define IDC_ACTIVEX_LIST_ALL 1015
#define IDC_RECENT_ACTION 1246  // Kill Task, Delete, Remove or Stop, by the selected row

// Cookies
#define IDC_COOKIE_FILTER_EDIT 1004
#define IDC_COOKIE_ALWAYS_VIEW 1014
#define IDC_COOKIE_FILTER_TEXT 1105
#define IDC_COOKIE_TEXT1 1124
#define IDC_COOKIE_TEXT2 1125
#define IDC_COOKIE_TEXT3 1126
#define IDC_COOKIE_IE 1127
#define IDC_COOKIE_MOZILLA 1128
#define IDC_COOKIE_VIEW 1129
#define IDC_COOKIE_FOLDER_PICK 1131
#define IDC_COOKIE_CHROME 1132
#define IDC_COOKIE_FOLDER 1143
#define IDC_COOKIE_HEADING 1160

// File Types
#define IDC_FILETYPE_TEXT1 1108
#define IDC_FILETYPE_TEXT2 1109

// Registry Monitoring
#define IDC_REGMON_SUGGESTIONS 1065
#define IDC_REGMON_TEXT1 1249
#define IDC_REGMON_TEXT2 1250
#define IDC_REGMON_TEXT3 1251

// Options
#define IDC_OPT_AUTOSTART 1017
#define IDC_OPT_EXPLORER_MENU 1018
#define IDC_OPT_SOUND 1020
#define IDC_OPT_HISTORY 1024
#define IDC_OPT_HIDE_TRAY 1025
#define IDC_OPT_LOCK_FILETYPES 1026
#define IDC_OPT_CONFIRM_EXIT 1027
#define IDC_OPT_INTRO 1049
#define IDC_OPT_GROUP 1051
#define IDC_OPT_VIEW_HISTORY 1104
#define IDC_OPT_VIEW_HOSTS 1105
#define IDC_OPT_EXPORT 1106
#define IDC_OPT_RESTORE_DELAYED 1107
#define IDC_OPT_REPORT 1108
#define IDC_OPT_HIJACK_LOG 1109
#define IDC_OPT_SPREADSHEET 1110
#define IDC_OPT_HOMEPAGE_PICTURE 1136
#define IDC_OPT_HOSTS_PICTURE 1137
#define IDC_OPT_RESTART_PICTURE 1138
#define IDC_OPT_RESTART_TEXT 1139
#define IDC_OPT_HOMEPAGE_TEXT 1140
#define IDC_OPT_HOSTS_TEXT 1141
#define IDC_OPT_ORIGINAL_TRAY_ICON 1201
#define IDC_OPT_PLUS_INFO 1202
#define IDC_OPT_HIDE_ALERTS 1236

// ---- Bitmaps ----------------------------------------------------------------
// 24-bit pictures on a white ground (the colour of a themed page). The Help
// and Monitor pictures are 20 x 20 pixels; 158 and 159 are 300 x 48, 160 is 96 x 256.
#define IDB_HELP_NORMAL 133
#define IDB_HELP_PRESSED 134
#define IDB_HELP_HOVER 135
#define IDB_MONITOR_NORMAL 154    // patrol off
#define IDB_MONITOR_PRESSED 155   // under the mouse or pressed
#define IDB_MONITOR_HOVER 156     // patrol on (shown as the "on" state)
#define IDB_MONITOR_FOURTH 193    // real-time watching on
#define IDB_MONITOR_OFF IDB_MONITOR_NORMAL
#define IDB_MONITOR_ACTIVE IDB_MONITOR_PRESSED
#define IDB_MONITOR_ON IDB_MONITOR_HOVER
#define IDB_MONITOR_REALTIME IDB_MONITOR_FOURTH
#define IDB_EXTRA_158 158         // a light header band
#define IDB_EXTRA_159 159         // the same band in the program's blue
#define IDB_EXTRA_160 160         // a tall side band

// ---- Sound ------------------------------------------------------------------
#define IDW_OPEN_SOUND 170  // WAVE resource: the sheet's "open" chime

// ---- Strings ------------------------------------------------------------------
// Every string that code names. Ids 0 to 1165 can be overridden by "LString%d".
#define IDS_PRODUCT                        2
#define IDS_KEY_HTTP_OPEN_COMMAND          5
#define IDS_CLASS_NAME                     9
#define IDS_KEY_IEXPLORE_APP_PATH          12
#define IDS_CONFIRM_REMOVE_STARTUP         15
#define IDS_NOT_NORMAL                     24
#define IDS_COOKIE_VIEWER_TITLE            29
#define IDS_RESTART_VIEWER_TITLE           30
#define IDS_HELP_CAPTION                   31
#define IDS_NO_SELECTION                   57
#define IDS_NO_COOKIE_SELECTED             58
#define IDS_NO_WININIT_COMMANDS            59
#define IDS_NO_SELECTION_REMOVE            60
#define IDS_STARTUP_INTRO                  211
#define IDS_ACTIVETASKS_HEADER1            221
#define IDS_ACTIVETASKS_HEADER2            222
#define IDS_COOKIELIST_TEXT1               231
#define IDS_COOKIELIST_TEXT2               232
#define IDS_OPTIONS_INTRO                  251
#define IDS_OPTIONS_GROUP                  253
#define IDS_INFO                           301
#define IDS_REMOVE                         302
#define IDS_REMOVE_UNCHECKED               303
#define IDS_CLOSE                          304
#define IDS_REFRESH                        305
#define IDS_KILL_TASK                      306
#define IDS_SENTRIVOX_LOG                  310
#define IDS_ADD                            311
#define IDS_OPT_AUTOSTART                  353
#define IDS_OPT_SOUND                      354
#define IDS_OPT_RESTART_FILE               355
#define IDS_TITLE_STARTUP                  606
#define IDS_TITLE_ACTIVETASKS              607
#define IDS_TITLE_COOKIES                  608
#define IDS_TITLE_DELAYED                  609
#define IDS_TITLE_OPTIONS                  610
#define IDS_DELETE                         614
#define IDS_PRODUCT_PLUS                   622
#define IDS_KEY_IE_MAIN                    623
#define IDS_DISABLED_MARK                  626
#define IDS_COL_TITLE                      627
#define IDS_COL_COMMAND                    628
#define IDS_COL_MODULE                     629
#define IDS_COL_PROGRAM_DESCRIPTION        631
#define IDS_ENABLE                         632
#define IDS_DISABLE                        633
#define IDS_LANGUAGE                       634
#define IDS_OPT_HOMEPAGE                   635
#define IDS_TITLE_SERVICES                 636
#define IDS_SERVICES_HEADER1               638
#define IDS_SERVICES_HEADER2               639
#define IDS_PLUS_INFO                      641
#define IDS_LABEL_COMPANY                  643
#define IDS_LABEL_VERSION                  644
#define IDS_LABEL_COPYRIGHT                645
#define IDS_STARTUP_LOCATION               646
#define IDS_INFO_EXPLANATION               647
#define IDS_COL_STATUS                     648
#define IDS_PAUSE                          649
#define IDS_STOP                           650
#define IDS_COL_STARTUP                    651
#define IDS_STATE_STOPPED                  652
#define IDS_STATE_START_PENDING            653
#define IDS_STATE_STOP_PENDING             654
#define IDS_STATE_RUNNING                  655
#define IDS_STATE_CONTINUE_PENDING         656
#define IDS_STATE_PAUSE_PENDING            657
#define IDS_STATE_PAUSED                   658
#define IDS_VIEW                           659
#define IDS_MODIFY                         660
#define IDS_SERVICE_WARNING                661
#define IDS_APPLY                          662
#define IDS_MODIFY_SERVICES                663
#define IDS_START_AUTOMATIC                664
#define IDS_START_MANUAL                   665
#define IDS_START_DISABLED                 666
#define IDS_LABEL_STARTUP_TYPE             667
#define IDS_LABEL_STATUS                   668
#define IDS_COL_CREATION_DATE              669
#define IDS_RESET                          677
#define IDS_TASKS_HEADER1                  678
#define IDS_TASKS_HEADER2                  679
#define IDS_TITLE_TASKS                    680
#define IDS_COL_NAME                       681
#define IDS_COL_LAST_RUN                   682
#define IDS_COL_NEXT_RUN                   683
#define IDS_COL_PROGRAM                    684
#define IDS_DISPLAY_TASKS                  685
#define IDS_NEVER                          686
#define IDS_CONFIRM_REMOVE_TASK            687
#define IDS_TASK_READY                     688
#define IDS_TASK_RUNNING                   689
#define IDS_TASK_NOT_SCHEDULED             690
#define IDS_LABEL_NEXT_RUN                 693
#define IDS_TITLE_IEHELPERS                694
#define IDS_IEHELPERS_HEADER1              695
#define IDS_IEHELPERS_HEADER2              696
#define IDS_CONFIRM_REMOVE_IEHELPER        698
#define IDS_COL_COMPANY                    699
#define IDS_RESTART_LEGEND                 702
#define IDS_CONFIRM_KILL                   707
#define IDS_REMOVE_CHECKED                 708
#define IDS_OPT_HISTORY                    709
#define IDS_HISTORY_EXPLANATION            710
#define IDS_CLEAR_FILE                     711
#define IDS_HISTORY_TITLE                  712
#define IDS_COL_DATE_MODIFIED              713
#define IDS_COL_TYPE                       714
#define IDS_COL_ACTION                     715
#define IDS_LOCATION                       716
#define IDS_RESTORE                        717
#define IDS_SERVICES_NON_MICROSOFT         721
#define IDS_COOKIES_PAGE_TEXT              722
#define IDS_LOCATION_TOOLBAR               724
#define IDS_LOCATION_BHO                   725
#define IDS_LOCATION_TASK_SCHEDULER        726
#define IDS_VIEW_HISTORY                   727
#define IDS_CONFIRM_REMOVE_UNCHECKED       728
#define IDS_NUT_LIMIT                      729
#define IDS_FILE_NOT_FOUND                 730
#define IDS_VIEW_HOSTS                     734
#define IDS_OPT_HOSTS                      735
#define IDS_NO_HOSTS_FILE                  736
#define IDS_CONFIRM_REMOVE_CHECKED         738
#define IDS_TITLE_FILETYPES                739
#define IDS_FILETYPES_HEADER1              740
#define IDS_FILETYPES_HEADER2              741
#define IDS_NO_ASSOCIATED_FILE             742
#define IDS_EXECUTABLE                     746
#define IDS_COL_CLASS                      747
#define IDS_COL_EXTENSION                  748
#define IDS_OPT_CONFIRM_EXIT               749
#define IDS_DEFAULT_FILETYPES              750
#define IDS_ADD_FILETYPE_TEXT              751
#define IDS_ADD_FILETYPE_TITLE             752
#define IDS_ADD_FILETYPE_OK                753
#define IDS_FILETYPE_EXTENSION             755
#define IDS_FILETYPE_DUPLICATE             762
#define IDS_FILETYPE_LIMIT                 763
#define IDS_COOKIES_TEXT1                  771
#define IDS_COOKIES_TEXT2                  772
#define IDS_COOKIES_TEXT3                  773
#define IDS_VIEW_COOKIES                   774
#define IDS_COL_EXPIRES                    775
#define IDS_COL_PATH                       776
#define IDS_COL_VALUE                      777
#define IDS_COL_SSL                        778
#define IDS_TRUE                           779
#define IDS_FALSE                          780
#define IDS_COL_DOMAIN_COOKIE              781
#define IDS_PATROL_EXPLANATION             782
#define IDS_PATROL_MINUTES                 783
#define IDS_PATROL_STARTUP                 784
#define IDS_PATROL_IEHELPERS               785
#define IDS_PATROL_TASKS                   786
#define IDS_PATROL_COOKIES                 787
#define IDS_PATROL_FILETYPES               788
#define IDS_PATROL_COOKIE_FILTER           789
#define IDS_PATROL_WININIT                 790
#define IDS_PATROL_HOMEPAGE                791
#define IDS_PATROL_HOSTS                   792
#define IDS_HELP                           793
#define IDS_MONITOR                        794
#define IDS_ALWAYS_VIEW_COOKIES            796
#define IDS_BROWSER_MOZILLA                797
#define IDS_BROWSER_IE                     798
#define IDS_SELECT_COOKIE_FOLDER           799
#define IDS_CONFIRM_DELETE_ON_REBOOT       800
#define IDS_DELETE_ON_REBOOT               801
#define IDS_PATROL_ZERO_HINT               802
#define IDS_RUNNING_PROCESSES              818
#define IDS_READY                          831
#define IDS_RUN                            832
#define IDS_LOADING                        833
#define IDS_EXPORT_SETTINGS                853
#define IDS_EXPORT_DONE                    854
#define IDS_ADD_AUTOSTART_TITLE            902
#define IDS_PROGRAM_FILTER                 903
#define IDS_PATROL_REALTIME                905
#define IDS_CONFIRM_SYSTEM_FILE            906
#define IDS_SYSTEM_FILE_PROTECTED          907
#define IDS_MICROSOFT_STARTUP_FILE         908
#define IDS_MICROSOFT_SYSTEM_FILE          909
#define IDS_HIDDEN_HEADER1                 910
#define IDS_HIDDEN_HEADER2                 911
#define IDS_COL_FIRST_DETECTED             912
#define IDS_VIEW_NOTEPAD                   913
#define IDS_COL_LAST_WRITTEN               914
#define IDS_LABEL_DATE_CREATED             915
#define IDS_LABEL_LAST_SAVED               917
#define IDS_EXPAND_INFO                    918
#define IDS_SHRINK_WINDOW                  919
#define IDS_LABEL_FILE_SIZE                920
#define IDS_LABEL_DETECTED                 921
#define IDS_FILE_IN_USE                    923
#define IDS_PATROL_HIDDEN                  924
#define IDS_DELETE_FILE                    925
#define IDS_CONFIRM_DELETE_HIDDEN          926
#define IDS_TRAY_HIDDEN_NOTE               927
#define IDS_OPT_LOCK_FILETYPES             928
#define IDS_STARTUP_ADVANCED               929
#define IDS_UNHIDE                         931
#define IDS_PATROL_SERVICES                957
#define IDS_COOKIE_PATROL_WARNING          965
#define IDS_COOKIE_FILTERS                 967
#define IDS_COOKIE_FOLDER_NOT_FOUND        968
#define IDS_CREATE_NOTE                    969
#define IDS_SAVE_NOTE                      970
#define IDS_VIEW_NOTE                      971
#define IDS_MESSAGE_CAPTION                972
#define IDS_TITLE_HIDDEN                   973
#define IDS_OPT_HIDE_TRAY                  974
#define IDS_ALERT_SHOW_ALL                 1015
#define IDS_AU_OFF                         1051
#define IDS_AU_NOTIFY                      1052
#define IDS_AU_DOWNLOAD                    1053
#define IDS_AU_AUTOMATIC                   1054
#define IDS_HTTP_PREFIX                    1061
#define IDS_DELAY_INTRO                    1100
#define IDS_DELAY_AS_NEEDED                1108
#define IDS_DELAY_ALWAYS                   1109
#define IDS_DELAY_TIMED                    1110
#define IDS_DELAY_OPTIONS_TEXT             1111
#define IDS_DELAY_OPTIONS_TITLE            1112
#define IDS_MINUTES                        1113
#define IDS_SECONDS                        1114
#define IDS_PARAMETERS                     1115
#define IDS_MOVE_TO_DELAYED                1116
#define IDS_LAUNCH_PROGRAM                 1117
#define IDS_DELAY_START_OPTIONS            1118
#define IDS_COL_DELAY_TIME                 1119
#define IDS_DELAY_ALL_USERS_WARNING        1120
#define IDS_MIN                            1121
#define IDS_SEC                            1122
#define IDS_RESTORE_TO_STARTUP             1124
#define IDS_RESTORE_ALL_DELAYED            1125
#define IDS_STARTUP_TYPE_QUESTION          1126
#define IDS_STARTUP_TYPE_ALL               1127
#define IDS_STARTUP_TYPE_CURRENT           1128
#define IDS_STARTUP_TYPE_TITLE             1129
#define IDS_CANNOT_DELAY                   1130
#define IDS_LABEL_TITLE                    1131
#define IDS_DELAY_OPTIONS                  1132
#define IDS_DELAY_HINT                     1133
#define IDS_CONFIRM_REMOVE_DELAYED         1134
#define IDS_EXPLORE_FOLDER                 1135
#define IDS_OPEN_PROPERTIES                1136
#define IDS_HIJACK_LOG                     1137
#define IDS_OPEN_NORMAL                    1138
#define IDS_OPEN_MINIMIZED                 1139
#define IDS_OPEN_MAXIMIZED                 1140
#define IDS_LABEL_OPEN_AS                  1141
#define IDS_SPREADSHEET_REPORT             1145
#define IDS_OPT_ORIGINAL_TRAY_ICON         1148
#define IDS_OPT_PLUS_INFO                  1150
#define IDS_PLUS_INFO_THANKS               1151
#define IDS_ACTIVEX_HEADER                 1152
#define IDS_ACTIVEX_LIST_ALL               1154
#define IDS_TITLE_ACTIVEX                  1155
#define IDS_ENABLED                        1156
#define IDS_PATROL_ACTIVEX                 1157
#define IDS_CLSID                          1158
#define IDS_CONFIRM_DISABLE_ACTIVEX        1159
#define IDS_ACTIVEX_NON_MICROSOFT          1161
#define IDS_OPT_HIDE_ALERTS                1164
#define IDS_EXPLORER_VERB                  1183
#define IDS_OPT_EXPLORER_MENU              1185
#define IDS_RECENT_HEADER1                 1190
#define IDS_RECENT_HEADER2                 1191
#define IDS_TITLE_RECENT                   1192
#define IDS_RECENT_ACTIVE                  1193
#define IDS_RECENT_STARTUP                 1194
#define IDS_RECENT_IEHELPER                1195
#define IDS_RECENT_SCHEDULED               1196
#define IDS_RECENT_SERVICES                1197
#define IDS_RECENT_HIDDEN                  1198
#define IDS_RECENT_ACTIVEX                 1199
#define IDS_ALERT_STARTUP                  1234
#define IDS_ALERT_IEHELPER                 1235
#define IDS_ALERT_TASKS                    1236
#define IDS_ALERT_SERVICES                 1237
#define IDS_ALERT_ACTIVEX                  1238
#define IDS_ALERT_HIDDEN                   1239
#define IDS_ALERT_FILETYPE                 1240
#define IDS_ALERT_SYSFILES                 1241
#define IDS_ALERT_HOME                     1242
#define IDS_ALERT_RUNONCE                  1243
#define IDS_BROWSER_CHROME                 1301
#define IDS_TITLE_REGMONITOR               1310
#define IDS_REGMON_TEXT1                   1311
#define IDS_REGMON_TEXT2                   1312
#define IDS_COL_HKEY                       1313
#define IDS_COL_REGISTRY_KEY               1314
#define IDS_COL_REG_NAME                   1315
#define IDS_COL_DATA                       1316
#define IDS_ADD_REGKEY_TITLE               1317
#define IDS_ADD_REGKEY_TEXT                1318
#define IDS_LABEL_REGISTRY_KEY             1319
#define IDS_LABEL_NAME                     1320
#define IDS_LABEL_VALUE                    1321
#define IDS_DEFAULT_VALUE                  1322
#define IDS_VALUE_NOT_SET                  1323
#define IDS_REGMON_TEXT3                   1324
#define IDS_REGKEY_EXAMPLE                 1325
#define IDS_REGKEY_MISSING                 1326
#define IDS_SUGGESTIONS                    1327
#define IDS_REGKEY_ALWAYS_PROTECT          1329
#define IDS_LABEL_VALUE_TYPE               1330
#define IDS_MENU_LOCKED                    1331
#define IDS_MENU_UNLOCKED                  1332

// ---- Protection dialog -------------------------------------------------------
// Dialog 194: asked before a shell object or AppInit DLL is removed. IDOK (1) closes it.
#define IDD_CONFIRM_SYSTEM_FILE 194
#define IDC_CONFIRM_REALLY 1014      // "Yes, I really know what I'm doing. Please remove."
#define IDC_CONFIRM_FILE 1177        // the entry's file
#define IDC_CONFIRM_PROTECTED 1178   // why it is protected
#define IDC_CONFIRM_MICROSOFT 1179   // the Microsoft note, or empty
