// Resource ids of Kirunner.rc: templates, icon, strings, and the controls of each template.
#pragma once

#define IDD_ABOUTBOX            100
#define IDS_ABOUTBOX            101
#define IDD_KIRUNNER_DIALOG     102
#define IDR_MAINFRAME           128
#define IDD_CAPTION_TEXT        129
#define IDD_CONTROL_PAGE        130
#define IDD_APPEARANCE          131
#define IDD_RGB_SELECT          132
#define IDD_FILE_INTERFACE      133

#define IDM_ABOUTBOX            0x0010

/* Main window (102) */
#define IDC_AUTO_EXIT           1029
#define IDC_HOME_LINK           1035

/* About box (100) */
#define IDC_VERSION_TEXT        1027

/* Control page (130) */
#define IDC_CAPTION_LIST        1000
#define IDC_ADD_TEXT            1001
#define IDC_CHANGE_TEXT         1002
#define IDC_DELETE_TEXT         1003
#define IDC_FILE_INTERFACE      1004
#define IDC_DISPLAY_ON          1009
#define IDC_DISPLAY_OFF         1010
#define IDC_ADD_TO_CAPTION      1011
#define IDC_REMOVE_FROM_DISPLAY 1012
#define IDC_CAPTION_SETTINGS    1013
// Commands of the caption list's context menu.
#define ID_CUTIN_SHOW           40001
#define ID_CUTIN_END            40002
#define ID_REMOTE_SETTINGS      40003
#define ID_SOURCE_SETTINGS      40004
#define ID_CSV_EXPORT           40005
#define ID_CSV_IMPORT           40006
#define IDC_CLEAR_NOW           1300
#define IDC_STATUS_LINE         1301
/* Appearance dialog (131): the sample caption */
#define IDC_PREVIEW             1301

/* Caption text dialog (129) */
#define IDC_MINUTES_EDIT        1005
#define IDC_MINUTES_SPIN        1006
#define IDC_CAPTION_TEXT        1007
/* The caption dialog's lane choice */
#define IDC_CAPTION_LANE        1264
#define IDC_CAPTION_LANE_LABEL  1265

/* Appearance dialog (131) */
#define IDC_COLOR_WHITE         1014
#define IDC_COLOR_BLACK         1015
#define IDC_SWATCH_WHITE        1016
#define IDC_SWATCH_BLACK        1017
#define IDC_COLOR_YELLOW        1018
#define IDC_SWATCH_YELLOW       1019
#define IDC_SIZE_SMALL          1020
#define IDC_SIZE_NORMAL         1021
#define IDC_SIZE_LARGE          1022
#define IDC_POS_TOP             1023
#define IDC_POS_BOTTOM          1024
#define IDC_GAP_EDIT            1025
#define IDC_GAP_SPIN            1026
#define IDC_SIZE_USER           1027
#define IDC_COLOR_RED           1028
#define IDC_SWATCH_RED          1029
#define IDC_LGAP_EDIT           1030
#define IDC_FONT_NAME           1031
#define IDC_FONT_BUTTON         1032
#define IDC_FONT_SIZE_LABEL     1033
#define IDC_FONT_SIZE           1034
#define IDC_LGAP_SPIN           1035
#define IDC_SPEED_SLOW          1036
#define IDC_SPEED_NORMAL        1037
#define IDC_SPEED_RATHER_FAST   1038
#define IDC_SPEED_FAST          1039
#define IDC_RGAP_EDIT           1040
#define IDC_RGAP_SPIN           1041
#define IDC_COLOR_USER          1042
#define IDC_SWATCH_USER_TEXT    1043
#define IDC_TEXT_RGB            1044
#define IDC_SWATCH_SHADOW       1045
#define IDC_SHADOW_COMPLEMENT   1046
#define IDC_SHADOW_WHITE        1047
#define IDC_SHADOW_BLACK        1049
#define IDC_SHADOW_RGB          1051
#define IDC_MONITOR_LIST        1200
/* Band, outline and separator of the caption strip (right column) */
#define IDC_BAND_ON             1250
#define IDC_SWATCH_BAND         1251
#define IDC_BAND_RGB            1252
#define IDC_BAND_OPACITY_EDIT   1253
#define IDC_BAND_OPACITY_SPIN   1254
#define IDC_OUTLINE             1255
#define IDC_SEPARATOR_EDIT      1256
#define IDC_SMOOTH              1257
#define IDC_SPEED_PX_EDIT       1258
#define IDC_CUTIN_AFTER         1259
/* The lane the appearance dialog edits */
#define IDC_LANE_LIST           1260
#define IDC_LANE_ADD            1261
#define IDC_LANE_REMOVE         1262
#define IDC_LANE_NAME           1263
/* A line that says when a chosen colour would not show (the strip's key colour) */
#define IDC_KEY_COLOR_WARNING   1302

/* Colour dialog (132) */
#define IDC_RGB_PREVIEW         1043
#define IDC_RED_EDIT            1046
#define IDC_GREEN_EDIT          1047
#define IDC_BLUE_EDIT           1048
#define IDC_RED_SPIN            1049
#define IDC_GREEN_SPIN          1050
#define IDC_BLUE_SPIN           1051

/* Text-file interface dialog (133) */
#define IDC_FILE_MINUTES_EDIT   1005
#define IDC_FILE_MINUTES_SPIN   1006
#define IDC_FILE_ENABLED        1050
#define IDC_FILE_PATH           1051
#define IDC_FILE_BROWSE         1052

#ifndef IDC_STATIC
#define IDC_STATIC              (-1)
#endif

/* Web remote dialog (140) */
#define IDD_REMOTE              140
#define IDC_REMOTE_ON           1400
#define IDC_REMOTE_PORT         1401
#define IDC_REMOTE_ADDRESS      1402
#define IDC_REMOTE_URL          1403
#define IDC_REMOTE_QR           1404
#define IDC_REMOTE_NEW_TOKEN    1405
#define IDC_REMOTE_NOTE         1406
#define IDC_REMOTE_OVERLAY      1407
#define IDC_REMOTE_NEW_VIEW_KEY 1408

/* The web remote's page, served by the HTTP surface */
#define IDR_WEB_PAGE            1450
#define IDR_WEB_SCRIPT          1451
#define IDR_WEB_STYLE           1452
#define IDR_WEB_LANES           1453
#define IDR_WEB_OVERLAY_PAGE    1454
#define IDR_WEB_OVERLAY_SCRIPT  1455
#define IDR_WEB_OVERLAY_STYLE   1456

/* Data sources dialog (141) */
#define IDD_SOURCES             141
#define IDC_SOURCE_LIST         1500
#define IDC_SOURCE_ADD          1501
#define IDC_SOURCE_DELETE       1502
#define IDC_SOURCE_EXEC         1503
#define IDC_SOURCE_NAME         1504
#define IDC_SOURCE_URL          1505
#define IDC_SOURCE_BROWSE       1506
#define IDC_SOURCE_FORMAT       1507
#define IDC_SOURCE_FIELD        1508
#define IDC_SOURCE_REFRESH      1509
#define IDC_SOURCE_MAXITEMS     1510
#define IDC_SOURCE_PREFIX       1511
#define IDC_SOURCE_MODE_CYCLE   1512
#define IDC_SOURCE_MODE_CUTIN   1513
#define IDC_SOURCE_MATCH        1514
#define IDC_SOURCE_AREA         1515
#define IDC_SOURCE_MINUTE       1516
#define IDC_SOURCE_PROBE        1517
#define IDC_SOURCE_PROBE_RESULT 1518

/* Caption text dialog (129): its time on air */
#define IDC_AIR_WINDOW_BUTTON   1600

/* Time on air dialog (142) */
#define IDD_AIR_WINDOW          142
#define IDC_AIR_FROM_ON         1601
#define IDC_AIR_FROM            1602
#define IDC_AIR_UNTIL_ON        1603
#define IDC_AIR_UNTIL           1604
#define IDC_AIR_HOURS_ON        1605
#define IDC_AIR_HOURS_START     1606
#define IDC_AIR_HOURS_END       1607
#define IDC_AIR_DAYS_ON         1608
#define IDC_AIR_DAY1            1609  /* 月 ... 日: one after the other */
#define IDC_AIR_DAY2            1610
#define IDC_AIR_DAY3            1611
#define IDC_AIR_DAY4            1612
#define IDC_AIR_DAY5            1613
#define IDC_AIR_DAY6            1614
#define IDC_AIR_DAY7            1615
#define IDC_AIR_PLAYS_ON        1616
#define IDC_AIR_PLAYS           1617
