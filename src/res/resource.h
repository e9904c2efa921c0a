#pragma once
// Resource ids of the program. Included by the resource script and by the code.

#include "framework/framework_ids.h"

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

#define IDP_OLE_INIT_FAILED 100  // string resource
#define IDD_ABOUTBOX 100         // dialog template
#define IDR_MAINFRAME 128
#define IDR_LANGUAGE_CH 130
#define IDS_ALREADY_RUNNING 131
#define IDD_FORM_TITLE 310
#define IDD_FORM_MENU 311
#define IDD_FORM_INFO 312
#define IDI_MENU_RUN 317
#define IDI_MENU_EXIT 318
#define IDI_MENU_ABOUT 321
#define IDB_BANNER 323
#define IDR_LANGUAGE_EN 324
#define IDB_INFO_STRIP 328
#define IDI_BUTTON_MENU 329
#define IDI_BUTTON_MINIMIZE 330
#define IDR_MENU_TITLE 332
#define IDI_MENU_CONFIG 335
#define IDI_MENU_HELP 336
#define IDI_BUTTON_EXIT 346
#define IDD_CONFIG 348
#define IDD_EARLIER_STATES 349

#define IDC_COMBO_LANGUAGE 1001
#define IDC_BUTTON_MENU 1002
#define IDC_BUTTON_EXIT 1003
#define IDC_BUTTON_MINIMIZE 1004
#define IDC_STATIC_LANGUAGE 1005
#define IDC_LIST_MENU 1007
#define IDC_LIST_INFO 1009
#define IDC_STATIC_TITLE 1010      // title pane
#define IDC_STATIC_PRODUCT 1010    // about box
#define IDC_STATIC_WEB_LABEL 1013
#define IDC_STATIC_PHONE_LABEL 1014
#define IDC_STATIC_PUBLISHER 1017
#define IDC_BUTTON_EARLIER_STATES 1020
#define IDC_LIST_EARLIER_STATES 1021
#define IDC_STATIC_EARLIER_HINT 1022

#define ID_POPUP_ABOUT 32772
