#pragma once
// A menu object over a menu handle. An attached object is found from its menu the way a window
// object is found from its window (framework/handle_map.h), so the windows that show the menu
// can find it again: owner-drawn items are measured and drawn, and mnemonics of owner-drawn
// items answered, by the object of the menu that holds them.

#include <windows.h>

#include <string>

class CMenu {
public:
    CMenu() = default;
    // Destroys a menu it still holds.
    virtual ~CMenu();
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;

    HMENU m_hMenu = nullptr;
    HMENU GetSafeHmenu() const { return m_hMenu; }

    // The object attached to menu, or null.
    static CMenu* FromHandlePermanent(HMENU menu);
    // The object of the menu in root's tree that holds the owner-drawn item being measured.
    static CMenu* FindItemOwner(HMENU root, const MEASUREITEMSTRUCT& item);

    // False when this object holds a menu already, or menu has an object.
    BOOL Attach(HMENU menu);
    HMENU Detach();

    BOOL CreateMenu();
    BOOL CreatePopupMenu();
    BOOL LoadMenu(UINT id);
    BOOL DestroyMenu();

    BOOL AppendMenu(UINT flags, UINT_PTR id = 0, const wchar_t* text = nullptr);
    BOOL ModifyMenu(UINT position, UINT flags, UINT_PTR id = 0, const wchar_t* text = nullptr);
    int GetMenuItemCount() const;
    UINT GetMenuItemID(int position) const;
    UINT GetMenuState(UINT item, UINT flags) const;
    std::wstring GetMenuString(UINT item, UINT flags) const;
    HMENU GetSubMenu(int position) const;
    // The system's TrackPopupMenu: with TPM_RETURNCMD the chosen command, else success.
    BOOL TrackPopupMenu(UINT flags, int x, int y, HWND owner) const;

    // Owner-drawn items: how large, and painting. The base does nothing.
    virtual void MeasureItem(MEASUREITEMSTRUCT* item);
    virtual void DrawItem(DRAWITEMSTRUCT* item);
    // WM_MENUCHAR while this menu shows: true with the answer in result when handled. The base
    // leaves it to the window's default handling.
    virtual bool OnMenuChar(UINT character, UINT flags, LRESULT& result);
};
