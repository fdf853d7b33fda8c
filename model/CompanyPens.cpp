#include "model/CompanyPens.h"

#include "model/ColorTable.h"
#include "platform/gfx/SystemColors.h"

bool CCompanyPens::Create() {
    Release();
    bool made = m_grayText.CreatePen(PS_SOLID, 1, CSystemColors::Color(COLOR_GRAYTEXT));
    for (int i = 0; made && i < kCompanyColorCount; ++i) {
        const COLORREF colour = GetColorTableEntry(i);
        made = m_solid[i].CreatePen(PS_SOLID, 1, colour) && m_dot[i].CreatePen(PS_DOT, 1, colour) &&
               m_brush[i].CreateSolidBrush(colour);
    }
    if (!made) Release();
    return made;
}

void CCompanyPens::Release() {
    for (int i = kCompanyColorCount - 1; i >= 0; --i) {
        m_brush[i].DeleteObject();
        m_dot[i].DeleteObject();
        m_solid[i].DeleteObject();
    }
    m_grayText.DeleteObject();
}

CPen* CCompanyPens::GetSolidPen(int colour) {
    return IsColour(colour) ? &m_solid[colour] : nullptr;
}

CPen* CCompanyPens::GetDotPen(int colour) {
    return IsColour(colour) ? &m_dot[colour] : nullptr;
}

CBrush* CCompanyPens::GetBrush(int colour) {
    return IsColour(colour) ? &m_brush[colour] : nullptr;
}
