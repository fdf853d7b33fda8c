#pragma once
// The item pane, the lower right of the judgment screen in the view's modes
// 2 to 5: the list of the fifteen judgment items, the ranking of the best
// directors with their faces, the league cards of the companies, and the
// yearly rank charts of proceeds or profits.

#include <string>
#include <vector>

#include "platform/ui/Wnd.h"

class CDC;

namespace judge {

class CArboDoc;

class CJudgeTextFrameWnd : public CWnd {
public:
    static constexpr int kItemCount = 15;
    static constexpr int kItemColumnChars = 50;

    // The item of a judgment page (0..18); -1 outside.
    static int ItemFromPage(int page);
    static const char* ItemName(int item);

    // Where the item list goes in a client of width x height, with font 2's
    // average width w2 and line height h2 and the mark height.
    struct SListLayout {
        int rowHeight;
        int rowsPerColumn;
        int columns;
        int left;
        int top;
    };
    static SListLayout ListLayout(int width, int height, int w2, int h2, int markHeight);

    explicit CJudgeTextFrameWnd(CArboDoc* doc) : m_doc(doc) {}

    void SetItemFromPage(int page) { m_item = ItemFromPage(page); }
    int GetItem() const { return m_item; }
    void SetRevealedDirectors(int n) { m_directors = n; }
    void SetLeaguePage(int league, int kind);
    // 0 proceeds, 1 profits; years drawn so far.
    void SetYearsKind(int measure, int years);
    // The mode whose contents the pane paints (the view's lower-pane mode).
    void SetMode(int mode) { m_mode = mode; }
    // Starts the contents at the top again and shows the vertical scroll
    // bar when the league cards or the year charts need more rows than a
    // client of width x height holds.
    void Relayout(int width, int height);
    // Moves the first row by delta rows, within the scroll range.
    void ScrollRows(int delta);
    int GetFirstRow() const { return m_firstRow; }
    int GetVisibleRows() const { return m_visibleRows; }
    bool IsScrollBarShown() const { return m_barShown; }

    // The whole pane painted into a width x height area of dc.
    void Draw(CDC& dc, int width, int height);

protected:
    void OnPaint() override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnVScroll(UINT code, UINT pos, CWnd* scrollBar) override;
    BOOL OnMouseWheel(UINT flags, short delta, CPoint point) override;

private:
    // The rows that scroll in the current mode and their height; no rows
    // outside the league cards and the year charts.
    int ContentRows(int width) const;
    int RowHeight() const;
    static int LeagueCardWidth();
    static int LeagueCardHeight();
    static int YearBoxHeight();
    void LayoutScrolling(int width, int height);
    void DrawItemList(CDC& dc, int width, int height);
    void DrawDirectors(CDC& dc, int width, int height);
    void DrawLeagueCards(CDC& dc, int width, int height);
    void DrawYearCharts(CDC& dc, int width, int height);

    CArboDoc* m_doc;
    int m_mode = 2;
    int m_item = -1;
    int m_directors = 0;
    int m_league = 0;
    int m_leagueKind = 1;
    int m_yearsMeasure = 0;
    int m_years = 0;
    int m_firstRow = 0;
    int m_visibleRows = 0;
    int m_rows = 0;
    bool m_barShown = false;
    bool m_inLayout = false;
};

}  // namespace judge
