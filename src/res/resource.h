#pragma once
// Resource ids of the program. Included by the resource script and by the code.

#include "framework/framework_ids.h"

#define IDP_OLE_INIT_FAILED 100
#define IDR_MAINFRAME 128
#define IDR_LANGUAGE_CH 130
#define IDS_ALREADY_RUNNING 131
#define IDD_FORM_TITLE 310
#define IDD_FORM_MENU 311
#define IDD_FORM_INFO 312
#define IDR_LANGUAGE_EN 324

#define IDC_COMBO_LANGUAGE 1001
#define IDC_BUTTON_MENU 1002
#define IDC_BUTTON_EXIT 1003
#define IDC_BUTTON_MINIMIZE 1004
#define IDC_STATIC_LANGUAGE 1005
#define IDC_LIST_MENU 1007
#define IDC_LIST_INFO 1009
#define IDC_STATIC_TITLE 1010
