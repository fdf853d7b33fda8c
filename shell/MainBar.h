#pragma once
// The frame's tool bar: nine buttons for menu commands in four groups.

#include "platform/ui/ToolBar.h"

class CBitmap;

class CMainBar : public CToolBar {
public:
    static constexpr UINT kBarId = 150;
    // The commands in button order; 0 is a separator.
    static constexpr UINT kButtons[] = {32773, 0,     45020, 45021, 0,     40022, 32780,
                                        0,     40060, 40030, 0,     40090, 0,     40200};

    // Creates the bar on the frame's top edge with the button faces of
    // strip 150 (nine faces of 32 x 30, kept by the caller); false when a
    // step fails or there are no faces.
    bool Create(CWnd* parent, const CBitmap* faces);
};
