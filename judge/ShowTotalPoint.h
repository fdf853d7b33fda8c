#pragma once
// The total ranking table shown over the company rows once the results are
// in: one column per company with its final place, total and first places,
// one row per announcement step with every company's points and place on
// it, and, at the press of its button, a ranking strip between the labels
// and the columns with the company marks in each step's order.

#include <string>
#include <vector>

#include "judge/NextBtn.h"
#include "platform/ui/ScrollBar.h"
#include "platform/ui/Wnd.h"

class CDC;

namespace judge {

class CArboDoc;

class CShowTotalPoint : public CWnd {
public:
    static constexpr UINT kButtonId = 1000;
    static constexpr UINT kColumnBarId = 1001;
    static constexpr UINT kRowBarId = 1002;
    static constexpr UINT kCornerId = 1004;
    static constexpr UINT kLeftCornerId = 1005;
    static constexpr int kColumnChars = 17;
    static constexpr int kLabelChars = 36;
    static constexpr int kButtonChars = 18;
    // Rows above the steps: name, place, total, first places, the head of
    // the step rows.
    static constexpr int kHeadRows = 5;
    static constexpr const char* kShowRankingText = "Display Ranking";
    static constexpr const char* kHideRankingText = "Hide Ranking";

    explicit CShowTotalPoint(CArboDoc* doc) : m_doc(doc) {}

    // The window (class "MERCAVO_JUDGE_3DFaceWindow", modal frame, hidden)
    // and its controls; false when one cannot be made.
    bool CreateTable(CWnd* parent);
    // Each step's companies, best place first, index order among equals
    // (from the judged steps' places); 0 when memory runs out.
    int BuildPageOrders();
    static std::vector<int> StepOrder(const std::vector<int>& ranks);
    const std::vector<std::vector<int>>& GetPageOrders() const { return m_orders; }

    // The companies the strip shows on a step, in the step's order: those
    // with points on it.
    std::vector<int> StripCompanies(int step) const;
    // A company's cell on a step: "points(place)", or "--" without points.
    static std::string CellText(int points, int rank);

    void UpdateRankingButtonText();
    bool IsRankingShown() const { return m_rankingShown; }
    // The button's command: the strip shown or hidden, the columns from the
    // first again.
    void ToggleRanking();

    // Bars, corner panes and the visible counts for a client of w x h.
    void Layout(int width, int height);
    int GetFirstColumn() const { return m_firstColumn; }
    int GetFirstRow() const { return m_firstRow; }
    int GetVisibleColumns() const { return m_visibleColumns; }
    int GetVisibleRows() const { return m_visibleRows; }
    bool IsColumnBarShown() const { return m_columnBar; }
    bool IsRowBarShown() const { return m_rowBar; }
    void SetFirstColumn(int64_t column);
    void SetFirstRow(int64_t row);
    // A scroll position kept within 0 .. count - visible.
    static int ClampPosition(int64_t position, int count, int visible);

    // The company of the column under a point of the head rows, or -1.
    int HitTest(CPoint point) const;

    // The whole table painted into a width x height area of dc.
    void DrawTable(CDC& dc, int width, int height);

    CNextBtn& GetButton() { return m_button; }
    CScrollBar& GetColumnBar() { return m_columnBarWnd; }
    CScrollBar& GetRowBar() { return m_rowBarWnd; }

    // Measures of the table in pixels.
    struct SMeasures {
        int charWidth;
        int charHeight;
        int markWidth;
        int markHeight;
        int rowHeight;
        int columnWidth;
        int labelWidth;
        int stripWidth;
        // Where the company columns start.
        int Left() const { return labelWidth + stripWidth; }
        int Head() const { return kHeadRows * rowHeight; }
    };
    SMeasures Measures() const;

protected:
    void OnPaint() override;
    void OnSize(UINT type, int cx, int cy) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnHScroll(UINT code, UINT pos, CWnd* scrollBar) override;
    void OnVScroll(UINT code, UINT pos, CWnd* scrollBar) override;
    BOOL OnMouseWheel(UINT flags, short delta, CPoint point) override;

private:
    int CompanyCount() const;
    int StepCount() const;
    // One past the last visible company column.
    int LastColumn() const;
    void UpdateBars();
    void MeasureLabels();
    void DrawHead(CDC& dc, const SMeasures& m, int width);
    void DrawStepLabels(CDC& dc, const SMeasures& m, int height);
    void DrawStrip(CDC& dc, const SMeasures& m, int height);
    void DrawCells(CDC& dc, const SMeasures& m, int width, int height);

    CArboDoc* m_doc;
    CNextBtn m_button;
    CScrollBar m_columnBarWnd;
    CScrollBar m_rowBarWnd;
    CWnd m_corner;
    CWnd m_leftCorner;
    std::vector<std::vector<int>> m_orders;
    bool m_rankingShown = false;
    int m_firstColumn = 0;
    int m_firstRow = 0;
    int m_visibleColumns = 1;
    int m_visibleRows = 1;
    bool m_columnBar = false;
    bool m_rowBar = false;
    int m_width = 0;
    int m_height = 0;
    // The widest step label in its font.
    int m_labelsWidth = 0;
};

}  // namespace judge
