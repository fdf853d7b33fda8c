#pragma once
// The area selection window, the right pane of the main view: from top to
// bottom the animated logo, the month window beside the company window
// (the director line), and the frame of area buttons. Its left edge is a
// splitter: dragging it changes the pane's width through the view.

#include "platform/ui/Point.h"
#include "platform/ui/Wnd.h"
#include "views/DrawEPWnd.h"
#include "views/LogoMarkWnd.h"
#include "views/MapBtnFrame.h"
#include "views/MonthWnd.h"

class IViewHost;

class CMapSelectWnd : public CWnd {
public:
    static constexpr UINT kLogoId = 1004;
    static constexpr UINT kMonthId = 1200;
    static constexpr UINT kCompanyId = 1201;
    static constexpr UINT kButtonFrameId = 1002;

    // The view the buttons show areas of and the splitter resizes the pane in.
    void SetViewHost(IViewHost* view);

    // Scrolls the buttons to the first area, lays them out again and
    // refreshes every button (after a game is created or loaded).
    void ResetButtons();
    // Scrolls the buttons to the first area.
    void ScrollButtonsToTop();
    // Repaints the month window (a new month or a loaded game).
    void RepaintMonth();

    CLogoMarkWnd& GetLogo() { return m_logo; }
    CMonthWnd& GetMonthWnd() { return m_month; }
    CDrawEPWnd& GetDirectorLine() { return m_directorLine; }
    CMapBtnFrame& GetButtonFrame() { return m_buttons; }

protected:
    int OnCreate(CREATESTRUCT* create) override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnLButtonDown(UINT flags, CPoint point) override;
    void OnMouseMove(UINT flags, CPoint point) override;
    void OnLButtonUp(UINT flags, CPoint point) override;
    BOOL OnSetCursor(CWnd* wnd, UINT hitTest, UINT message) override;

private:
    void DragTo(CPoint point);

    CLogoMarkWnd m_logo;
    CMonthWnd m_month;
    CDrawEPWnd m_directorLine;
    CMapBtnFrame m_buttons;
    IViewHost* m_view = nullptr;
    CPoint m_dragStart{0, 0};
    int m_dragLeft = 0;
};
