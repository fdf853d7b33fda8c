#pragma once
// The text window of the report box: runs of text, each with a position, a
// colour, a font, a company colour mark and a right limit, on numbered
// lines. For now it keeps the runs in the order they were added and the
// line-click flag; the box shows the lines as plain text.

#include <string>
#include <vector>

#include "platform/ui/GdiDefs.h"
#include "platform/ui/Point.h"
#include "platform/ui/Wnd.h"

class CFont;

class CDrawTextWnd : public CWnd {
public:
    // A mark below -2 means none.
    static constexpr int kNoMark = -3;

    struct SRun {
        // x >= 0 places the run; x < 0 continues after the previous run.
        // y is the line.
        CPoint pos;
        std::string text;
        COLORREF colour = 0;
        CFont* font = nullptr;
        int mark = kNoMark;
        int rightLimit = 0;
    };

    // Appends one run; TRUE, or FALSE when memory runs out.
    BOOL AddText(CPoint pos, const std::string& text, COLORREF colour, CFont* font, int mark,
                 int rightLimit);
    void Clear();
    const std::vector<SRun>& GetRuns() const { return m_runs; }
    // Lines 0 .. the largest line index used.
    int GetLineCount() const;
    // A line's runs joined, as plain text.
    std::string GetLineText(int line) const;
    void SetLineClick(int flag) { m_lineClick = flag; }
    int IsLineClick() const { return m_lineClick; }

private:
    std::vector<SRun> m_runs;
    int m_lineClick = 0;
};
