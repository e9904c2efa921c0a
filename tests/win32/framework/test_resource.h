#pragma once
// Resources of the framework tests.

#define IDD_TEST_FORM 900
#define IDC_TEST_BUTTON 901
#define IDC_TEST_EDIT 902
#define IDD_TEST_POPUP 903
#define IDS_TEST_FRAME 904
#define IDI_TEST_FRAME 904
