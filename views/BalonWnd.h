#pragma once
// The information balloon that tells about the cell under the mouse: a
// two-column table of labels and values computed by Prepare and painted
// from what it stored.

#include "platform/gfx/Size.h"
#include "platform/ui/Wnd.h"

class CVDoc;

class CBalonWnd : public CWnd {
public:
    // The document the next Prepare reads.
    void SetDrawSource(CVDoc* doc) { m_doc = doc; }
    // Fills the table for cell (x, y) of `area` and returns the window size
    // it needs.
    CSize Prepare(int area, int x, int y);

private:
    CVDoc* m_doc = nullptr;
};
