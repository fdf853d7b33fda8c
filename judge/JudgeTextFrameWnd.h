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
    void Relayout(int width, int height);

    // The whole pane painted into a width x height area of dc.
    void Draw(CDC& dc, int width, int height);

protected:
    void OnPaint() override;
    void OnSize(UINT type, int cx, int cy) override;

private:
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
};

}  // namespace judge
