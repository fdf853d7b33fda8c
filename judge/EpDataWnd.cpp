#include "judge/EpDataWnd.h"

#include <algorithm>

#include "judge/ArboApp.h"
#include "judge/ArboDoc.h"
#include "judge/JudgeFormat.h"
#include "model/ColorTable.h"
#include "model/Formatting.h"
#include "model/Saturate.h"
#include "platform/core/TextFormat.h"
#include "platform/gfx/SystemColors.h"
#include "platform/ui/PaintDC.h"
#include "platform/ui/SystemMetrics.h"

namespace judge {

CEpDataWnd::SBar CEpDataWnd::ComputeBar(int64_t g, int64_t m, int p) {
    // 64 bits: funds and property times 1000 pass the 32-bit range.
    if (m > 0) {
        const int64_t share = std::min<int64_t>(int64_t{p} * kBarFull / 100, g * kBarFull / m);
        return {0, kBarFull, ClampToInt(share)};
    }
    if (m < 0) {
        const int64_t share = std::max<int64_t>(int64_t{p} * -kBarFull / 100, g * -kBarFull / m);
        return {-kBarFull, 0, ClampToInt(share)};
    }
    return {0, 1, 0};
}

std::string CEpDataWnd::FormatPageValue(int page, int value) {
    switch (page) {
        case 0:
        case 1:
        case 8:
        case 9:
            return FormatText("%6d", value);
        case 2:
            return FormatText("%6d people", value);
        case 3:
            return FormatText("%4d.%02d", value / 100, value % 100);
        case 4:
            return FormatText("%3d area", value);
        case 5:
            return FormatText("%4d", value);
        case 6:
        case 18:
            return FormatText("%8d", value);
        case 7:
            return FormatText("%3d", value);
        case 10:
        case 11:
        case 12:
        case 16:
        case 17:
            return value == 0 ? "  None" : FormatCount("%3d", value);
        case 13:
        case 14:
        case 15:
            // Attendance is kept in units of ten thousand people.
            return value == 0 ? "  None"
                              : "  " + FormatWithCommas(int64_t{value} * 10000) + " people";
        default:
            return "";
    }
}

bool CEpDataWnd::CreateBar() {
    return m_bar.CreateEx(WS_EX_CLIENTEDGE, CArboApp::kNormalClass, "", WS_CHILD | WS_VISIBLE,
                          CRect(0, 0, 0, 0), this, kBarId) != FALSE;
}

void CEpDataWnd::SetCompany(int company) {
    m_company = company;
    const CEnterprise* record = m_doc ? m_doc->GetCompany(company) : nullptr;
    const int colour = record ? record->Record().GetColor() : 0;
    m_bar.SetColors(GetColorTableEntry(colour), GetSysColor(COLOR_BTNFACE));
}

void CEpDataWnd::UpdateBar() {
    const CEnterprise* record = m_doc ? m_doc->GetCompany(m_company) : nullptr;
    if (!record) return;
    const int page = m_doc->GetPage();
    // The bar scale is taken from the values as they are ranked (debt and
    // strikes counted down), so the company's value is taken the same way:
    // its share then has the scale's sign and the bar grows from the right.
    const SBar bar = ComputeBar(record->GetJudgeValue(page, 1), m_doc->GetBarScale(),
                                std::clamp(m_doc->GetCountUp(), 0, 100));
    m_bar.SetRange(bar.minimum, bar.maximum);
    m_bar.SetValue(bar.value);
    if (m_bar.IsWindow()) m_bar.RedrawWindow();
}

void CEpDataWnd::SetTextShown(bool shown) {
    m_textShown = shown;
    if (IsWindow()) RedrawWindow();
}

void CEpDataWnd::OnSize(UINT type, int cx, int cy) {
    CWnd::OnSize(type, cx, cy);
    CArboApp* app = CArboApp::Get();
    const int ch = app ? app->GetCharSize().cy : 0;
    // One text line, a quarter line of space, then the bar.
    const int top = ch + ch / 4;
    if (m_bar.IsWindow()) m_bar.MoveWindow(0, top, cx, std::max(0, cy - top), TRUE);
}

void CEpDataWnd::DrawTexts(CDC& dc) {
    CArboApp* app = CArboApp::Get();
    const CEnterprise* record = m_doc ? m_doc->GetCompany(m_company) : nullptr;
    if (!m_textShown || !app || !record) return;
    const int page = m_doc->GetPage();
    CPalette* palette = app->GetPalette();
    CPalette* oldPalette = palette ? dc.SelectPalette(palette, FALSE) : nullptr;
    if (palette) dc.RealizePalette();
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(GetSysColor(COLOR_BTNTEXT));
    const int lineHeight = app->GetCharSize().cy;
    int x = 2;
    // Each run sits on the text line's baseline.
    auto run = [&](int font, const std::string& text) {
        CFont* old = dc.SelectObject(app->GetFont(font));
        const CSize size = dc.GetTextExtent(text);
        dc.TextOut(x, std::max(0, lineHeight - size.cy), text);
        dc.SelectObject(old);
        x += size.cx;
    };
    run(2, FormatOrdinal(record->GetRank() + 1));
    run(1, " " + FormatPageValue(page, record->GetJudgeValue(page, 0)));
    run(1, "   point ");
    run(2, FormatText("%d", record->GetJudgePoints(page)));
    const int bonus = m_doc->GetBonusPoints(m_company);
    if (bonus > 0) run(1, FormatText("+%d", bonus));
    if (oldPalette) dc.SelectPalette(oldPalette, FALSE);
}

void CEpDataWnd::OnPaint() {
    CPaintDC dc(this);
    DrawTexts(dc);
}

}  // namespace judge
