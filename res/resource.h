// Resource and command identifiers shared by the resource script and the code.
#pragma once

#define IDD_ABOUT 100
#define IDD_MAIN 102
#define IDR_MAINFRAME 128
#define IDR_POPUP 129
#define IDD_CONFIG 129
#define IDD_TIMETABLE 130
#define IDD_TASK 132
#define IDB_LCD_SMALL 136
#define IDB_LCD_LARGE 137
#define IDB_LCD_FACE 138

#define IDS_ABOUTBOX 101

#define IDC_LINK 1001
#define IDC_VERSION 1015

#define IDM_ABOUTBOX 0x0010
#define ID_APP_ABOUT 57664
#define ID_APP_EXIT 57665
#define ID_CONFIG 32771
#define ID_TIMETABLE 32772
#define ID_SETTIME 32773

// Configuration dialog controls.
#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
#define IDC_PREVIEW 1000
#define IDC_SCHEME 1002
#define IDC_DRAW_SEC 1003
#define IDC_FONT 1004
#define IDC_COLOUR_BACK 1011
#define IDC_COLOUR_ON 1012
#define IDC_COLOUR_OFF 1013
#define IDC_SLIDE 1014
#define IDC_ROLL 1016
#define IDC_FADE 1017
#define IDC_HORIZONTAL 1018
#define IDC_VERTICAL 1019
#define IDC_HOTKEY 1020
#define IDC_SERVER 1021
#define IDC_DIRECTION_GROUP 1022
#define IDC_PORT 1023
#define IDC_USE_NTP 1024
#define IDC_NTP_GROUP 1025
#define IDC_METHOD_GROUP 1029
