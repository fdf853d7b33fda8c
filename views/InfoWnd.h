#pragma once
// The information window, the bottom pane of the main view: a title bar
// across the top, the company pages with their selector on the left and
// the message log on the right. The border between pages and log can be
// dragged (the pages' share of the width is kept as a ratio); dragging the
// title bar moves the border to the map. The report operations write the
// standard lines of the month's report into the log, each company's lines
// under its name as the heading.

#include <string>

#include "platform/ui/Wnd.h"
#include "views/InfoDrawFrameWnd.h"
#include "views/InfoMesWnd.h"
#include "views/InfoTitleWnd.h"

class CEnterprise;
class CPersonData;
class IViewHost;

class CInfoWnd : public CWnd {
public:
    static constexpr UINT kTitleId = 1210;
    static constexpr double kInitialSplitRatio = 0.6;

    CInfoWnd();

    // The view the title bar drags the border of; set before creation.
    void SetViewHost(IViewHost* host) { m_host = host; }
    IViewHost* GetViewHost() const { return m_host; }

    // A line of the month's report in the default colour, scrolled in.
    void AddMessage(const std::string& text);
    // Places the title, the pages and the log in a client area of cx by cy.
    void LayoutPanes(int cx, int cy);
    // The share of the width the pages take (0..1).
    double GetSplitRatio() const { return m_splitRatio; }
    int GetGapWidth() const { return m_gap; }

    // ---- the standard lines of the month's report
    // The director's project line; withCompany names the director's
    // company first.
    void ReportProjectHead(const CPersonData& director, BOOL withCompany);
    void ReportSalariesChanged(CEnterprise& company);
    void ReportSalaryChanged(CEnterprise& company, const CPersonData& director);
    void ReportAdvertisingChanged(CEnterprise& company);
    void ReportRecruited(const CPersonData& director, const CPersonData& person);
    void ReportHeadhunted(const CPersonData& director, const CPersonData& person);
    // otherBuyer: another company's purchase, written without a heading.
    void ReportStockPurchase(CEnterprise& buyer, const CEnterprise& stock, int count,
                             BOOL otherBuyer);
    void ReportStrike(const CEnterprise& company);
    void ReportLeaguePopularity(int league, BOOL rose);

    CInfoTitleWnd& GetTitle() { return m_title; }
    CInfoDrawFrameWnd& GetPages() { return m_pages; }
    CInfoMesWnd& GetLog() { return m_log; }

protected:
    int OnCreate(CREATESTRUCT* create) override;
    void OnSize(UINT type, int cx, int cy) override;
    BOOL OnSetCursor(CWnd* wnd, UINT hitTest, UINT message) override;
    void OnLButtonDown(UINT flags, CPoint point) override;
    void OnMouseMove(UINT flags, CPoint point) override;
    void OnLButtonUp(UINT flags, CPoint point) override;

private:
    // One step of the splitter drag to the point.
    void DragSplitTo(CPoint point);
    void RememberSize();

    double m_splitRatio = kInitialSplitRatio;
    CPoint m_dragStart;
    CPoint m_dragLast;
    int m_dragWidth = 0;
    int m_dragHeight = 0;
    int m_split = 0;
    int m_gap = 0;
    CInfoTitleWnd m_title;
    CInfoDrawFrameWnd m_pages;
    CInfoMesWnd m_log;
    IViewHost* m_host = nullptr;
};
