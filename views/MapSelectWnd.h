#pragma once
// The area selection window, the right pane of the main view: the logo,
// the month window beside the director line, and the area buttons. For now
// it places its children and draws only its class background.

#include "platform/ui/Wnd.h"
#include "views/DrawEPWnd.h"
#include "views/LogoMarkWnd.h"
#include "views/MapBtnFrame.h"
#include "views/MonthWnd.h"

class CMapSelectWnd : public CWnd {
public:
    // Scrolls the buttons to the first area and refreshes every button.
    void ResetButtons();
    // Scrolls the buttons to the first area.
    void ScrollButtonsToTop();

    CLogoMarkWnd& GetLogo() { return m_logo; }
    CMonthWnd& GetMonthWnd() { return m_month; }
    CDrawEPWnd& GetDirectorLine() { return m_directorLine; }
    CMapBtnFrame& GetButtonFrame() { return m_buttons; }

protected:
    int OnCreate(CREATESTRUCT* create) override;
    void OnSize(UINT type, int cx, int cy) override;

private:
    CLogoMarkWnd m_logo;
    CMonthWnd m_month;
    CDrawEPWnd m_directorLine;
    CMapBtnFrame m_buttons;
};
