#pragma once
// The real main frame with its three panes, in a chosen language, for the pane tests.

#include <gtest/gtest.h>

#include <memory>
#include <string_view>

#include "app/main_frame.h"
#include "framework/single_doc_template.h"
#include "panes/form_view_info.h"
#include "panes/form_view_menu.h"
#include "panes/form_view_title.h"

namespace test {

class PaneFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Selects the language and refreshes the panes the way a language switch does.
    void SwitchLanguage(std::u16string_view name);

    CFormViewTitle& Title() const;
    CFormViewMenu& Menu() const;
    CFormViewInfo& Info() const;

    std::unique_ptr<CSingleDocTemplate> docTemplate;
    CMainFrame* frame = nullptr;
};

// A left click at a point of a window's client area, as the mouse makes it, then delivered.
void ClickAt(HWND window, POINT point);
POINT Centre(const RECT& rect);

}  // namespace test
