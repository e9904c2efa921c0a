#include "panes/main_window.h"

#include "framework/app_instance.h"
#include "panes/form_view_info.h"
#include "panes/form_view_menu.h"
#include "panes/form_view_title.h"

namespace panes {

MainWindow* MainWindow::Current()
{
    return dynamic_cast<MainWindow*>(AfxGetMainWnd());
}

CFormViewTitle* MainWindow::TitlePane() const
{
    return dynamic_cast<CFormViewTitle*>(GetPane(kTitleRow));
}

CFormViewMenu* MainWindow::MenuPane() const
{
    return dynamic_cast<CFormViewMenu*>(GetPane(kMenuRow));
}

CFormViewInfo* MainWindow::InfoPane() const
{
    return dynamic_cast<CFormViewInfo*>(GetPane(kInfoRow));
}

}  // namespace panes
