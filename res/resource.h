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
