// CWnd: the dispatch thunk, the error path, lifetime, reflection and subclassing.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "framework/file_exception.h"
#include "framework/image_list.h"
#include "framework/list_ctrl.h"
#include "framework/menu.h"
#include "test_support.h"

namespace {

constexpr UINT kThrowRuntime = WM_APP + 1;
constexpr UINT kThrowFile = WM_APP + 2;
constexpr UINT kAfterThrow = WM_APP + 3;

class RecordingWindow : public test::HostWindow {
public:
    std::wstring createdName;
    SIZE lastSize{-1, -1};
    int defaultCalls = 0;
    int postNcDestroyCalls = 0;
    bool throwOnCreate = false;
    bool throwOnPaint = false;
    std::vector<std::pair<UINT, UINT>> commands;  // id, code
    std::vector<UINT> notifyCodes;

protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override
    {
        switch (msg) {
        case WM_CREATE:
            return OnCreate(reinterpret_cast<CREATESTRUCTW*>(lParam));
        case WM_SIZE:
            lastSize = SIZE{LOWORD(lParam), HIWORD(lParam)};
            return 0;
        case WM_PAINT:
            if (throwOnPaint)
                throw std::runtime_error("paint failed");
            break;
        case kThrowRuntime:
            throw std::runtime_error("boom in handler");
        case kThrowFile:
            throw CFileException(CFileException::Operation::Open, L"C:\\nowhere\\missing.doc", ERROR_PATH_NOT_FOUND);
        case kAfterThrow:
            return 42;
        default:
            break;
        }
        return HostWindow::WindowProc(msg, wParam, lParam);
    }
    LRESULT DefWindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override
    {
        if (msg == WM_SETTEXT)
            ++defaultCalls;
        return HostWindow::DefWindowProc(msg, wParam, lParam);
    }
    bool OnCommand(UINT id, UINT code, HWND) override
    {
        commands.emplace_back(id, code);
        return true;
    }
    bool OnNotify(NMHDR* header, LRESULT* result) override
    {
        notifyCodes.push_back(header->code);
        *result = 7;
        return true;
    }
    void PostNcDestroy() override { ++postNcDestroyCalls; }

private:
    int OnCreate(CREATESTRUCTW* cs)
    {
        if (throwOnCreate)
            throw std::runtime_error("create failed");
        createdName = cs->lpszName;
        return 0;
    }
};

// A control whose own object answers what its parent receives from it.
class ReflectingButton : public CWnd {
public:
    bool accept = true;
    std::vector<UINT> reflected;
    HBRUSH brush = ::GetSysColorBrush(COLOR_HIGHLIGHT);

protected:
    bool OnReflectedCommand(UINT code) override { return Note(code); }
    bool OnReflectedNotify(NMHDR& header, LRESULT& result) override
    {
        result = 5;
        return Note(header.code);
    }
    bool OnReflectedDrawItem(DRAWITEMSTRUCT& item) override { return Note(WM_DRAWITEM + item.CtlType); }
    HBRUSH OnReflectedCtlColor(HDC, UINT msg) override { return Note(msg) ? brush : nullptr; }

private:
    bool Note(UINT what)
    {
        if (accept)
            reflected.push_back(what);
        return accept;
    }
};

// Records which menu object measured and drew which item.
class RecordingMenu : public CMenu {
public:
    std::vector<ULONG_PTR> measured;
    std::vector<ULONG_PTR> drawn;

    void MeasureItem(MEASUREITEMSTRUCT* item) override
    {
        measured.push_back(item->itemData);
        item->itemWidth = 80;
        item->itemHeight = 20;
    }
    void DrawItem(DRAWITEMSTRUCT* item) override { drawn.push_back(item->itemData); }
};

class CountingEdit : public CWnd {
public:
    int setTextSeen = 0;

protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override
    {
        if (msg == WM_SETTEXT)
            ++setTextSeen;
        return CWnd::WindowProc(msg, wParam, lParam);
    }
};

HWND CreateRawChild(const wchar_t* className, HWND parent, int id)
{
    return ::CreateWindowExW(0, className, L"", WS_CHILD | WS_VISIBLE, 0, 0, 80, 20, parent,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ::GetModuleHandleW(nullptr), nullptr);
}

}  // namespace

TEST(Dispatch, HandlersGetUnpackedParametersAndTheObjectIsFoundFromItsWindow)
{
    RecordingWindow window;
    ASSERT_TRUE(window.CreateHost(200, 100));
    EXPECT_EQ(window.createdName, L"host");
    EXPECT_EQ(CWnd::FromHandlePermanent(window.m_hWnd), &window);

    window.MoveWindow(0, 0, 321, 123);
    EXPECT_EQ(window.lastSize.cx, 321);
    EXPECT_EQ(window.lastSize.cy, 123);
}

TEST(Dispatch, UnhandledMessagesReachTheDefaultProcedure)
{
    RecordingWindow window;
    ASSERT_TRUE(window.CreateHost(200, 100));
    window.SetWindowText(L"kept by the default");
    EXPECT_EQ(window.defaultCalls, 1);
    EXPECT_EQ(window.GetWindowText(), L"kept by the default");
}

TEST(Dispatch, ExceptionsStopAtTheThunkAndAreShownCaptionedWithTheAppTitle)
{
    RecordingWindow window;
    ASSERT_TRUE(window.CreateHost(200, 100));
    std::vector<test::SeenBox> boxes;
    {
        test::MessageBoxWatcher watcher;
        EXPECT_EQ(window.SendMessage(kThrowRuntime), 0);
        // Still here, and the window still answers: nothing unwound through the system.
        EXPECT_EQ(window.SendMessage(kAfterThrow), 42);
        boxes = watcher.Boxes();
    }
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, L"Framework Test");
    EXPECT_NE(boxes[0].text.find(L"boom in handler"), std::wstring::npos);
}

TEST(Dispatch, FileExceptionsShowTheFileErrorMessage)
{
    RecordingWindow window;
    ASSERT_TRUE(window.CreateHost(200, 100));
    std::vector<test::SeenBox> boxes;
    {
        test::MessageBoxWatcher watcher;
        window.SendMessage(kThrowFile);
        boxes = watcher.Boxes();
    }
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].text.find(L"C:\\nowhere\\missing.doc"), std::wstring::npos);
    EXPECT_NE(boxes[0].text.find(SystemErrorText(ERROR_PATH_NOT_FOUND)), std::wstring::npos);
}

TEST(Dispatch, AThrowingCreateHandlerFailsTheCreation)
{
    RecordingWindow window;
    window.throwOnCreate = true;
    test::MessageBoxWatcher watcher;
    EXPECT_FALSE(window.CreateHost(200, 100));
    EXPECT_EQ(window.m_hWnd, nullptr);
    EXPECT_EQ(watcher.Boxes().size(), 1u);
}

TEST(Dispatch, AThrowingPaintIsReportedOnceNotOnEveryRepaint)
{
    RecordingWindow window;
    ASSERT_TRUE(window.CreateHost(200, 100));
    window.throwOnPaint = true;
    window.ShowWindow(SW_SHOWNOACTIVATE);
    test::MessageBoxWatcher watcher;
    window.Invalidate();
    window.UpdateWindow();
    test::PumpMessages();
    EXPECT_EQ(watcher.Boxes().size(), 1u);
    RECT update{};
    EXPECT_FALSE(::GetUpdateRect(window.m_hWnd, &update, FALSE));
}

TEST(Lifetime, TheObjectLetsGoAtDestructionAndDestroysAWindowItMade)
{
    HWND hwnd = nullptr;
    {
        RecordingWindow window;
        ASSERT_TRUE(window.CreateHost(200, 100));
        hwnd = window.m_hWnd;
        window.DestroyWindow();
        EXPECT_EQ(window.m_hWnd, nullptr);
        EXPECT_EQ(window.postNcDestroyCalls, 1);

        ASSERT_TRUE(window.CreateHost(200, 100));
        hwnd = window.m_hWnd;
    }
    EXPECT_FALSE(::IsWindow(hwnd));
}

TEST(Reflection, AControlsOwnObjectAnswersFirst)
{
    RecordingWindow parent;
    ASSERT_TRUE(parent.CreateHost(200, 100));
    ReflectingButton button;
    ASSERT_TRUE(button.CreateEx(0, L"BUTTON", L"b", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 0, 0, 50, 20,
                                parent.m_hWnd, reinterpret_cast<HMENU>(11)));

    ::SendMessageW(button.m_hWnd, BM_CLICK, 0, 0);
    LRESULT brush = parent.SendMessage(WM_CTLCOLORBTN, 0, reinterpret_cast<LPARAM>(button.m_hWnd));
    NMHDR header{button.m_hWnd, 11, NM_CLICK};
    LRESULT notified = parent.SendMessage(WM_NOTIFY, 11, reinterpret_cast<LPARAM>(&header));
    DRAWITEMSTRUCT draw{};
    draw.CtlType = ODT_BUTTON;
    draw.hwndItem = button.m_hWnd;
    parent.SendMessage(WM_DRAWITEM, 11, reinterpret_cast<LPARAM>(&draw));

    EXPECT_EQ(button.reflected,
              (std::vector<UINT>{BN_CLICKED, WM_CTLCOLORBTN, static_cast<UINT>(NM_CLICK), WM_DRAWITEM + ODT_BUTTON}));
    EXPECT_EQ(brush, reinterpret_cast<LRESULT>(button.brush));
    EXPECT_EQ(notified, 5);
    EXPECT_TRUE(parent.commands.empty());
    EXPECT_TRUE(parent.notifyCodes.empty());
}

TEST(Reflection, DeclinedOrObjectlessNotificationsReachTheParent)
{
    RecordingWindow parent;
    ASSERT_TRUE(parent.CreateHost(200, 100));
    ReflectingButton declining;
    declining.accept = false;
    ASSERT_TRUE(declining.CreateEx(0, L"BUTTON", L"b", WS_CHILD | WS_VISIBLE, 0, 0, 50, 20, parent.m_hWnd,
                                   reinterpret_cast<HMENU>(12)));
    HWND plain = CreateRawChild(L"BUTTON", parent.m_hWnd, 13);

    ::SendMessageW(declining.m_hWnd, BM_CLICK, 0, 0);
    ::SendMessageW(plain, BM_CLICK, 0, 0);
    NMHDR header{plain, 13, NM_RETURN};
    LRESULT result = parent.SendMessage(WM_NOTIFY, 13, reinterpret_cast<LPARAM>(&header));

    EXPECT_EQ(parent.commands, (std::vector<std::pair<UINT, UINT>>{{12, BN_CLICKED}, {13, BN_CLICKED}}));
    EXPECT_EQ(parent.notifyCodes, (std::vector<UINT>{static_cast<UINT>(NM_RETURN)}));
    EXPECT_EQ(result, 7);
}

TEST(Reflection, OwnerDrawnMenuItemsGoToTheMenuThatHoldsThem)
{
    RecordingWindow owner;
    ASSERT_TRUE(owner.CreateHost(200, 100));
    RecordingMenu top, sub;
    ASSERT_TRUE(top.CreatePopupMenu());
    ASSERT_TRUE(sub.CreatePopupMenu());
    sub.AppendMenu(MF_OWNERDRAW, 21, reinterpret_cast<const wchar_t*>(0x2100));
    top.AppendMenu(MF_OWNERDRAW, 11, reinterpret_cast<const wchar_t*>(0x1100));
    top.AppendMenu(MF_OWNERDRAW | MF_POPUP, reinterpret_cast<UINT_PTR>(sub.m_hMenu),
                   reinterpret_cast<const wchar_t*>(0x1200));
    ASSERT_EQ(CMenu::FromHandlePermanent(sub.m_hMenu), &sub);

    // The system asks while the sub-menu opens: measured by the menu found from the item.
    owner.SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(sub.m_hMenu), 1);
    MEASUREITEMSTRUCT measure{ODT_MENU, 0, 21, 0, 0, 0x2100};
    EXPECT_TRUE(owner.SendMessage(WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure)));
    DRAWITEMSTRUCT draw{};
    draw.CtlType = ODT_MENU;
    draw.itemID = 21;
    draw.hwndItem = reinterpret_cast<HWND>(sub.m_hMenu);
    draw.itemData = 0x2100;
    owner.SendMessage(WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw));
    EXPECT_EQ(sub.measured, (std::vector<ULONG_PTR>{0x2100}));
    EXPECT_EQ(sub.drawn, (std::vector<ULONG_PTR>{0x2100}));
    EXPECT_EQ(measure.itemWidth, 80u);

    // A real pop-up: the system measures and paints the items through the owner window.
    ::SetTimer(owner.m_hWnd, 1, 300, [](HWND, UINT, UINT_PTR, DWORD) { ::EndMenu(); });
    top.TrackPopupMenu(TPM_LEFTALIGN | TPM_TOPALIGN, 120, 120, owner.m_hWnd);
    ::KillTimer(owner.m_hWnd, 1);
    EXPECT_EQ(top.measured, (std::vector<ULONG_PTR>{0x1100, 0x1200}));
    EXPECT_FALSE(top.drawn.empty());
}

TEST(ImageLists, AListViewNeverDestroysTheImageListItShows)
{
    test::HostWindow host;
    ASSERT_TRUE(host.CreateHost(200, 100));
    CImageList images;
    ASSERT_TRUE(images.Create(16, 16, ILC_COLOR32 | ILC_MASK, 0, 0));
    ASSERT_EQ(images.Add(::LoadIconW(nullptr, IDI_APPLICATION)), 0);
    {
        CListCtrl list;
        ASSERT_TRUE(list.CreateEx(0, WC_LISTVIEWW, L"", WS_CHILD | LVS_ICON, 0, 0, 100, 80, host.m_hWnd, nullptr));
        list.SetImageList(images, LVSIL_NORMAL);
    }
    // Still the owner's list, whole: it can grow and be destroyed once, by its owner.
    EXPECT_EQ(images.Add(::LoadIconW(nullptr, IDI_APPLICATION)), 1);
    EXPECT_EQ(images.GetImageCount(), 2);
    EXPECT_TRUE(images.DeleteImageList());
}

TEST(Subclass, AnExistingWindowKeepsItsBehaviourAndGetsItsProcedureBack)
{
    test::HostWindow parent;
    ASSERT_TRUE(parent.CreateHost(200, 100));
    HWND edit = CreateRawChild(L"EDIT", parent.m_hWnd, 20);
    auto original = ::GetWindowLongPtrW(edit, GWLP_WNDPROC);

    CountingEdit object;
    ASSERT_TRUE(object.SubclassWindow(edit));
    EXPECT_EQ(CWnd::FromHandlePermanent(edit), &object);
    object.SetWindowText(L"typed");
    EXPECT_EQ(object.setTextSeen, 1);
    EXPECT_EQ(object.GetWindowText(), L"typed");

    CountingEdit second;
    EXPECT_FALSE(second.SubclassWindow(edit));

    EXPECT_EQ(object.UnsubclassWindow(), edit);
    EXPECT_EQ(::GetWindowLongPtrW(edit, GWLP_WNDPROC), original);
    EXPECT_EQ(CWnd::FromHandlePermanent(edit), nullptr);
}

TEST(Subclass, ABorrowedWindowOutlivesItsObjectAndDetachesWhenDestroyed)
{
    test::HostWindow parent;
    ASSERT_TRUE(parent.CreateHost(200, 100));
    HWND edit = CreateRawChild(L"EDIT", parent.m_hWnd, 21);
    auto original = ::GetWindowLongPtrW(edit, GWLP_WNDPROC);
    {
        CountingEdit object;
        ASSERT_TRUE(object.SubclassWindow(edit));
    }
    ASSERT_TRUE(::IsWindow(edit));
    EXPECT_EQ(::GetWindowLongPtrW(edit, GWLP_WNDPROC), original);
    EXPECT_EQ(CWnd::FromHandlePermanent(edit), nullptr);

    CountingEdit object;
    ASSERT_TRUE(object.SubclassDlgItem(21, &parent));
    ::DestroyWindow(edit);
    EXPECT_EQ(object.m_hWnd, nullptr);
    // A handle value comes back for later windows: it must not still name this object.
    EXPECT_EQ(CWnd::FromHandlePermanent(edit), nullptr);
}
