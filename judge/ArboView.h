#pragma once
// The judgment's view: the main window's client area in four panes. The
// top frame runs across the top; below it the company pane on the left and,
// on the right, the map of one area (mode 1) or the item pane (modes 2 to
// 5: item list, directors, league cards, yearly charts). Mode 0 shows no
// lower-right pane. The two split lines are kept as ratios per mille of the
// client size, so the panes follow the window's size.

#include <vector>

#include "judge/EpFrameWnd.h"
#include "judge/JudgeTextFrameWnd.h"
#include "judge/JudgeView.h"
#include "judge/MapFrameWnd.h"
#include "judge/TopFrameWnd.h"
#include "platform/ui/Wnd.h"

namespace judge {

class CArboDoc;

class CArboView : public CWnd, public IJudgeView {
public:
    static constexpr int kModeNone = 0;
    static constexpr int kModeMap = 1;
    static constexpr int kModeItemList = 2;

    explicit CArboView(CArboDoc* doc);
    ~CArboView() override;

    // ---- IJudgeView
    bool CreatePanes() override;

    // Places the panes for a client of w x h.
    void LayoutPanes(int w, int h);
    // Places the panes for the client as it is.
    void LayoutToClient();
    // The top frame's lower edge was dragged to y; the company pane's right
    // edge to x. Nothing while the client has no height (or width).
    void SetTopHeight(int y);
    void SetLeftWidth(int x);
    void SetDisplayMode(int mode, BOOL force);
    int GetDisplayMode() const { return m_mode; }
    // 1 when the area became the shown one, 0 when it was shown already.
    int ShowAreaMap(int area);
    int GetShownArea() const { return m_area; }
    // Turns the document's map direction to d (0..3): 1, or 0 when it
    // faces d already.
    int SetMapDirection(int d);
    // The quarter turns from direction `from` to `to`: none for the same
    // direction, two turns of -1 for a half turn, else one turn.
    static std::vector<int> TurnSteps(int from, int to);
    // Where a dragged edge strip of size `edge` puts the split: the pointer
    // at pos moves the strip that started at edgeStart (pressed at
    // pressPos), kept within the parent; the split is the strip's far side.
    static int DraggedEdge(int pos, int edgeStart, int pressPos, int parentSize, int edge);

    int GetHorizontalRatio() const { return m_horizontalRatio; }
    int GetVerticalRatio() const { return m_verticalRatio; }
    void SetRatios(int horizontal, int vertical);

    // The text pane's prompt (shown or hidden; text nullptr keeps its text).
    void ShowPrompt(bool show, const char* text);

    CTopFrameWnd& GetTopFrame() { return m_topFrame; }
    CEpFrameWnd& GetCompanyPane() { return m_companyPane; }
    CMapFrameWnd& GetMapFrame() { return m_mapFrame; }
    CJudgeTextFrameWnd& GetItemPane() { return m_itemPane; }

protected:
    void OnSize(UINT type, int cx, int cy) override;
    void OnDestroy() override;

private:

    CArboDoc* m_doc;
    CTopFrameWnd m_topFrame;
    CEpFrameWnd m_companyPane;
    CMapFrameWnd m_mapFrame;
    CJudgeTextFrameWnd m_itemPane;
    int m_mode = kModeItemList;
    int m_area = 0;
    int m_horizontalRatio = 500;
    int m_verticalRatio = 200;
};

}  // namespace judge
