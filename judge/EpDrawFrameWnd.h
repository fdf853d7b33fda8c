#pragma once
// The scrolling pane of company rows: one row per company of the judgment
// document. When the pane is high enough the rows share its height;
// otherwise the rows keep their height and a vertical scroll bar pages
// through them.

#include <memory>
#include <vector>

#include "judge/EpWnd.h"
#include "judge/ShowTotalPoint.h"
#include "platform/ui/Wnd.h"

namespace judge {

class CArboDoc;

class CEpDrawFrameWnd : public CWnd {
public:
    explicit CEpDrawFrameWnd(CArboDoc* doc)
        : m_doc(doc), m_overlay(std::make_unique<CShowTotalPoint>(doc)) {}
    ~CEpDrawFrameWnd() override;

    // The pane and one row per company; false when a window cannot be made.
    bool CreatePane(CWnd* parent);

    // The height of one row: the larger of the character and the mark
    // height, plus two lines.
    static int RowHeight(int charHeight, int markHeight);
    int GetRowHeight() const;

    void LayoutRows(int width, int height);
    void UpdateAllBars();
    void ShowAllBars(bool show);
    void SetTextShownAll(bool shown);

    int GetRowCount() const { return static_cast<int>(m_rows.size()); }
    CEpWnd& GetRow(int i) { return *m_rows[static_cast<size_t>(i)]; }
    // -1 while every row fits.
    int GetFirstRow() const { return m_first; }
    int GetVisibleRows() const { return m_visible; }
    // Moves the first row by delta rows within its range.
    void ScrollRows(int delta);

    // Puts the overlay over the whole pane in place of the rows and their
    // scroll bar; from then on the wheel goes to the overlay.
    void ShowOverlay();
    bool IsOverlayShown() const { return m_overlayShown; }
    CShowTotalPoint& GetOverlay() { return *m_overlay; }

protected:
    void OnSize(UINT type, int cx, int cy) override;
    void OnVScroll(UINT code, UINT pos, CWnd* scrollBar) override;
    BOOL OnMouseWheel(UINT flags, short delta, CPoint point) override;

private:
    void LayoutToClient();
    void PlaceOverlay();

    CArboDoc* m_doc;
    std::vector<std::unique_ptr<CEpWnd>> m_rows;
    int m_first = -1;
    int m_visible = 0;
    bool m_inLayout = false;
    // The total ranking table: it takes the pane over once the results are
    // shown.
    std::unique_ptr<CShowTotalPoint> m_overlay;
    bool m_overlayShown = false;
    // Set while a wheel turn is handed to the overlay: a window that does
    // not use the wheel passes it back up to this pane.
    bool m_forwardingWheel = false;
};

}  // namespace judge
