#pragma once
// What both drawing styles of VelMenu read off one item before painting it: state, image,
// check mark and the two parts of its text.

#include <windows.h>

#include <string>

#include "widgets/vel_menu.h"

namespace widgets {

struct MenuItemLook {
    bool separator = false;
    bool selected = false;
    bool disabled = false;
    bool checked = false;

    CImageList* images = nullptr;  // where the item's image is, if anywhere
    int imageIndex = -1;
    int imageOffset = -1;
    bool hasImage = false;    // offset is not -1
    bool ownList = false;     // the image comes from the record's own list

    bool checkFromList = false;  // the check mark is an image of the menu's check-image list
    bool drawnMark = false;      // checked without image: a drawn tick or bullet
    bool radio = false;          // the drawn mark is a bullet

    std::wstring left;   // before the first tab
    std::wstring right;  // after the last tab
    bool hasRight = false;
};

// One item painted part by part: each drawing style paints the parts its own way, in this order.
class MenuItemPainter {
public:
    explicit MenuItemPainter(const MenuItemLook& look) : m_look(look) {}
    virtual ~MenuItemPainter() = default;
    MenuItemPainter(const MenuItemPainter&) = delete;
    MenuItemPainter& operator=(const MenuItemPainter&) = delete;

    void Paint() const
    {
        if (m_look.separator) {
            Separator();
            return;
        }
        Face();
        if (m_look.hasImage || m_look.checkFromList)
            ImageCell();
        if (m_look.drawnMark)
            CheckMark();
        Text();
    }

protected:
    virtual void Separator() const = 0;
    virtual void Face() const = 0;
    virtual void ImageCell() const = 0;  // the item's image or check image
    virtual void CheckMark() const = 0;  // a drawn tick or bullet
    virtual void Text() const = 0;

    const MenuItemLook& m_look;
};

// flat: the flat style also wants the record's own index unset before it takes a shared image.
MenuItemLook ReadItemLook(const VelMenu& menu, const DRAWITEMSTRUCT& item, const VelMenuData& record, bool flat);

// The text in rect with the given colour, transparent background; the right part right-aligned
// and ending m_nIconWidth before the rectangle's right edge.
void DrawItemText(HDC dc, RECT rect, const MenuItemLook& look, COLORREF color, int iconWidth);

// One image of a list at (x, y), transparent; nothing for a missing list or index.
void DrawListImage(CImageList* images, int index, HDC dc, int x, int y);

}  // namespace widgets
