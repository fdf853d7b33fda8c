#pragma once
// The frame of every owner-drawn list of the dialogs: a draw request fills
// the row in its state's background and lets the list draw the row's
// contents, then frames a focused row; a request for a row the list has
// no data for only gets the button face. The background is the button
// face.

#include "platform/gfx/Rect.h"
#include "platform/ui/ListBox.h"

class COwnerDrawList : public CListBox {
public:
    void DrawItem(LPDRAWITEMSTRUCT dis) final;
    // The row's state (OwnerRow states) for a selection flag.
    virtual int StateOfRow(int row, bool selected) const = 0;

protected:
    // Whether the row has data to draw.
    virtual bool HasRow(int row) const = 0;
    // Draws the row's contents over its filled background.
    virtual void DrawRow(CDC& dc, int row, const CRect& rect, int state) const = 0;
    // The first font, or the second message font.
    virtual bool UsesSecondFont() const { return false; }

    BOOL OnEraseBkgnd(CDC* dc) override;
};
