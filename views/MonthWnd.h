#pragma once
// The month display of the area selection window: the game's length in
// years, the current year and the current month, read from the active
// game document whenever it paints.

#include "platform/ui/Wnd.h"

class CDC;

class CMonthWnd : public CWnd {
public:
    // The three texts into dc; nothing without a document or fonts.
    static void DrawContent(CDC& dc);

protected:
    void OnPaint() override;
};
