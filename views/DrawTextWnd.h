#pragma once
// The scrolling text window that dialogs embed: runs of text, each with a
// position, a colour, a font, a company colour mark and a right limit, laid
// out on lines of varying height, with scroll bars when the text does not
// fit. Text is bottom-aligned on its line and drawn embossed (a highlight
// copy one pixel down and right). A click on a line posts
// WM_BLOCK_LINE_CLICKED with the line + 1 to the parent.
//
// Runs are measured once, when they are added, with a context of the main
// window (or a memory context of the same fonts); the window works without
// being created, so that a box can fill it before it opens.

#include <string>
#include <vector>

#include "platform/ui/GdiDefs.h"
#include "platform/ui/Point.h"
#include "platform/ui/Size.h"
#include "platform/ui/Wnd.h"

class CDC;
class CFont;

class CDrawTextWnd : public CWnd {
public:
    // A mark below -2 means none; marks -2..31 are drawn.
    static constexpr int kNoMark = -3;

    struct SRun {
        // x >= 0 places the run; x < 0 continues after the previous run.
        // y is the line.
        CPoint pos;
        std::string text;
        COLORREF colour = 0;
        CFont* font = nullptr;
        int mark = kNoMark;
        // 0 or less: none; else the x at which the text is clipped.
        int rightLimit = 0;
        // The measured text extent + 2 in both directions.
        CSize size;
    };

    // Which scroll bars text of a size needs in a client area: the vertical
    // bar takes barWidth off the width, the horizontal barHeight off the
    // height, and a bar once needed stays needed (two passes).
    struct SBars {
        bool horizontal = false;
        bool vertical = false;
        int width = 0;
        int height = 0;
    };
    static SBars DecideBars(CSize client, CSize content, int barWidth, int barHeight);
    // Whether a run's mark is drawn (and takes room).
    static bool HasMark(int mark) { return mark >= -2 && mark <= 31; }

    // Appends one run and recomputes the line heights; TRUE, or FALSE when
    // memory runs out. Does not repaint: call Layout when all are added.
    BOOL AddText(CPoint pos, const std::string& text, COLORREF colour, CFont* font, int mark,
                 int rightLimit);
    // Removes all runs and lines and invalidates the window. The scroll
    // positions stay until the next Layout.
    void Clear();
    // Centres the runs of a line in the client area; nothing when the line
    // is wider.
    void CenterLine(int line);
    // Sets up or hides both scroll bars for the text, and shows it from its
    // first line and left edge.
    void Layout();
    // The sum of the line heights, plus one mark cell with withMark.
    int GetTextHeight(int withMark) const;

    const std::vector<SRun>& GetRuns() const { return m_runs; }
    const std::vector<int>& GetLineHeights() const { return m_lineHeights; }
    // Lines 0 .. the largest line index used.
    int GetLineCount() const { return static_cast<int>(m_lineHeights.size()); }
    // A line's runs joined, as plain text.
    std::string GetLineText(int line) const;
    int GetFirstLine() const { return m_firstLine; }
    int GetScrollX() const { return m_scrollX; }
    // The report box keeps whether its lines are picks (advice).
    void SetLineClick(int flag) { m_lineClick = flag; }
    int IsLineClick() const { return m_lineClick; }

    // Where the runs of the visible lines go, in text coordinates: per run
    // its mark's x, its text's x (after the mark) and right end, its line's
    // bottom and whether any of its text shows. The painting and the tests
    // share it.
    struct SPlacedRun {
        int index = 0;
        int markX = 0;
        int x = 0;
        int right = 0;
        int bottom = 0;
        bool drawn = false;
    };
    std::vector<SPlacedRun> PlaceRuns() const;

protected:
    void OnPaint() override;
    void OnHScroll(UINT code, UINT pos, CWnd* scrollBar) override;
    void OnVScroll(UINT code, UINT pos, CWnd* scrollBar) override;
    void OnLButtonUp(UINT flags, CPoint point) override;

    // The run's extent + 2, measured with its font.
    static CSize MeasureRun(const std::string& text, CFont* font);
    // Step of the line heights for one run: the line grows to fit the run
    // and its mark.
    static void FitLine(int& height, const SRun& run);
    // The height of an empty line: the layout height + 2.
    static int EmptyLineHeight();

private:
    int ClientWidth() const;
    void DrawRun(CDC& dc, const SRun& run, const SPlacedRun& placed) const;

    std::vector<int> m_lineHeights;
    std::vector<SRun> m_runs;
    int m_scrollX = 0;
    int m_firstLine = 0;
    int m_pageX = 0;
    int m_lineClick = 0;
};
