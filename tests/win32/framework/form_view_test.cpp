// CFormView: a child dialog made from a template, and data exchange.
#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "framework/data_exchange.h"
#include "framework/form_view.h"
#include "test_resource.h"
#include "test_support.h"

namespace {

class ClickRecorder : public CWnd {
public:
    int clicks = 0;

protected:
    bool OnReflectedCommand(UINT code) override
    {
        if (code != BN_CLICKED)
            return false;
        ++clicks;
        return true;
    }
};

class TestForm : public CFormView {
public:
    explicit TestForm(UINT templateId = IDD_TEST_FORM) : CFormView(templateId) {}

    ClickRecorder m_button;
    CWnd m_missing;
    std::wstring m_text = L"from the member";
    bool bindMissing = false;
    int initDialogSeen = 0;

protected:
    void DoDataExchange(CDataExchange* dx) override
    {
        DDX_Control(dx, IDC_TEST_BUTTON, m_button);
        DDX_Text(dx, IDC_TEST_EDIT, m_text);
        if (bindMissing)
            DDX_Control(dx, 999, m_missing);
    }
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override
    {
        if (msg == WM_INITDIALOG)
            ++initDialogSeen;
        return CFormView::WindowProc(msg, wParam, lParam);
    }
};

class Forms : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(host.CreateHost(400, 300)); }
    bool Make(TestForm& form)
    {
        return form.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, kRect, &host, 77) != FALSE;
    }

    static constexpr RECT kRect{10, 20, 310, 120};
    test::HostWindow host;
};

}  // namespace

TEST_F(Forms, TheFormIsTheDialogItselfPlacedAsAPane)
{
    TestForm form;
    ASSERT_TRUE(Make(form));
    wchar_t className[16] = {};
    ::GetClassNameW(form.m_hWnd, className, 16);
    EXPECT_STREQ(className, L"#32770");
    EXPECT_EQ(::GetParent(form.m_hWnd), host.m_hWnd);
    EXPECT_EQ(::GetDlgCtrlID(form.m_hWnd), 77);
    RECT placed = test::ChildRect(form.m_hWnd);
    EXPECT_TRUE(::EqualRect(&placed, &kRect));
    EXPECT_EQ(form.GetStyle() & (WS_CHILD | WS_VISIBLE | WS_CAPTION), static_cast<DWORD>(WS_CHILD | WS_VISIBLE));
    EXPECT_EQ(CWnd::FromHandlePermanent(form.m_hWnd), &form);

    // Every message passes the object, WM_INITDIALOG included, while the dialog manager's own
    // handling still runs (the template font was taken).
    EXPECT_EQ(form.initDialogSeen, 1);
    EXPECT_NE(form.SendMessage(WM_GETFONT), 0);
    EXPECT_NE(::GetFocus(), form.GetDlgItem(IDC_TEST_BUTTON));
}

TEST_F(Forms, InitialUpdateBindsControlsOnceAndExchangesText)
{
    TestForm form;
    ASSERT_TRUE(Make(form));
    EXPECT_EQ(form.m_button.m_hWnd, nullptr);

    form.OnInitialUpdate();
    HWND button = form.GetDlgItem(IDC_TEST_BUTTON);
    EXPECT_EQ(form.m_button.m_hWnd, button);
    wchar_t text[64] = {};
    ::GetDlgItemTextW(form.m_hWnd, IDC_TEST_EDIT, text, 64);
    EXPECT_STREQ(text, L"from the member");

    ::SendMessageW(button, BM_CLICK, 0, 0);
    EXPECT_EQ(form.m_button.clicks, 1);

    form.OnInitialUpdate();  // a second update leaves the binding as it is
    EXPECT_EQ(form.m_button.m_hWnd, button);

    ::SetDlgItemTextW(form.m_hWnd, IDC_TEST_EDIT, L"typed in");
    EXPECT_TRUE(form.UpdateData(true));
    EXPECT_EQ(form.m_text, L"typed in");
}

TEST_F(Forms, BindingAMissingControlIsAnError)
{
    TestForm form;
    ASSERT_TRUE(Make(form));
    form.bindMissing = true;
    EXPECT_THROW(form.UpdateData(false), std::logic_error);
}

TEST_F(Forms, OnlyChildTemplatesThatExistMakeForms)
{
    TestForm popup(IDD_TEST_POPUP);
    EXPECT_FALSE(Make(popup));
    EXPECT_EQ(popup.m_hWnd, nullptr);
    TestForm missing(4242);
    EXPECT_FALSE(Make(missing));
}

TEST_F(Forms, DestroyingTheFormReleasesItsBoundControls)
{
    TestForm form;
    ASSERT_TRUE(Make(form));
    form.OnInitialUpdate();
    form.DestroyWindow();
    EXPECT_EQ(form.m_hWnd, nullptr);
    EXPECT_EQ(form.m_button.m_hWnd, nullptr);
}
