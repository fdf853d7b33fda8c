#include "shell/ReportLines.h"

#include "model/Enterprise.h"
#include "views/DrawTextWnd.h"

CReportLines::CReportLines(CDrawTextWnd& text, CFont* normal, CFont* bold, COLORREF colour)
    : m_text(text), m_normal(normal), m_bold(bold), m_colour(colour) {}

CReportLines& CReportLines::Line(int y, int x) {
    m_y = y;
    m_x = x;
    return *this;
}

CReportLines& CReportLines::Text(const std::string& text) {
    Add(text, m_normal, CDrawTextWnd::kNoMark);
    return *this;
}

CReportLines& CReportLines::Bold(const std::string& text) {
    Add(text, m_bold, CDrawTextWnd::kNoMark);
    return *this;
}

CReportLines& CReportLines::Number(int64_t value) {
    return Bold(std::to_string(value));
}

CReportLines& CReportLines::Company(const CEnterprise* company, bool withMark) {
    if (company)
        Add(company->GetName(), m_bold, withMark ? company->GetColor() : CDrawTextWnd::kNoMark);
    return *this;
}

void CReportLines::Add(const std::string& text, CFont* font, int mark) {
    m_text.AddText(CPoint(m_x, m_y), text, m_colour, font, mark, 0);
    m_x = -1;
}
