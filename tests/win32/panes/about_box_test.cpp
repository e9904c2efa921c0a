// The about box: its texts in each language, its fixed parts, and the three ways to close it.
#include <gtest/gtest.h>

#include "pane_fixture.h"
#include "panes/about_dlg.h"
#include "resource.h"
#include "test_support.h"

namespace {

class AboutBox : public test::PaneFixture {
protected:
    // Opens the box, lets `close` end it from the watching thread, and returns what was seen.
    test::SeenBox OpenAndClose(std::function<void(HWND)> close, INT_PTR* result = nullptr)
    {
        HICON icon = nullptr;
        RECT placed{};
        test::MessageBoxWatcher watcher([&](HWND box) {
            icon = reinterpret_cast<HICON>(::SendMessageW(::GetWindow(box, GW_CHILD), STM_GETICON, 0, 0));
            ::GetWindowRect(box, &placed);
            close(box);
        });
        CAboutDlg dialog;
        const INT_PTR ended = dialog.DoModal();
        if (result)
            *result = ended;
        const auto boxes = watcher.Boxes();
        EXPECT_EQ(boxes.size(), 1u);
        iconShown = icon != nullptr;
        where = placed;
        return boxes.empty() ? test::SeenBox{} : boxes[0];
    }
    static void PressEscape(HWND box) { ::PostMessageW(box, WM_KEYDOWN, VK_ESCAPE, 0x00010001); }

    bool iconShown = false;
    RECT where{};
};

}  // namespace

TEST_F(AboutBox, ShowsTheIconTheLanguageTextsAndTheFixedContactDetails)
{
    const test::SeenBox box = OpenAndClose(PressEscape);
    EXPECT_EQ(box.caption, L"About PC_Kovrin3.0");
    EXPECT_EQ(box.owner, frame->m_hWnd);
    EXPECT_TRUE(iconShown);
    EXPECT_EQ(box.ControlText(IDC_STATIC_PRODUCT), L"Kovrin3.0_PC 2013.05.23");
    EXPECT_EQ(box.ControlText(IDC_STATIC_PUBLISHER), L"Kovrin Software");
    EXPECT_EQ(box.ControlText(IDC_STATIC_WEB_LABEL), L"Website Address:");
    EXPECT_EQ(box.ControlText(IDC_STATIC_PHONE_LABEL), L"Phone Number:");
    bool web = false, phone = false;
    for (const auto& [id, text] : box.controls) {
        web = web || text == L"www.kovrin-soft.cn";
        phone = phone || text == L"0571-8812 6030";
    }
    EXPECT_TRUE(web);
    EXPECT_TRUE(phone);

    const RECT owner = frame->GetWindowRect();
    EXPECT_NEAR((where.left + where.right) / 2, (owner.left + owner.right) / 2, 1) << "centred on the frame";
    EXPECT_NEAR((where.top + where.bottom) / 2, (owner.top + owner.bottom) / 2, 1);
}

TEST_F(AboutBox, LabelsAndPublisherFollowTheLanguageButCaptionAndContactsDoNot)
{
    const test::SeenBox english = OpenAndClose(PressEscape);
    SwitchLanguage(u"中文");
    const test::SeenBox chinese = OpenAndClose(PressEscape);
    SwitchLanguage(u"English");

    EXPECT_EQ(chinese.caption, english.caption);
    EXPECT_EQ(chinese.ControlText(IDC_STATIC_WEB_LABEL), L"公司网址：");
    EXPECT_EQ(chinese.ControlText(IDC_STATIC_PHONE_LABEL), L"公司电话：");
    EXPECT_EQ(chinese.ControlText(IDC_STATIC_PUBLISHER), L"科夫林软件有限公司");
    EXPECT_EQ(chinese.ControlText(IDC_STATIC_PRODUCT), L"Kovrin3.0_PC 2013.05.23");
    ASSERT_EQ(chinese.controls.size(), english.controls.size());
    for (size_t i = 0; i < english.controls.size(); ++i) {
        if (english.controls[i].first == IDC_STATIC) {
            EXPECT_EQ(chinese.controls[i].second, english.controls[i].second);
        }
    }
}

TEST_F(AboutBox, ClosesWithEscapeEnterAndTheCloseBox)
{
    INT_PTR result = 0;
    OpenAndClose(PressEscape, &result);
    EXPECT_EQ(result, IDCANCEL);
    OpenAndClose([](HWND box) { ::PostMessageW(box, WM_KEYDOWN, VK_RETURN, 0x001C0001); }, &result);
    EXPECT_EQ(result, IDOK);
    OpenAndClose([](HWND box) { ::PostMessageW(box, WM_SYSCOMMAND, SC_CLOSE, 0); }, &result);
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_TRUE(::IsWindowEnabled(frame->m_hWnd)) << "the frame takes input again";
}
