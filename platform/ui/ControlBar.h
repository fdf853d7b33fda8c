#pragma once
// The base of the frame's bars (tool bar, status bar): a child window that
// the frame places along one of its edges (CBRS_TOP or CBRS_BOTTOM) when it
// lays itself out; hiding a bar gives its room to the view.

#include "platform/ui/Size.h"
#include "platform/ui/Wnd.h"

// Bar styles, kept apart from the window style.
constexpr DWORD CBRS_SIZE_DYNAMIC = 0x0004;
constexpr DWORD CBRS_TOOLTIPS = 0x0010;
constexpr DWORD CBRS_FLYBY = 0x0020;
constexpr DWORD CBRS_BORDER_LEFT = 0x0100;
constexpr DWORD CBRS_BORDER_TOP = 0x0200;
constexpr DWORD CBRS_BORDER_RIGHT = 0x0400;
constexpr DWORD CBRS_BORDER_BOTTOM = 0x0800;
constexpr DWORD CBRS_ALIGN_LEFT = 0x1000;
constexpr DWORD CBRS_ALIGN_TOP = 0x2000;
constexpr DWORD CBRS_ALIGN_RIGHT = 0x4000;
constexpr DWORD CBRS_ALIGN_BOTTOM = 0x8000;
constexpr DWORD CBRS_ALIGN_ANY = 0xF000;
constexpr DWORD CBRS_TOP = CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM;
constexpr DWORD CBRS_BOTTOM = CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP;
constexpr DWORD CBRS_ALL = 0xFFFF;

// Child ids of the frame's standard windows.
constexpr UINT AFX_IDW_TOOLBAR = 0xE800;
constexpr UINT AFX_IDW_STATUS_BAR = 0xE801;
constexpr UINT AFX_IDW_PANE_FIRST = 0xE900;

class CFrameWnd;

class CControlBar : public CWnd {
public:
    DWORD GetBarStyle() const { return m_barStyle; }
    void SetBarStyle(DWORD style) { m_barStyle = style; }
    // Docking is not offered: bars stay on their edge. The calls are kept
    // so that a frame can ask for it.
    void EnableDocking(DWORD style) { m_dockStyle = style; }
    DWORD GetDockingStyle() const { return m_dockStyle; }
    bool IsAtBottom() const { return (m_barStyle & CBRS_ALIGN_BOTTOM) != 0; }

    // The bar's height when laid out along an edge of the given width.
    virtual CSize CalcFixedLayout(int width) const = 0;
    // Brings the bar's items up to date from the frame's update rules.
    virtual void OnUpdateCmdUI(CFrameWnd* frame) { (void)frame; }

protected:
    BOOL CreateBar(CWnd* parent, DWORD style, UINT id);
    // Relays the frame's fly-by prompt for a command (0 = the idle text).
    void ShowPrompt(UINT id);

    DWORD m_barStyle = 0;
    DWORD m_dockStyle = 0;
};
