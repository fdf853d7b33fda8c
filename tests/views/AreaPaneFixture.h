#pragma once
// The area button frame (or the whole area selection window) in a window
// of its own over a game, with the building blocks' host naming the game
// and the view's fake keeping the shown area.

#include <vector>

#include "InfoWindowFixture.h"
#include "platform/ui/SystemMetrics.h"
#include "views/OwnerRow.h"
#include "views/MapBtn.h"
#include "views/MapBtnFrame.h"
#include "views/MapSelectWnd.h"

class AreaPaneTest : public InfoWindowTest {
protected:
    // The frame alone, its client area holding `buttons` whole buttons
    // below the tab strip and `extra` pixels more.
    CMapBtnFrame& MakeFrame(int buttons, int extra = 0, int width = 420) {
        frame.SetViewHost(&viewHost);
        EXPECT_TRUE(frame.Create("VELMO_3DFaceWindow", nullptr, WS_CHILD | WS_VISIBLE,
                                 CRect(0, 0, 0, 0), &parent, 1002));
        EXPECT_EQ(frame.CreateButtons(), 1);
        SizeFrame(buttons, extra, width);
        return frame;
    }
    void SizeFrame(int buttons, int extra = 0, int width = 420) {
        frame.MoveWindow(0, 0, width, TabHeight() + buttons * ButtonHeight() + extra);
    }
    int ButtonHeight() { return 3 * OwnerRow::LayoutSize().cy; }
    int TabHeight() {
        CRect item;
        if (!frame.GetTabs().GetItemRect(0, &item)) return 0;
        return item.Height() + 2 * item.top;
    }
    // The areas of the buttons in the frame's client area, top to bottom.
    std::vector<int> ShownAreas() {
        std::vector<int> shown;
        CRect client;
        frame.GetClientRect(&client);
        for (int i = 0; i < frame.GetCount(); ++i) {
            CMapBtn* button = frame.GetButton(i);
            CRect rect;
            button->GetWindowRect(&rect);
            frame.ScreenToClient(&rect);
            if (button->IsWindowVisible() && rect.top < client.bottom) shown.push_back(button->GetArea());
        }
        return shown;
    }
    // The area of the button with the keyboard focus; -1 none.
    int FocusedArea() {
        const int slot = frame.GetFocusedIndex(FALSE);
        return slot >= 0 ? frame.GetButton(slot)->GetArea() : -1;
    }
    // Paints every button on screen at once.
    void PaintButtons() {
        for (int i = 0; i < frame.GetCount(); ++i) {
            CMapBtn* button = frame.GetButton(i);
            if (!button->IsWindowVisible()) continue;
            button->Invalidate(TRUE);
            button->UpdateWindow();
        }
    }
    void Key(CWnd& wnd, int key) { wnd.SendMessage(WM_KEYDOWN, static_cast<WPARAM>(key), 0); }
    // A click on a tab of a frame's strip, as the user picks it.
    static void ClickTab(CMapBtnFrame& buttons, int tab) {
        CMyTabCtrl& tabs = buttons.GetTabs();
        CRect item;
        ASSERT_TRUE(tabs.GetItemRect(tab, &item));
        const CPoint centre = item.CenterPoint();
        tabs.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(centre.x, centre.y));
        tabs.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(centre.x, centre.y));
    }
    void PickTab(int tab) { ClickTab(frame, tab); }

    CMapBtnFrame frame;
};
