#pragma once
// A grid of colour swatches for the colour dialog; a click selects one and
// tells the parent (WM_COMMAND, BN_CLICKED).

#include <vector>

#include "platform/ui/Wnd.h"

class CColorGridWnd : public CWnd {
public:
    static const char* ClassName();
    void SetColors(std::vector<COLORREF> colors, int columns);
    const std::vector<COLORREF>& Colors() const { return m_colors; }
    void SetColor(int index, COLORREF color);
    int GetSelected() const { return m_selected; }
    void SetSelected(int index);
    CRect CellRect(int index) const;

protected:
    void OnPaint() override;
    BOOL OnEraseBkgnd(CDC* dc) override;
    void OnLButtonDown(UINT flags, CPoint point) override;

private:
    std::vector<COLORREF> m_colors;
    int m_columns = 8;
    int m_selected = -1;
};
