#pragma once
// The window of an open pop-up menu: paints the items and tells the tracker
// what the mouse and keys do.

#include <vector>

#include "platform/ui/Wnd.h"

class CMenu;

class CMenuPopupWnd : public CWnd {
public:
    enum class Action { None, Choose, Cancel, Left, Right };

    CMenuPopupWnd(CMenu* menu, CWnd* owner, bool rightButton);
    BOOL Open(CPoint screen, UINT flags);
    Action TakeAction() {
        const Action a = m_action;
        m_action = Action::None;
        return a;
    }
    int Hot() const { return m_hot; }
    CMenu* Menu() const { return m_menu; }
    void Key(UINT vk);
    // The item rectangles in client coordinates.
    CRect ItemRect(int index) const;

protected:
    void OnPaint() override;
    BOOL OnEraseBkgnd(CDC* dc) override;
    void OnMouseMove(UINT flags, CPoint point) override;
    void OnLButtonDown(UINT flags, CPoint point) override;
    void OnLButtonUp(UINT flags, CPoint point) override;
    void OnRButtonDown(UINT flags, CPoint point) override;
    void OnRButtonUp(UINT flags, CPoint point) override;

private:
    bool Selectable(int index) const;
    void SetHot(int index);
    int ItemAt(CPoint point) const;
    void Release(CPoint point);

    CMenu* m_menu;
    CWnd* m_owner;
    bool m_rightButton;
    std::vector<int> m_tops;
    int m_width = 0;
    int m_hot = -1;
    Action m_action = Action::None;
};
