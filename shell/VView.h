#pragma once
// The main view: the frame's client area during play. It draws nothing
// itself; it holds the three panes (the information window at the bottom,
// the map window on the left, the area selection window on the right),
// keeps their proportions in per mille of its size so that they survive
// resizing and the next run, and switches what the panes show: the shown
// map area, the company of the information pages, the director line and
// the view direction. Tab, Esc and F2 have a frame-wide meaning here.

#include <string>

#include "platform/ui/Wnd.h"
#include "views/InfoWnd.h"
#include "views/MapDrawWnd.h"
#include "views/MapSelectWnd.h"
#include "views/ViewHost.h"

class CVDoc;
class IViewFrame;

class CVView : public CWnd, public IViewHost {
public:
    static constexpr int kInfoWndId = 1000;
    static constexpr int kMapDrawWndId = 1001;
    static constexpr int kMapSelectWndId = 1002;
    // Ratios kept in "Window Layout" (the names as the profile spells them).
    static constexpr const char* kLayoutSection = "Window Layout";
    static constexpr const char* kInfoRatioKey = "InfomationWindow";
    static constexpr const char* kSelectRatioKey = "MapSelectWindow";
    static constexpr int kDefaultInfoRatio = 300;
    static constexpr int kDefaultSelectRatio = 400;

    CVView(CVDoc* doc, IViewFrame* frame);
    ~CVView() override;

    // Creates the view as a child that clips its panes.
    BOOL Create(const char* className, const char* windowName, DWORD style, const RECT& rect,
                CWnd* parent, UINT id);

    // Creates the panes and shows the saved area: 1, 0 when the information
    // or area selection window cannot be created, -1 when the map window or
    // its cell tables cannot.
    int CreatePanes();
    // Places the panes in a client area of cx by cy.
    void LayoutPanes(int cx, int cy);

    // ---- IViewHost
    int GetShownArea() const override { return m_shownArea; }
    int ShowArea(int area) override;
    int SelectArea(int area) override;
    void FocusAreaTabs() override;
    void FocusFirstAreaButton() override;
    void DragInfoWindow(int y) override;
    void SetSelectPaneWidth(int dx) override;
    int SetDirection(int direction) override;
    CPalette* GetPalette() override;
    CCompanyPens* GetCompanyPens() override;
    CFont* GetMessageFont(int index) override;
    double GetMapDrawRate() const override;
    int GetMapMode() const override;
    int GetPickFlag() const override;
    int IsInputEnabled() const override;
    void GetMapColors(COLORREF& top, COLORREF& bottom) const override;
    void PickMapCell(CCellPoint cell) override;
    void EndMapPick(int force) override;
    void DoAreaPortfolio() override;
    void ShowAreaExplanation() override;

    // Shows whose turn it is (-1: the company at this seat, else the one
    // whose turn it is) on the pages and the director line.
    void ShowTurnCompany(int company);
    // Selects the company of the information pages (-1: own or turn company).
    void SelectInfoCompany(int company);
    // Refreshes the director line for a company (-2 keeps the remembered one).
    void ShowDirectorLine(int company);
    // Refreshes the company pages and then the director line.
    void RefreshDirectorLine();
    void AnimateTurn(int step, int mode);

    // The window that takes the keyboard focus on Tab.
    void SetTabTarget(CWnd* target) { m_tabTarget = target; }

    int GetInfoRatio() const { return m_infoRatio; }
    int GetSelectRatio() const { return m_selectRatio; }
    CVDoc* GetDocument() const { return m_doc; }
    CInfoWnd& GetInfoWnd() { return m_info; }
    CMapDrawWnd& GetMapDrawWnd() { return m_map; }
    CMapSelectWnd& GetMapSelectWnd() { return m_select; }

    // The company the director line reports on (-1 none), for the run.
    static int GetDirectorLineCompany();
    static void SetDirectorLineCompany(int company);
    // "%s is observing." for a player's name.
    static std::string ObservingText(const std::string& playerName);

protected:
    void OnSize(UINT type, int cx, int cy) override;
    void OnKeyDown(UINT key, UINT repeat, UINT flags) override;
    void OnDestroy() override;

private:
    // The company at this seat in a network game; -1 none.
    int OwnCompanyIndex() const;
    int IsObserver() const;
    void ReadRatios();
    void SaveRatios();

    CVDoc* m_doc;
    IViewFrame* m_frame;
    CInfoWnd m_info;
    CMapDrawWnd m_map;
    CMapSelectWnd m_select;
    int m_shownArea = 0;
    int m_infoRatio = kDefaultInfoRatio;
    int m_selectRatio = kDefaultSelectRatio;
    CWnd* m_tabTarget = nullptr;
};
