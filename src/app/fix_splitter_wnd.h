#pragma once
// The main frame's splitter: thin gaps, no side borders, and panes that keep their heights.

#include "framework/splitter_wnd.h"

class CFixSplitterWnd : public CSplitterWnd {
public:
    CFixSplitterWnd();

protected:
    // Mouse moves are ignored: no sizing cursor over a gap, and a tracking bar that never
    // follows the mouse, so a release leaves every row as it was.
    void OnMouseMove(UINT flags, POINT point) override;
};
