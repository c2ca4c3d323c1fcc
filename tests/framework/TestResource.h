#pragma once
// Dialog templates and strings of the framework's window tests.
#define IDD_TEST_FORM 100
#define IDD_TEST_PAGE 101
#define IDD_TEST_CONTROLS 102
#define IDD_TEST_BARE 103

#define IDC_PUSH 1001
#define IDC_OWNERDRAW 1002
#define IDC_LINK 1003
#define IDC_NAME 1004
#define IDC_CHECK 1005
#define IDC_NUMBER 1006
#define IDC_PAGE_EDIT 1101
#define IDC_PAGE_BUTTON 1102
#define IDC_SLIDER 1201
#define IDC_TAB 1202
#define IDC_HOTKEY 1203
#define IDC_COMBO 1204
#define IDC_LIST 1205
#define IDC_BARE_FIRST 1301
#define IDC_BARE_SECOND 1302

#define IDS_GREETING 5000

#define IDR_TEST_MENU 200
#define ID_TEST_FIRST 32771
#define ID_TEST_SECOND 32772
