#pragma once
// The command pane: the middle row of the main frame, with the list of command icons.

#include "framework/form_view.h"

class CFormViewMenu : public CFormView {
public:
    CFormViewMenu();
};
