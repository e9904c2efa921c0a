#pragma once
// The info pane: the thin strip at the bottom of the main frame with the publisher line.

#include "framework/form_view.h"

class CFormViewInfo : public CFormView {
public:
    CFormViewInfo();
};
