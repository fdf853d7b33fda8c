#pragma once
// The company pages of the information window: the company selector on
// the left, and to its right either the list of companies over the full
// height ("Company list") or the tab strip with the five pages of the
// shown company. The pages read the shown company from here.

#include "platform/ui/Wnd.h"
#include "views/EpBaseInfo.h"
#include "views/EpBenefit.h"
#include "views/EpListInfo.h"
#include "views/EpStocks.h"
#include "views/EpSubordinate.h"
#include "views/EpTeamInfo.h"
#include "views/InfoTabCtrl.h"
#include "views/SelectInfoWnd.h"

class CInfoDrawFrameWnd : public CWnd {
public:
    static constexpr UINT kTabCtrlId = 2340;
    static constexpr UINT kFirstPageId = 2350;
    static constexpr int kSelectorCells = 28;
    enum ETab { kTabStatus, kTabDirector, kTabAchievement, kTabTeam, kTabStock, kTabCount };

    CInfoDrawFrameWnd();

    // The company whose pages are shown; -1 the company list.
    int GetShownCompany() const { return m_shown; }
    // The company last switched to with SetCompany; -1 none.
    int GetCompany() const { return m_company; }
    // Switches to a company: the "Status" tab and the company's entry in
    // the selector. Nothing when it is the company switched to.
    void SetCompany(int index);
    // Shows a company's pages (index < 0: the company list); they are
    // refreshed unless the company was shown already and force is clear.
    void ShowCompany(int index, BOOL force);
    // Shows the company list alone, or the tab strip with the current
    // tab's page; hides every other page.
    void ShowPages(BOOL listOnly);
    // Brings every page up to date.
    void RefreshPages();
    int GetRefreshCount() const { return m_refreshCount; }
    // Selects and shows a company from the top of the selector (-1: the
    // company played here, else the one whose turn it is).
    void SelectCompany(int index);
    // The mouse wheel at a screen point (delta 120 a notch).
    void ForwardMouseWheel(int delta, int x, int y);
    // The title bar above shows the selected company.
    void InvalidateTitle();

    CSelectInfoWnd& GetSelector() { return m_selector; }
    CInfoTabCtrl& GetTabCtrl() { return m_tabs; }
    CEpListInfo& GetListPage() { return m_list; }
    CEpBaseInfo& GetStatusPage() { return m_status; }
    CEpSubordinate& GetDirectorPage() { return m_director; }
    CEpBenefit& GetAchievementPage() { return m_achievement; }
    CEpTeamInfo& GetTeamPage() { return m_team; }
    CEpStocks& GetStockPage() { return m_stocks; }
    // The page of a tab (kTabStatus..kTabStock).
    CInfoBasePageWnd* GetTabPage(int tab);

protected:
    int OnCreate(CREATESTRUCT* create) override;
    void OnSize(UINT type, int cx, int cy) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    bool CreateTabs();
    bool CreatePages();

    int m_company = -1;
    int m_shown = -1;
    CInfoTabCtrl m_tabs;
    CSelectInfoWnd m_selector;
    CEpListInfo m_list;
    CEpBaseInfo m_status;
    CEpSubordinate m_director;
    CEpBenefit m_achievement;
    CEpTeamInfo m_team;
    CEpStocks m_stocks;
    int m_refreshCount = 0;
};
