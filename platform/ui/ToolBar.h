#pragma once
// The frame's tool bar: a row of picture buttons for commands, separators
// between groups. The pictures come from one strip of equal cells (the
// first button shows cell 0, the next cell 1, separators take none); a
// strip for disabled buttons and one for checked buttons may be given,
// else the normal picture is greyed or pressed. A click sends the command
// to the frame as WM_COMMAND, but only when the frame's update rule lets it
// run. With CBRS_TOOLTIPS a resting mouse shows the tip of the command's
// string, with CBRS_FLYBY its prompt goes to the status bar.
// EnableWindow(FALSE) disables the whole bar.

#include <memory>
#include <vector>

#include "platform/ui/ControlBar.h"

class CBitmap;
class CToolTipCtrl;

constexpr UINT ID_SEPARATOR = 0;
constexpr UINT TBBS_BUTTON = 0x0000;
constexpr UINT TBBS_SEPARATOR = 0x0001;
constexpr UINT TBBS_CHECKBOX = 0x0002;
constexpr UINT TBBS_CHECKED = 0x0100;
constexpr UINT TBBS_PRESSED = 0x0200;
constexpr UINT TBBS_DISABLED = 0x0400;

class CToolBar : public CControlBar {
public:
    CToolBar();
    ~CToolBar() override;

    BOOL Create(CWnd* parent, DWORD style = WS_CHILD | WS_VISIBLE | CBRS_TOP,
                UINT id = AFX_IDW_TOOLBAR);
    void SetSizes(CSize button, CSize image);
    // The strips are kept by the caller.
    void SetBitmap(const CBitmap* normal, const CBitmap* disabled = nullptr,
                   const CBitmap* checked = nullptr);
    // 0 (ID_SEPARATOR) makes a separator.
    BOOL SetButtons(const UINT* ids, int count);

    int GetCount() const;
    UINT GetItemID(int index) const;
    int CommandToIndex(UINT id) const;
    void GetItemRect(int index, RECT* rect) const;
    UINT GetButtonStyle(int index) const;
    void SetButtonStyle(int index, UINT style);
    void EnableButton(UINT id, BOOL enable);
    void CheckButton(UINT id, int check);
    BOOL IsButtonEnabled(UINT id) const;
    // The button under a client point, -1 when none (or a separator).
    int HitTest(CPoint point) const;

    CSize CalcFixedLayout(int width) const override;
    void OnUpdateCmdUI(CFrameWnd* frame) override;
    CToolTipCtrl* GetToolTips() const { return m_tips.get(); }

protected:
    void OnPaint() override;
    BOOL OnEraseBkgnd(CDC* dc) override;
    void OnMouseMove(UINT flags, CPoint point) override;
    void OnLButtonDown(UINT flags, CPoint point) override;
    void OnLButtonUp(UINT flags, CPoint point) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    struct Button {
        UINT id = 0;
        UINT style = 0;
        int image = -1;
    };
    void Relay(UINT message, WPARAM wParam, LPARAM lParam);
    void PaintButton(CDC& dc, int index);
    void SetHot(int index);

    std::vector<Button> m_buttons;
    CSize m_buttonSize{40, 38};
    CSize m_imageSize{32, 30};
    const CBitmap* m_normal = nullptr;
    const CBitmap* m_disabled = nullptr;
    const CBitmap* m_checked = nullptr;
    int m_pressed = -1;
    int m_hot = -1;
    std::unique_ptr<CToolTipCtrl> m_tips;
};
