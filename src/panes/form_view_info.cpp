#include "panes/form_view_info.h"

#include "resource.h"

CFormViewInfo::CFormViewInfo() : CFormView(IDD_FORM_INFO)
{
}
