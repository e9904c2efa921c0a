#pragma once
// Resources of the widget tests.

#define IDM_TEST_FILE 950
#define IDM_TEST_TRUNCATED 951
#define IDM_TEST_EXTENDED 952
#define IDM_TEST_ENDLESS 953
#define IDD_TEST_BUTTONS 960
#define IDC_TEST_FLAT 961
#define IDC_TEST_NEXT 962
#define IDC_TEST_CHECK 963
