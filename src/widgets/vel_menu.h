#pragma once
// A menu whose pop-up items are owner-drawn: the menu keeps one record per item (text, flags,
// command id, optional image) and measures and paints each item itself, in a flat style on
// themed systems and a classic one elsewhere. It can be built from a menu resource, whose top
// level stays plain items the system paints, with owner-drawn pop-ups below.

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/dc.h"
#include "framework/image_list.h"
#include "framework/menu.h"
#include "widgets/vel_menu_data.h"

// The check-mark images a menu draws from (image 0 unselected, 1 selected): a list of its own,
// or the images of the menu it was loaded under, which that menu keeps and outlives it.
class VelMenuCheckImages {
public:
    CImageList* Get() const { return m_parent ? m_parent->Get() : m_own.get(); }
    void Own(std::unique_ptr<CImageList> images)
    {
        m_own = std::move(images);
        m_parent = nullptr;
    }
    void Borrow(const VelMenuCheckImages& parent)
    {
        m_own.reset();
        m_parent = &parent;
    }
    bool IsBorrowed() const { return m_parent != nullptr; }

private:
    std::unique_ptr<CImageList> m_own;
    const VelMenuCheckImages* m_parent = nullptr;
};

class VelMenu : public CMenu {
public:
    VelMenu();
    ~VelMenu() override;

    void DrawItem(DRAWITEMSTRUCT* item) override;
    void MeasureItem(MEASUREITEMSTRUCT* item) override;
    // Replace any content. FALSE when the resource is missing or cannot be loaded, or when the
    // template is malformed (the object is then left as it was), or when the new menu cannot be
    // made (the object is then empty).
    virtual BOOL LoadMenu(UINT id);
    virtual BOOL LoadMenu(const wchar_t* name);
    // Frees every record, the pop-ups this menu made and the handle, each menu destroyed once;
    // may be called repeatedly.
    virtual BOOL DestroyMenu();
    // Mnemonics of the items while this menu shows (HandleMenuChar).
    bool OnMenuChar(UINT character, UINT flags, LRESULT& result) override;

    // Appends an owner-drawn item with a new record; id 0 makes a separator. The result of the
    // system's append (on failure no record is kept).
    BOOL AppendOwnerDrawnItem(UINT flags, UINT_PTR id, const wchar_t* text);
    // A new record for position, given to the system's ModifyMenuW and kept in m_Items in the
    // place of the record at position (appended when there is none), for as long as the item
    // may show it. Returns the record.
    VelMenuData* ReplaceItemAtPosition(UINT position, UINT flags, UINT_PTR id, const std::wstring& text);
    // Where the loaded items start when foreign items were inserted ahead of them.
    int FindLoadedItemOffset() const;
    void RestoreTopLevelPopups();
    // Pads each label before its tab so the accelerator texts line up.
    void AlignAcceleratorText();
    // Brings the records back in line with a menu changed behind this object's back.
    void SyncRecordsWithMenu();
    BOOL ItemTextAt(int index, std::wstring& text) const;

    // The answer to WM_MENUCHAR: execute the item whose text holds "&" and the character.
    static LRESULT HandleMenuChar(UINT character, UINT flags, CMenu* menu);
    // A menu held by a VelMenu object (found the framework's way, CMenu::FromHandlePermanent).
    static BOOL IsKnownMenu(const CMenu* menu);
    static BOOL IsKnownMenu(HMENU menu);
    static int DetectOsVersion();
    static BOOL IsClassicTheme();

    void DrawItemClassic(DRAWITEMSTRUCT* item);
    void DrawItemFlat(DRAWITEMSTRUCT* item);
    // Renders image index of list into a new bitmap of m_nIconWidth x m_nIconHeight.
    void ImageToBitmap(int index, CDC* dc, CImageList* list, CBitmap& bitmap) const;
    void DrawDisabledImage(int height, int width, CDC* dc, int x, int y, CBitmap* source, COLORREF background) const;
    void DrawDisabledImageDib(HDC dc, int height, int x, int y, int width, HBITMAP source,
                              COLORREF background) const;
    void DrawCheckBoxClassic(RECT box, CDC* dc, BOOL selected, BOOL radio) const;
    void DrawCheckBoxFlat(COLORREF highlight, RECT box, CDC* dc, BOOL radio) const;
    static void DrawRadioBullet(COLORREF color, int x, CDC* dc, int y);
    static void DrawTickMark(COLORREF color, int x, CDC* dc, int y);
    static BOOL HasImageTriple(int index);
    // Lightens color toward white by fraction (0 < fraction <= 1); other fractions change nothing.
    static COLORREF BlendTowardWhite(double fraction, COLORREF color);
    // The themed flat look: Windows version code 7 without the classic theme.
    static bool IsThemed();

    // The codes of DetectOsVersion, 0 to 7 in this order: Win32s; the NT family but for the
    // three named; the 9x family but for the two named; 98; Me; NT 4; 2000; XP.
    enum OsVersion : int { kWin32s, kNtOther, kWin9xOther, kWin98, kWinMe, kNt4, kWin2000, kWinXp };

    std::vector<std::unique_ptr<VelMenuData>> m_Items;  // one per menu position, in menu order
    int m_nIconWidth = 16;
    int m_nIconHeight = 15;
    int m_nDisabledStyle = 0;  // 0: mask method, else DIB method
    VelMenuCheckImages m_checkImages;
    int m_nCheckImageSelected = -1;
    int m_nCheckImageUnselected = -1;
    int m_bLoadedFromResource = 0;

    static int s_nOsVersion;
    static int s_nDrawStyleOverride;
    static int s_bSelectDisabled;
    static CImageList s_SharedImages;
    static std::vector<int> s_SharedImageIds;
    static int s_bThemeChecked;
    static int s_bClassicTheme;

private:
    using Records = std::vector<std::unique_ptr<VelMenuData>>;
    // The first record of records with this id not yet claimed, taken out of records.
    static std::unique_ptr<VelMenuData> ClaimRecord(Records& records, UINT_PTR id);
    // The record of one item as it is now, reusing one of old where it can; appended to m_Items.
    void SyncRecordAt(int index, Records& old);
    // Lets go of this menu's handle and those of the pop-ups it made, destroying none: they go
    // with the menu that holds them.
    void ReleaseTree();
    // The pop-up of a loaded template, made under this menu and kept by it.
    VelMenu* AddLoadedPopup(UINT flags, const std::wstring& text);
    // The top level of a loaded template as plain items the system paints.
    void MakeTopLevelPlain();

    std::vector<std::unique_ptr<VelMenu>> m_OwnedPopups;  // the pop-ups LoadMenu made
};
