#include "views/ColorCmbBox.h"

#include <string>

#include "model/ColorMarkStrip.h"
#include "model/CompanyPens.h"
#include "platform/ui/Brush.h"
#include "platform/ui/DC.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Pen.h"
#include "platform/ui/SystemMetrics.h"
#include "views/BlockHost.h"
#include "views/ColorCmbOwner.h"

namespace {

// The item's number, black with a white copy one pixel up and left.
void DrawNumber(CDC& dc, const CRect& rect, int colour, int shift) {
    const std::string text = std::to_string(colour + 1);
    const CSize size = dc.GetTextExtent(text);
    const int x = rect.left + (rect.Width() - size.cx) / 2 + shift;
    const int y = rect.top + (rect.Height() - size.cy) / 2 + shift;
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(RGB(0, 0, 0));
    dc.TextOut(x, y, text);
    dc.SetTextColor(RGB(255, 255, 255));
    dc.TextOut(x - 1, y - 1, text);
}

void DrawCross(CDC& dc, const CRect& rect, int offset, COLORREF colour) {
    CPen pen(PS_SOLID, 1, colour);
    CPen* previous = dc.SelectObject(&pen);
    dc.MoveTo(rect.left + 2 - offset, rect.top + 2 - offset);
    dc.LineTo(rect.right - 1 - offset, rect.bottom - 1 - offset);
    dc.MoveTo(rect.left + 2 - offset, rect.bottom - 1 - offset);
    dc.LineTo(rect.right - 1 - offset, rect.top + 2 - offset);
    dc.SelectObject(previous);
}

}  // namespace

void CColorCmbBox::FillColours() {
    ResetContent();
    for (int colour = 0; colour < kCompanyColorCount; ++colour) AddString(std::to_string(colour));
    SetCurSel(m_current);
}

void CColorCmbBox::SetCurrentColour(int colour) {
    m_current = colour;
    if (IsWindow()) SetCurSel(colour);
}

bool CColorCmbBox::IsAvailable(int colour) const {
    if (!m_owner) return true;
    if (m_sourceFlag) return m_owner->IsLobbyColourTaken(colour) == 0;
    const int company = m_owner->GetColourCompany(colour);
    return company == -1 || company == m_owner->GetCurrentCompany();
}

void CColorCmbBox::Beep() {
    MessageBeep(0);
}

void CColorCmbBox::OnSelChange() {
    const int chosen = GetCurSel();
    if (chosen >= 0 && IsAvailable(chosen)) {
        m_current = chosen;
        return;
    }
    Beep();
    SetCurSel(m_current);
}

BOOL CColorCmbBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    if (message == WM_COMMAND && HIWORD(wParam) == CBN_SELCHANGE) {
        OnSelChange();
        if (result) *result = 0;
        return TRUE;
    }
    return CComboBox::OnChildNotify(message, wParam, lParam, result);
}

void CColorCmbBox::DrawItem(LPDRAWITEMSTRUCT dis) {
    const int colour = static_cast<int>(dis->itemID);
    if (!dis->hDC || colour < 0 || colour >= kCompanyColorCount) return;
    CDC& dc = *dis->hDC;
    const CRect rect(dis->rcItem);
    IBlockHost* host = IBlockHost::Get();
    CCompanyPens* pens = host ? host->GetColourPens() : nullptr;
    if (CBrush* brush = pens ? pens->GetBrush(colour) : nullptr) dc.FillRect(rect, brush);
    const bool selected = (dis->itemState & ODS_SELECTED) != 0;
    const int shift = selected ? 1 : 0;
    DrawNumber(dc, rect, colour, shift);
    if (!IsAvailable(colour)) {
        DrawCross(dc, rect, 0, RGB(0, 0, 0));
        DrawCross(dc, rect, 1, RGB(255, 255, 255));
    }
    const COLORREF light = GetSysColor(selected ? COLOR_3DDKSHADOW : COLOR_BTNHIGHLIGHT);
    const COLORREF dark = GetSysColor(selected ? COLOR_BTNHIGHLIGHT : COLOR_3DDKSHADOW);
    dc.FillSolidRect(rect.left, rect.top, rect.Width(), 1, light);
    dc.FillSolidRect(rect.left, rect.top, 1, rect.Height(), light);
    dc.FillSolidRect(rect.left, rect.bottom - 1, rect.Width(), 1, dark);
    dc.FillSolidRect(rect.right - 1, rect.top, 1, rect.Height(), dark);
}
