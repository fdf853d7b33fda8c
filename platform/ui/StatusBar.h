#pragma once
// The frame's status bar: panes in a row along the bottom edge. Pane 0
// (ID_SEPARATOR) takes the room the others leave; the others are as wide
// as their command's string. SetWindowText (WM_SETTEXT) shows its text in
// the pane of id 0.

#include <string>
#include <vector>

#include "platform/ui/ControlBar.h"

class CStatusBar : public CControlBar {
public:
    BOOL Create(CWnd* parent, DWORD style = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM,
                UINT id = AFX_IDW_STATUS_BAR);
    BOOL SetIndicators(const UINT* ids, int count);
    int CommandToIndex(UINT id) const;
    UINT GetItemID(int index) const;
    int GetCount() const { return static_cast<int>(m_panes.size()); }
    void GetItemRect(int index, RECT* rect) const;
    BOOL SetPaneText(int index, const std::string& text, BOOL update = TRUE);
    std::string GetPaneText(int index) const;

    CSize CalcFixedLayout(int width) const override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnPaint() override;
    BOOL OnEraseBkgnd(CDC* dc) override;

private:
    struct Pane {
        UINT id = 0;
        int width = 0;  // 0 = stretches
        std::string text;
    };
    std::vector<Pane> m_panes;
};
