#pragma once
// Base of every window object. The object is found from its window through the thread's map
// of handles (framework/handle_map.h), entered when the window is first seen (created by us,
// a dialog we created, or a subclassed window) and left at WM_NCDESTROY. Each class has one
// WindowProc whose switch only unpacks the parameters and calls named handlers; what it leaves
// goes to DefWindowProc. A subclass extends a base's handling by overriding the base's named
// (virtual) handler, not by switching on the same message again: a base offers the named
// handlers its subclasses need.
//
// A parent offers what it receives about a child control (commands, notifications, owner
// drawing, colours) to the control's own object first, typed (OnReflected...). Owner-drawn
// menu items are measured and drawn, and WM_MENUCHAR answered, by the menu object they belong
// to (see CMenu). Messages sent to top-level windows only that child controls depend on
// (WM_SYSCOLORCHANGE) are passed down to every descendant by the window that receives them.

#include <windows.h>

#include <string>

struct CCreateContext;
class CDataExchange;

class CWnd {
public:
    CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;
    CWnd(CWnd&&) = delete;
    CWnd& operator=(CWnd&&) = delete;
    // Destroys a window this object created, or gives a subclassed one back its own procedure.
    virtual ~CWnd();

    HWND m_hWnd = nullptr;
    HWND GetSafeHwnd() const { return m_hWnd; }

    // The object kept with hwnd, or null when the window has none.
    static CWnd* FromHandlePermanent(HWND hwnd);

    // Creates a window of any class. Classes registered through RegisterFrameworkClass deliver every
    // message from WM_NCCREATE on; other classes are subclassed as soon as they exist.
    BOOL CreateEx(DWORD exStyle, const wchar_t* className, const wchar_t* windowName, DWORD style,
                  int x, int y, int width, int height, HWND parent, HMENU menuOrId);
    // How a container (a splitter, a frame) makes a child pane; dialog-based windows override it.
    // Without a class name the window is of the framework's plain class.
    virtual BOOL Create(const wchar_t* className, const wchar_t* windowName, DWORD style, const RECT& rect,
                        CWnd* parent, UINT id, CCreateContext* context = nullptr);
    BOOL DestroyWindow();

    // Routes an existing window's messages through this object; its own procedure becomes the
    // default. PreSubclassWindow runs first, with m_hWnd already set.
    BOOL SubclassWindow(HWND hwnd);
    BOOL SubclassDlgItem(UINT id, CWnd* parent);
    HWND UnsubclassWindow();

    // Registers a window class whose procedure is the framework's; idempotent. Returns the name.
    static const wchar_t* RegisterFrameworkClass(const wchar_t* className, UINT classStyle, HCURSOR cursor,
                                                 HBRUSH background, HICON icon = nullptr,
                                                 HICON smallIcon = nullptr);

    // Runs the initial update of the views inside this window, in their order (see CSplitterWnd).
    virtual void RunInitialUpdate();
    // The view that takes the focus first when this window fills a frame: the window itself,
    // unless it is a container of views.
    virtual CWnd* InitialView() { return this; }
    // Keyboard messages before dispatch; true when consumed.
    virtual bool PreTranslateMessage(MSG* msg);

    // Thin helpers on m_hWnd.
    LRESULT SendMessage(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const;
    BOOL PostMessage(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const;
    BOOL ShowWindow(int command) const { return ::ShowWindow(m_hWnd, command); }
    BOOL UpdateWindow() const { return ::UpdateWindow(m_hWnd); }
    BOOL MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE) const;
    // Moves and sizes a window to rect (its parent's client coordinates; the screen's for a top-level
    // window) unless it is there already, and says whether it moved. Start-up lays the same rows
    // out several times, and every move is a round trip to the window server and a WM_SIZE.
    static bool MoveUnlessThere(HWND window, const RECT& rect);
    // Child: centred in its parent. Top level: on alternate or its visible owner when given,
    // else on the work area of its monitor; always kept inside that work area.
    void CenterWindow(HWND alternate = nullptr) const;
    // Where CenterWindow would put the top-left corner of a window of this size.
    POINT CenteredOrigin(int width, int height, HWND alternate = nullptr) const;
    RECT GetClientRect() const;
    RECT GetWindowRect() const;
    void SetWindowText(const std::wstring& text) const;
    std::wstring GetWindowText() const;
    DWORD GetStyle() const;
    DWORD GetExStyle() const;
    // Removes then adds style bits; with swpFlags the frame is recomputed (SetWindowPos). True
    // when the style changed.
    BOOL ModifyStyle(DWORD remove, DWORD add, UINT swpFlags = 0) const;
    HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
    // A window not on screen is left alone: it is painted whole when it is shown.
    BOOL Invalidate(BOOL erase = TRUE) const
    {
        return ::IsWindowVisible(m_hWnd) ? ::InvalidateRect(m_hWnd, nullptr, erase) : TRUE;
    }

    // Moves values between the controls and the members DoDataExchange names. False for
    // "members to controls", true for "controls to members".
    bool UpdateData(bool saveAndValidate = true);

protected:
    virtual void DoDataExchange(CDataExchange* dx);
    virtual LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam);
    // The default: DefWindowProcW, or the subclassed window's own procedure.
    virtual LRESULT DefWindowProc(UINT msg, WPARAM wParam, LPARAM lParam);
    // After WM_NCDESTROY, when the object has let go of its window.
    virtual void PostNcDestroy() {}

    virtual void PreSubclassWindow() {}

    // What the parent received about this control, offered here first. Each answers true
    // when it handled the message, which the parent then does not see.
    virtual bool OnReflectedCommand(UINT code);                      // WM_COMMAND from this control
    virtual bool OnReflectedNotify(NMHDR& header, LRESULT& result);  // WM_NOTIFY from it
    virtual bool OnReflectedDrawItem(DRAWITEMSTRUCT& item);
    virtual bool OnReflectedMeasureItem(MEASUREITEMSTRUCT& item);
    // WM_CTLCOLOR*: the brush to paint the control's background with, or null when not handled.
    virtual HBRUSH OnReflectedCtlColor(HDC dc, UINT ctlColorMessage);
    // WM_COMMAND not taken by the control's own object. True when handled.
    virtual bool OnCommand(UINT id, UINT code, HWND control);
    // WM_NOTIFY not taken by the control's own object. True when handled.
    virtual bool OnNotify(NMHDR* header, LRESULT* result);
    // The default handling; a top-level window then passes the change on to every descendant,
    // which the system does not tell.
    virtual void OnSysColorChange();

    // Shows a pop-up menu owned by this window; the system's TrackPopupMenu. Its owner-drawn
    // items are measured by their menus' objects even under TPM_NONOTIFY, which keeps
    // WM_INITMENUPOPUP from naming the pop-up being opened.
    UINT TrackPopupMenu(HMENU popup, UINT flags, int x, int y);
    // Sends msg to every window below this one, children first-level and deeper.
    void SendMessageToDescendants(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const;

    // Dialog-based windows are made by CreateDialog* with this procedure and this object
    // registered as the one being created.
    static INT_PTR CALLBACK DialogStartProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    class CreationScope {
    public:
        explicit CreationScope(CWnd* wnd);
        ~CreationScope();
        CreationScope(const CreationScope&) = delete;
        CreationScope& operator=(const CreationScope&) = delete;

    private:
        CWnd* m_previous;
    };

private:
    static LRESULT CALLBACK StaticWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    static LRESULT Dispatch(CWnd* wnd, UINT msg, WPARAM wParam, LPARAM lParam);
    static CWnd* ClaimPending(HWND hwnd);
    void Attach(HWND hwnd);
    void Detach();
    bool ReflectToChild(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
    bool RouteMenuItem(UINT msg, LPARAM lParam);
    bool RouteMenuChar(WPARAM wParam, LPARAM lParam, LRESULT& result) const;
    CWnd* ChildObject(HWND child) const;

    WNDPROC m_pfnSuper = nullptr;  // the subclassed procedure, null for our own classes
    bool m_bSubclassed = false;    // our procedure replaced the window's own
    bool m_bOwnsWindow = false;    // created by this object, so destroyed with it
    HMENU m_hMenuOpening = nullptr;  // the pop-up being opened (WM_INITMENUPOPUP): its items are measured next
};
