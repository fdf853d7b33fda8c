#include "dialogs/ExplainWnd.h"

#include "model/Wait.h"
#include "platform/gfx/Font.h"
#include "platform/ui/PaintDC.h"
#include "platform/ui/SystemMetrics.h"
#include "resources/IntroductionText.h"

namespace {

using mercavo_resources::IntroductionLines;
using mercavo_resources::kIntroPartOneStart;

constexpr int kMargin = 8;
constexpr int kLineGap = 2;

}  // namespace

void CExplainWnd::SetFonts(CFont* font3, CFont* message, CFont* message2) {
    m_fontTable[0] = font3;
    m_fontTable[1] = message;
    m_fontTable[2] = message2;
}

void CExplainWnd::Load(int part) {
    Clear();
    m_fonts.clear();
    if (part < 0 || part >= kParts) return;
    const auto& all = IntroductionLines();
    const int first = part == 0 ? 0 : kIntroPartOneStart;
    const int last = part == 0 ? kIntroPartOneStart : static_cast<int>(all.size());
    for (int i = first; i < last && i < static_cast<int>(all.size()); ++i) {
        m_lines.push_back(all[static_cast<size_t>(i)].text);
        m_fonts.push_back(static_cast<int>(all[static_cast<size_t>(i)].font));
    }
}

void CExplainWnd::Run(int part) {
    Load(part);
    Invalidate(TRUE);
    UpdateWindow();
    WaitMilliseconds(kShowMs, 0, 1);
}

void CExplainWnd::OnPaint() {
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    dc.FillSolidRect(client, GetSysColor(COLOR_3DFACE));
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(GetSysColor(COLOR_BTNTEXT));
    int y = kMargin;
    for (size_t i = 0; i < m_lines.size(); ++i) {
        const int index = i < m_fonts.size() ? m_fonts[i] : 1;
        CFont* font = index >= 0 && index < 3 ? m_fontTable[index] : nullptr;
        CFont* old = font ? dc.SelectObject(font) : nullptr;
        dc.TextOut(kMargin, y, m_lines[i]);
        const int height = dc.GetTextExtent(m_lines[i].empty() ? " " : m_lines[i]).cy;
        if (old) dc.SelectObject(old);
        y += height + kLineGap;
    }
}
