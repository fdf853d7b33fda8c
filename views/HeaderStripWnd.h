#pragma once
// The frame of the title strips drawn above the dialogs' lists: painting
// draws the strip into the client area; tests and the gallery call Draw
// on a canvas of their own.

#include "platform/gfx/Rect.h"
#include "platform/ui/Wnd.h"

class CHeaderStripWnd : public CWnd {
public:
    virtual void Draw(CDC& dc, const CRect& client) const = 0;

protected:
    void OnPaint() override;
};
