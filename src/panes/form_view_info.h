#pragma once
// The info pane: the thin strip at the bottom of the main frame with the publisher line,
// painted in white on a blue gradient.

#include <string>

#include "framework/bitmap_background.h"
#include "framework/form_view.h"

class CFormViewInfo : public CFormView {
public:
    CFormViewInfo();

    // Reads the publisher line of the current language; the strip shows it from the next paint.
    void OnInitialUpdate() override;

    const std::wstring& PublisherLine() const { return m_strPublisher; }
    // Where the line is drawn, in pane client coordinates: the hidden list box's rectangle,
    // widened by one pixel per character.
    RECT PublisherRect() const;
    // The font the line is drawn with, chosen for the current line.
    LOGFONTW PublisherFont(HDC dc) const;

protected:
    void OnDraw(HDC dc) override;

private:
    std::wstring m_strPublisher;
    framework::BitmapBackground m_strip;
};
