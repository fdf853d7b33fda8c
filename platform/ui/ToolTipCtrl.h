#pragma once
// Tool tips: a small pop-up with a text that appears when the mouse rests
// on a tool (a window, or a rectangle of it) for the delay, and disappears
// when the mouse leaves it or a button is pressed. The owner feeds it its
// mouse messages with RelayEvent.

#include <string>
#include <vector>

#include "platform/ui/Messages.h"
#include "platform/ui/Wnd.h"

class CToolTipCtrl : public CWnd {
public:
    BOOL Create(CWnd* parent, DWORD style = 0);
    // rect: in the tool window's client coordinates; nullptr = all of it.
    BOOL AddTool(CWnd* wnd, const std::string& text, const RECT* rect = nullptr, UINT id = 0);
    void DelTool(CWnd* wnd, UINT id = 0);
    void UpdateTipText(const std::string& text, CWnd* wnd, UINT id = 0);
    void Activate(BOOL active);
    void SetDelayTime(UINT ms);
    void RelayEvent(MSG* msg);
    // Hides the tip now.
    void Pop();
    // The text on show, "" when hidden.
    std::string GetShownText() const;

protected:
    void OnTimer(UINT_PTR id) override;
    void OnPaint() override;
    BOOL OnEraseBkgnd(CDC* dc) override;

private:
    struct Tool {
        CWnd* wnd = nullptr;
        UINT id = 0;
        CRect rect;
        bool whole = true;
        std::string text;
    };
    int ToolAt(CWnd* wnd, CPoint client) const;
    void ShowTip();

    std::vector<Tool> m_tools;
    bool m_active = true;
    UINT m_delay = 500;
    int m_pending = -1;
    int m_shown = -1;
    CPoint m_at;
};
