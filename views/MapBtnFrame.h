#pragma once
// The frame of area buttons in the area selection window: a tab strip of
// six display modes over a column of area buttons, scrolled by a button
// scroll bar when the areas do not all fit. Enough buttons for a
// full-height pane are made once and only moved, shown and hidden; each
// shows area first + its slot. A click on a button shows that area on the
// map through the view.

#include <functional>
#include <memory>
#include <vector>

#include "platform/ui/Size.h"
#include "platform/ui/Wnd.h"
#include "views/BtnScrollBar.h"
#include "views/MyTabCtrl.h"

class CMapBtn;
class IViewHost;

class CMapBtnFrame : public CWnd {
public:
    static constexpr UINT kScrollBarId = 2000;
    static constexpr UINT kFirstButtonId = 2100;
    static constexpr UINT kTabsId = 2200;
    static constexpr int kModeCount = 6;
    static const char* const kModeNames[kModeCount];

    CMapBtnFrame();
    ~CMapBtnFrame() override;

    // The view whose shown area the buttons show and choose.
    void SetViewHost(IViewHost* view) { m_view = view; }
    IViewHost* GetViewHost() const { return m_view; }
    // Where Tab leads from a button (the company selector) and Shift+Tab
    // from the tab strip (the company pages' tab strip).
    void SetFocusNeighbours(std::function<void()> companySelector,
                            std::function<CWnd*()> companyTabs);

    // Creates the buttons, the scroll bar and the tab strip: 1; 0 when a
    // button or the scroll bar cannot be made, -1 when the tab strip cannot.
    int CreateButtons();
    // Places the tab strip, the scroll bar and the buttons in cx by cy.
    void Layout(int cx, int cy);
    // Shows areas first, first + 1, ... on the buttons.
    void SetFirstVisible(int first, BOOL redraw);
    int GetFirstVisible() const { return m_first; }
    // The mouse wheel over the frame (120 a notch); nothing while every
    // area fits.
    void ScrollByWheel(int delta);
    // Makes `area` the view's shown area: 0 when it was shown already.
    int SelectArea(int area, BOOL redraw);
    // Recomputes and repaints an area's button when it shows (-1 every one).
    void RefreshAreaButton(int area);
    // Repaints an area's button after a land-price change, while the land
    // prices show.
    void RefreshPriceButton(int area);
    // Takes the tab strip's mode, recomputes and repaints every button.
    void RefreshAll();
    // The slot (plus first when absolute) of the button with the keyboard
    // focus; -1 when the tab strip has it, -2 when neither has.
    int GetFocusedIndex(BOOL absolute) const;
    // Scrolls `area` into view and gives its button the focus; areas wrap
    // around at both ends.
    void FocusArea(int area);
    void FocusTabs();
    void FocusCompanySelector();

    int GetMode() const { return m_mode; }
    int GetPage() const { return m_page; }
    int GetCount() const { return static_cast<int>(m_buttons.size()); }
    bool IsScrollBarShown() const { return m_barShown; }
    // The button in a slot; nullptr outside.
    CMapBtn* GetButton(int slot) const;
    CBtnScrollBar& GetScrollBar() { return m_scrollBar; }
    CMyTabCtrl& GetTabs() { return m_tabs; }
    // The screen height the buttons are made for (0: the screen's), for
    // frames created afterwards.
    static void SetScreenHeight(int pixels);

protected:
    void OnSize(UINT type, int cx, int cy) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    int AreaCount() const;
    int TabHeight() const;
    // Gives every slot its area (or none) and shows the slots that have one.
    void AssignAreas(BOOL redraw);
    void RepaintArea(int area, BOOL recompute);
    static void Repaint(CMapBtn& button);

    CBtnScrollBar m_scrollBar;
    // Whole buttons below the tab strip; 1 until a layout shows the bar.
    int m_page = 1;
    int m_first = 0;
    int m_mode = 0;
    CSize m_buttonSize{0, 0};
    CMyTabCtrl m_tabs;
    std::vector<std::unique_ptr<CMapBtn>> m_buttons;
    IViewHost* m_view = nullptr;
    std::function<void()> m_companySelector;
    std::function<CWnd*()> m_companyTabs;
    bool m_barShown = false;
    // The pane is too narrow for any button.
    bool m_narrow = false;
};
