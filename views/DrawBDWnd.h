#pragma once
// The picture of a land or structure type, as the map shows it in the
// document's current view direction, centred in the window and drawn
// transparently over its background.

#include "views/DrawSourceWnd.h"

class CBD;
class CDC;

class CDrawBDWnd : public CDrawSourceWnd {
public:
    // Nonzero: the map's land types; 0: its structure types. Whether it
    // changed.
    BOOL SetPictureSet(int flag);
    int GetPictureSet() const { return m_landTypes; }
    // The type shown; negative hides the window. FALSE (and nothing else
    // happens) when it is the current one.
    BOOL SetBuilding(int building);
    int GetBuilding() const { return m_building; }

    // The type the window shows, or nullptr (none, no document, or a
    // number outside the table).
    const CBD* GetShownType() const;
    // Draws the shown type into a client area of the size given.
    void DrawPicture(CDC& dc, int clientWidth, int clientHeight) const;

protected:
    void OnPaint() override;

private:
    int m_landTypes = 1;
    int m_building = -1;
};
