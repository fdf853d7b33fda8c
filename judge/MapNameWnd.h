#pragma once
// The area name strip on the judgment's map: the shown area's name
// centred. Its default size fits the longest area name and sits at the
// map's bottom-left corner; it can be dragged within the map and given
// back that size from its menu.

#include "judge/MapChildDrag.h"
#include "platform/ui/Wnd.h"

class CDC;

namespace judge {

class CArboDoc;
class CArboView;

class CMapNameWnd : public CWnd {
public:
    CMapNameWnd(CArboDoc* doc, CArboView* view) : m_doc(doc), m_view(view) {}
    bool CreateStrip(CWnd* parent, UINT id);
    // The widest and tallest area name, two edges and 10 pixels each way,
    // at most the parent's client.
    CSize ComputeDefaultSize();
    CSize GetDefaultSize() const { return m_defaultSize; }
    // Back to the default size at the parent's bottom-left corner.
    void RestoreDefaultSize();
    void DrawName(CDC& dc, int width, int height);

protected:
    void OnPaint() override;
    void OnLButtonDown(UINT flags, CPoint point) override;
    void OnLButtonUp(UINT flags, CPoint point) override;
    void OnRButtonUp(UINT flags, CPoint point) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnGetMinMaxInfo(MINMAXINFO* info) override;

private:
    CArboDoc* m_doc;
    CArboView* m_view;
    CSize m_defaultSize;
    CMapChildDrag m_drag;
};

}  // namespace judge
