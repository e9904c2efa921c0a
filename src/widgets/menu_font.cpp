#include "widgets/menu_font.h"

#include "framework/app_instance.h"
#include "framework/wnd.h"

namespace widgets {

framework::UniqueFont CreateMenuFont()
{
    // The size of the metrics record as the menu asks for it (with the padded border width).
    constexpr UINT kMetricsSize = 504;
    static_assert(sizeof(NONCLIENTMETRICSW) >= kMetricsSize);
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = kMetricsSize;
    ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, kMetricsSize, &metrics, 0);
    return framework::UniqueFont(::CreateFontIndirectW(&metrics.lfMenuFont));
}

HWND MeasuringWindow()
{
    CWnd* main = AfxGetMainWnd();
    return main && main->m_hWnd ? main->m_hWnd : ::GetDesktopWindow();
}

}  // namespace widgets
