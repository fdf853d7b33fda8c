#include "views/InfoBtn.h"

#include "model/DrawingHelpers.h"
#include "model/Enterprise.h"
#include "platform/ui/DC.h"
#include "platform/ui/KeyState.h"
#include "platform/ui/SystemMetrics.h"
#include "views/AreaFocus.h"
#include "views/OwnerRow.h"
#include "views/RowPaintScope.h"
#include "views/SelectInfoWnd.h"

namespace {

constexpr int kNameGap = 7;
constexpr int kMarkGap = 3;

}  // namespace

void CInfoBtn::DrawItem(LPDRAWITEMSTRUCT dis) {
    if (!dis || !dis->hDC) return;
    CDC& dc = *dis->hDC;
    const CRect rect(dis->rcItem);
    const bool selected = m_index >= 0 && m_selector.GetSelected() == m_index;
    const bool down = selected || (dis->itemState & ODS_SELECTED) != 0;
    const int d = down ? 1 : 0;
    CRowPaintScope scope(dc);
    dc.SetBkColor(GetSysColor(selected ? COLOR_ACTIVECAPTION : COLOR_BTNFACE));
    dc.SetTextColor(GetSysColor(selected ? COLOR_CAPTIONTEXT : COLOR_BTNTEXT));
    dc.ExtTextOut(rect.left, rect.top, ETO_OPAQUE | ETO_CLIPPED, &rect, std::string());
    const int style = selected ? 1 : 0;
    const CEnterprise* company = m_index >= 1 ? OwnerRow::CompanyAt(m_index - 1) : nullptr;
    if (m_index == 0) {
        const std::string text = "Company list";
        const CSize extent = dc.GetTextExtent(text);
        const CPoint origin((rect.Width() - extent.cx) / 2 + d, (rect.Height() - extent.cy) / 2 + d);
        DrawColoredText(dc, text, rect, origin, style, FALSE, 0, -1);
    } else if (company) {
        const CSize extent = dc.GetTextExtent(company->GetName());
        const CPoint origin(OwnerRow::MarkCell().cx + kNameGap + d,
                            (rect.Height() - extent.cy) / 2 + d);
        DrawColoredText(dc, company->GetName(), rect, origin, style, FALSE, 0, -1);
    }
    DrawButtonFace(dc, rect, dis->itemState & ODS_FOCUS, down);
    if (company) {
        OwnerRow::DrawCompanyMark(dc, OwnerRow::MarkCell().cx / 2 + kMarkGap + d,
                                  rect.Height() / 2 + d, company);
    }
}

BOOL CInfoBtn::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    if (message != WM_COMMAND || HIWORD(wParam) != BN_CLICKED)
        return CButton::OnChildNotify(message, wParam, lParam, result);
    if (m_index >= 0) m_selector.Select(m_index, TRUE);
    if (result) *result = 0;
    return TRUE;
}

void CInfoBtn::OnKeyDown(UINT key, UINT repeat, UINT flags) {
    if (m_index >= 0) {
        if (key == static_cast<UINT>(VK_UP)) {
            m_selector.MoveFocus(m_index - 1);
        } else if (key == static_cast<UINT>(VK_DOWN)) {
            m_selector.MoveFocus(m_index + 1);
        } else if (key == static_cast<UINT>(VK_TAB)) {
            if (GetKeyState(VK_SHIFT) < 0) {
                AreaFocus::FocusFirstAreaButton(*this);
            } else {
                m_selector.FocusTabs();
            }
        }
    }
    CButton::OnKeyDown(key, repeat, flags);
}
