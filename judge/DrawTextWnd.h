#pragma once
// A pane of running text: runs of text in the application's fonts and
// colours, each optionally led by a company mark, on lines whose height
// follows their tallest run. Lines scroll vertically by one line,
// horizontally by pixels.

#include <string>
#include <vector>

#include "platform/ui/Wnd.h"

class CDC;

namespace judge {

class CDrawTextWnd : public CWnd {
public:
    // A style of at least kMarkStyleMin draws that mark (-2..31) first.
    static constexpr int kMarkStyleMin = -2;
    static constexpr int kNoMark = -3;

    struct SRun {
        int x;  // -1: after the previous run
        int line;
        std::string text;
        int font;
        int colour;  // colour-table entry; -1 the button-text colour
        int style;
        int maxRight;  // above 0 clips the run
    };

    // Appends a run, on a new line when asked (or when there is none yet);
    // re-measures the lines.
    int AddText(const std::string& text, int font, int colour, bool newLine, int style = kNoMark,
                int maxRight = 0);
    void ClearText();
    // Re-lays and repaints.
    virtual void Refresh();
    // Centres the runs of a line in the client width; the shift.
    int CenterLine(int line);

    int GetLineCount() const { return static_cast<int>(m_lineHeights.size()); }
    int GetLineHeight(int line) const { return m_lineHeights[static_cast<size_t>(line)]; }
    int GetFirstLine() const { return m_firstLine; }
    const std::vector<SRun>& GetRuns() const { return m_runs; }
    // The texts of a line's runs joined.
    std::string GetLineText(int line) const;
    // The runs painted into a width x height area of dc.
    void DrawRuns(CDC& dc, int width, int height) const;

protected:
    // Width of a line's runs; the measure of one run's text in its font.
    int LineWidth(int line) const;
    static CSize Measure(int font, const std::string& text);
    void Remeasure();
    // A line is complete: a new line started after it, or the text is
    // cleared.
    virtual void OnLineEnded(int line) { (void)line; }
    void SetFirstLine(int line) { m_firstLine = line; }

    void OnPaint() override;
    void OnVScroll(UINT code, UINT pos, CWnd* scrollBar) override;
    void OnHScroll(UINT code, UINT pos, CWnd* scrollBar) override;

    std::vector<SRun> m_runs;
    std::vector<int> m_lineHeights;
    int m_firstLine = 0;
    int m_offsetX = 0;
};

}  // namespace judge
