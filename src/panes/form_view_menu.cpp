#include "panes/form_view_menu.h"

#include "resource.h"

CFormViewMenu::CFormViewMenu() : CFormView(IDD_FORM_MENU)
{
}
