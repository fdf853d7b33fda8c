#include "views/InfoWnd.h"

#include <algorithm>

#include "game/VDoc.h"
#include "model/Enterprise.h"
#include "model/InfoLogLines.h"
#include "model/PersonData.h"
#include "platform/ui/Cursor.h"
#include "platform/ui/Rect.h"
#include "platform/ui/Styles.h"
#include "platform/ui/SystemMetrics.h"
#include "views/OwnerRow.h"

namespace {

// The name of a person's company; empty when it has none.
std::string CompanyNameOf(const CPersonData& person) {
    const CEnterprise* company = OwnerRow::CompanyAt(person.GetEmployer());
    return company ? company->GetName() : std::string();
}

CEnterprise* CompanyOf(const CPersonData& person) {
    CVDoc* doc = OwnerRow::Document();
    return doc ? doc->GetEnterprise(person.GetEmployer()) : nullptr;
}

}  // namespace

CInfoWnd::CInfoWnd() : m_title(*this) {}

int CInfoWnd::OnCreate(CREATESTRUCT* create) {
    if (CWnd::OnCreate(create) == -1) return -1;
    const CRect empty(0, 0, 0, 0);
    if (!m_title.Create("VELMO_NoBackWindow", nullptr, WS_CHILD | WS_VISIBLE, empty, this,
                        kTitleId))
        return -1;
    if (!m_pages.CreateEx(WS_EX_CLIENTEDGE, "VELMO_3DFaceWindow", nullptr, WS_CHILD | WS_VISIBLE,
                          empty, this, 0))
        return -1;
    if (!m_log.CreateEx(WS_EX_CLIENTEDGE, "VELMO_3DFaceWindow", nullptr,
                        WS_CHILD | WS_VISIBLE | WS_VSCROLL, empty, this, 0))
        return -1;
    m_gap = GetSystemMetrics(SM_CXDLGFRAME);
    return 0;
}

void CInfoWnd::OnSize(UINT type, int cx, int cy) {
    CWnd::OnSize(type, cx, cy);
    LayoutPanes(cx, cy);
}

void CInfoWnd::LayoutPanes(int cx, int cy) {
    const int ch = OwnerRow::LayoutSize().cy;
    const int below = std::max(cy - ch, 0);
    if (m_title.IsWindow()) {
        m_title.SetWindowPos(nullptr, 0, 0, std::max(cx, 0), ch, SWP_NOZORDER);
        m_title.Invalidate(TRUE);
    }
    const int split = std::max(static_cast<int>(cx * m_splitRatio), 0);
    if (m_pages.IsWindow()) m_pages.SetWindowPos(nullptr, 0, ch, split, below, SWP_NOZORDER);
    if (m_log.IsWindow()) {
        m_log.SetWindowPos(nullptr, split + m_gap, ch, std::max(cx - split - m_gap, 0), below,
                           SWP_NOZORDER);
    }
}

void CInfoWnd::AddMessage(const std::string& text) {
    m_log.AddMessage(text, 1, -1);
}

// ---------------------------------------------------------------- splitter

BOOL CInfoWnd::OnSetCursor(CWnd* wnd, UINT hitTest, UINT message) {
    if (wnd != this) return CWnd::OnSetCursor(wnd, hitTest, message);
    SetCursor(CCursor::LoadStandard(IDC_SIZEWE));
    return TRUE;
}

void CInfoWnd::RememberSize() {
    CRect client;
    GetClientRect(&client);
    m_dragWidth = client.Width();
    m_dragHeight = client.Height();
    m_split = static_cast<int>(m_dragWidth * m_splitRatio);
}

void CInfoWnd::OnLButtonDown(UINT, CPoint point) {
    SetCapture();
    m_dragStart = m_dragLast = point;
    RememberSize();
}

void CInfoWnd::OnMouseMove(UINT, CPoint point) {
    if (GetCapture() != this) return;
    DragSplitTo(point);
    m_dragStart = m_dragLast = point;
}

void CInfoWnd::OnLButtonUp(UINT, CPoint point) {
    if (GetCapture() != this) return;
    ReleaseCapture();
    DragSplitTo(point);
}

void CInfoWnd::DragSplitTo(CPoint point) {
    m_split += point.x - m_dragStart.x;
    m_split = std::max(0, std::min(m_split, m_dragWidth - m_gap));
    // A window without width (minimised) keeps the ratio it had.
    if (m_dragWidth > 0) m_splitRatio = static_cast<double>(m_split) / m_dragWidth;
    LayoutPanes(m_dragWidth, m_dragHeight);
    RememberSize();
}

// ---------------------------------------------------------------- report lines

void CInfoWnd::ReportProjectHead(const CPersonData& director, BOOL withCompany) {
    const int months = director.GetTaskProgress();
    AddMessage(withCompany ? CInfoLogLines::CompanyProjectHead(CompanyNameOf(director),
                                                               director.GetName(), months)
                           : CInfoLogLines::ProjectHead(director.GetName(), months));
}

void CInfoWnd::ReportSalariesChanged(CEnterprise& company) {
    company.BeginReport();
    AddMessage(CInfoLogLines::SalariesChanged());
}

void CInfoWnd::ReportSalaryChanged(CEnterprise& company, const CPersonData& director) {
    company.BeginReport();
    AddMessage(CInfoLogLines::SalaryChanged(director.GetName(), director.GetSalary()));
}

void CInfoWnd::ReportAdvertisingChanged(CEnterprise& company) {
    company.BeginReport();
    AddMessage(CInfoLogLines::AdvertisingChanged());
}

void CInfoWnd::ReportRecruited(const CPersonData& director, const CPersonData& person) {
    if (CEnterprise* company = CompanyOf(director)) company->BeginReport();
    AddMessage(CInfoLogLines::Recruited(person.GetName()));
    ReportProjectHead(director, FALSE);
}

void CInfoWnd::ReportHeadhunted(const CPersonData& director, const CPersonData& person) {
    AddMessage(CInfoLogLines::Headhunted(CompanyNameOf(director), person.GetName(),
                                         CompanyNameOf(person)));
    ReportProjectHead(director, FALSE);
}

void CInfoWnd::ReportStockPurchase(CEnterprise& buyer, const CEnterprise& stock, int count,
                                   BOOL otherBuyer) {
    if (otherBuyer) {
        AddMessage(CInfoLogLines::StockPurchase(buyer.GetName(), stock.GetName(), count));
        return;
    }
    buyer.BeginReport();
    AddMessage(CInfoLogLines::OwnStockPurchase(count, stock.GetName()));
}

void CInfoWnd::ReportStrike(const CEnterprise& company) {
    AddMessage(CInfoLogLines::Strike(company.GetName()));
}

void CInfoWnd::ReportLeaguePopularity(int league, BOOL rose) {
    AddMessage(CInfoLogLines::LeaguePopularity(league, rose != FALSE));
}
