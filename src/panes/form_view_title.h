#pragma once
// The title pane: the top row of the main frame, standing in for the missing caption.

#include "framework/form_view.h"

class CFormViewTitle : public CFormView {
public:
    CFormViewTitle();

protected:
    // A press on the pane itself (not on one of its controls) asks the main frame to start a
    // caption drag, so dragging the banner moves the window.
    LRESULT DefWindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
};
