#pragma once
// A colour swatch: the colour (its draw source) in a raised frame. A click
// opens the colour dialog with the colour and the custom colours; OK takes
// the chosen colour and keeps the custom colours.

#include "views/DrawSourceWnd.h"

class CColorDialog;

class CColorRect : public CDrawSourceWnd {
public:
    COLORREF GetColour() const { return static_cast<COLORREF>(GetDrawSource()); }
    void SetColour(COLORREF colour) { SetDrawSource(colour); }

protected:
    void OnPaint() override;
    void OnLButtonUp(UINT flags, CPoint point) override;
    // The dialog's modal run; tests answer it.
    virtual int RunColourDialog(CColorDialog& dialog);
};
