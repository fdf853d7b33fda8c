#pragma once
// The list a combo box drops: a pop-up below the box that holds the mouse
// until an item is chosen or the user clicks elsewhere.

#include "platform/ui/Wnd.h"

class CComboBox;

class CComboDropList : public CWnd {
public:
    explicit CComboDropList(CComboBox* combo) : m_combo(combo) {}
    BOOL Open(const CRect& screenRect, int itemHeight, int count, int selected);
    int Hot() const { return m_hot; }
    void SetHot(int index);

protected:
    void OnPaint() override;
    BOOL OnEraseBkgnd(CDC* dc) override;
    void OnMouseMove(UINT flags, CPoint point) override;
    void OnLButtonDown(UINT flags, CPoint point) override;
    void OnLButtonUp(UINT flags, CPoint point) override;
    void OnVScroll(UINT code, UINT pos, CWnd* scrollBar) override;
    BOOL OnMouseWheel(UINT flags, short delta, CPoint point) override;

private:
    int ItemAt(CPoint point) const;
    int Visible() const;
    void SetTop(int top);
    CComboBox* m_combo;
    int m_itemHeight = 1;
    int m_count = 0;
    int m_top = 0;
    int m_hot = -1;
    bool m_pressedInside = false;
};
