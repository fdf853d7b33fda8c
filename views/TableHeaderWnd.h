#pragma once
// The title strip of a table whose columns are laid out in layout units
// (the league and team tables): each title fills its column, the strip's
// full height, with the button face before it is drawn.

#include "views/HeaderStripWnd.h"

class CTableColumns;

class CTableHeaderWnd : public CHeaderStripWnd {
public:
    void Draw(CDC& dc, const CRect& client) const final;

protected:
    virtual void DrawTitles(CDC& dc, CTableColumns& columns) const = 0;
    // align: 0 left, 1 centred, 2 right.
    static void Title(CDC& dc, const char* text, const CRect& cell, int align);
};
