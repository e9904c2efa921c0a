#pragma once
// A push button, check box or radio button bound to an object. An owner-drawn button paints
// itself in DrawItem, which its parent's WM_DRAWITEM reaches through reflection.

#include "framework/wnd.h"

class CButton : public CWnd {
public:
    UINT GetState() const;
    int GetCheck() const;
    void SetCheck(int check) const;
    UINT GetButtonStyle() const;
    void SetButtonStyle(UINT style, BOOL redraw = TRUE) const;

    virtual void DrawItem(DRAWITEMSTRUCT* item);
    virtual void MeasureItem(MEASUREITEMSTRUCT* item);

protected:
    bool OnReflectedDrawItem(DRAWITEMSTRUCT& item) override;
    bool OnReflectedMeasureItem(MEASUREITEMSTRUCT& item) override;
};
