#pragma once
// Adds the runs of a report to the report box's text window: names and
// numbers in the bold message font, the connecting words in the normal
// one, a company's name after its colour mark, all in one text colour.
// Line(y) starts a line at x 0 (or the x given); every run after the first
// of a line continues right after the previous one.

#include <cstdint>
#include <string>

#include "platform/ui/GdiDefs.h"

class CDrawTextWnd;
class CEnterprise;
class CFont;

class CReportLines {
public:
    CReportLines(CDrawTextWnd& text, CFont* normal, CFont* bold, COLORREF colour);

    CReportLines& Line(int y, int x = 0);
    CReportLines& Text(const std::string& text);
    CReportLines& Bold(const std::string& text);
    // "%d" in the bold font.
    CReportLines& Number(int64_t value);
    // The company's name in the bold font, after its colour mark unless
    // withMark is false; nothing for no company.
    CReportLines& Company(const CEnterprise* company, bool withMark = true);

private:
    void Add(const std::string& text, CFont* font, int mark);

    CDrawTextWnd& m_text;
    CFont* m_normal;
    CFont* m_bold;
    COLORREF m_colour;
    int m_y = 0;
    int m_x = 0;
};
