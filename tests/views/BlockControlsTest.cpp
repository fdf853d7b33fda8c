// The small controls: the button scroll bar's steps and what it posts, the
// header's drag and click messages, the tab strip's callbacks, the status
// bar's kept text, the colour combo box's refusals and the colour swatch.

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "platform/ui/ColorDialog.h"
#include "platform/ui/KeyState.h"
#include "platform/ui/StringTable.h"
#include "platform/ui/ToolBar.h"
#include "views/BlockFixture.h"
#include "views/BlockMessages.h"
#include "views/BtnScrollBar.h"
#include "views/ColorCmbBox.h"
#include "views/ColorCmbOwner.h"
#include "views/ColorRect.h"
#include "views/MyHeaderCtrl.h"
#include "views/MyStatusBar.h"
#include "views/MyTabCtrl.h"
#include "views/ScrollStep.h"

namespace {

using BlockControlsTest = BlocksTest;

TEST(ScrollStep, StepsClampToTheLastPage) {
    SCROLLINFO info{};
    info.nMin = 2;
    info.nMax = 40;
    info.nPage = 10;
    struct Case {
        int pos;
        UINT code;
        int thumb;
        int expected;
    };
    // The last position is 40 - 10 + 1 = 31.
    const Case cases[] = {
        {5, SB_LINEUP, 0, 4},          {2, SB_LINEUP, 0, 2},         {5, SB_LINEDOWN, 0, 6},
        {31, SB_LINEDOWN, 0, 31},      {20, SB_PAGEUP, 0, 10},       {8, SB_PAGEUP, 0, 2},
        {20, SB_PAGEDOWN, 0, 30},      {25, SB_PAGEDOWN, 0, 31},     {5, SB_THUMBTRACK, 17, 17},
        {5, SB_THUMBPOSITION, 99, 31}, {20, SB_TOP, 0, 2},           {5, SB_BOTTOM, 0, 31},
        {7, SB_ENDSCROLL, 0, 7},
    };
    for (const Case& c : cases) {
        info.nPos = c.pos;
        EXPECT_EQ(NextScrollPosition(info, c.code, c.thumb), c.expected)
            << "from " << c.pos << " with code " << c.code;
    }
}

TEST_F(BlockControlsTest, TheButtonScrollBarPostsOnlyAMove) {
    CBtnScrollBar bar;
    ASSERT_TRUE(bar.Create(WS_CHILD | WS_VISIBLE | SBS_VERT, CRect(10, 10, 26, 200), &parent, 7));
    SCROLLINFO info{};
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMin = 0;
    info.nMax = 20;
    info.nPage = 5;
    info.nPos = 16;
    bar.SetScrollInfo(&info);
    TakePosted();
    // A click on the lower arrow at the bar's maximum.
    bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(8, 186));
    bar.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(8, 186));
    EXPECT_TRUE(TakePosted().empty()) << "line down at the maximum moves nothing";
    EXPECT_EQ(bar.GetScrollPos(), 16);
    bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(8, 2));
    bar.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(8, 2));
    const auto posted = TakePosted();
    ASSERT_EQ(posted.size(), 1u);
    EXPECT_EQ(posted[0].first, WM_BLOCK_SCROLLED);
    EXPECT_EQ(posted[0].second, 15u);
    EXPECT_EQ(bar.GetScrollPos(), 15);
}

TEST_F(BlockControlsTest, TheHeaderPostsTheEndOfADragAndTheClickedColumn) {
    CMyHeaderCtrl header;
    ASSERT_TRUE(header.Create(WS_CHILD | WS_VISIBLE | HDS_BUTTONS, CRect(0, 0, 400, 24), &parent, 8));
    for (int column = 0; column < 3; ++column) {
        HDITEM item;
        item.mask = HDI_WIDTH | HDI_TEXT;
        item.cxy = 100;
        item.text = "Column " + std::to_string(column);
        header.InsertItem(column, &item);
    }
    TakePosted();
    struct Case {
        const char* what;
        int downX, upX;
        UINT message;
        WPARAM wParam;
    };
    const Case cases[] = {
        {"a drag that changes the width", 199, 230, WM_BLOCK_HEADER_RESIZED, 0},
        {"a drag that ends where it began", 99, 99, WM_BLOCK_HEADER_RESIZED, 0},
        {"a click on the second column", 150, 150, WM_BLOCK_HEADER_CLICKED, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        header.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(c.downX, 10));
        if (c.upX != c.downX) header.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(c.upX, 10));
        header.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(c.upX, 10));
        const auto posted = TakePosted();
        ASSERT_EQ(posted.size(), 1u);
        EXPECT_EQ(posted[0].first, c.message);
        EXPECT_EQ(posted[0].second, c.wParam);
    }
}

TEST_F(BlockControlsTest, TheTabStripRunsItsOwnersCallbacks) {
    CMyTabCtrl tabs;
    CWnd before, after;
    ASSERT_TRUE(tabs.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 30), &parent, 9));
    CreateChild(before, CRect(0, 40, 50, 60), WS_TABSTOP, 10);
    CreateChild(after, CRect(60, 40, 110, 60), WS_TABSTOP, 11);
    tabs.InsertItem(0, "Population");
    tabs.InsertItem(1, "Land value");
    int refreshes = 0;
    tabs.SetOwner({[&] { ++refreshes; }, [&] { return &after; }, [&] { return &before; }});

    tabs.SetFocus();
    tabs.SendMessage(WM_KEYDOWN, VK_RIGHT, 0);
    EXPECT_EQ(refreshes, 1) << "a change of tab refreshes the owner";
    struct Case {
        bool shift;
        CWnd* focus;
    };
    for (const Case c : {Case{false, &after}, Case{true, &before}}) {
        tabs.SetFocus();
        CKeyState::SetDown(VK_SHIFT, c.shift);
        tabs.SendMessage(WM_KEYDOWN, VK_TAB, 0);
        EXPECT_EQ(CWnd::GetFocus(), c.focus) << (c.shift ? "Shift+Tab" : "Tab");
    }
    CKeyState::Clear();
}

TEST_F(BlockControlsTest, TheStatusBarShowsItsKeptTextForTheIdlePrompt) {
    CStringTable::Register(AFX_IDS_IDLEMESSAGE, "For Help, press F1");
    CMyStatusBar status;
    ASSERT_TRUE(status.Create(&parent));
    status.SetKeptText("Company management.");
    EXPECT_EQ(status.GetPaneText(0), "Company management.");
    struct Case {
        const char* text;
        const char* shown;
    };
    const Case cases[] = {
        {"For Help, press F1", "Company management."},
        {"Buy land", "Buy land"},
        {"", ""},
        {"For Help, press F1", "Company management."},
    };
    for (const Case& c : cases) {
        status.SetWindowText(c.text);
        EXPECT_EQ(status.GetPaneText(0), c.shown) << "after \"" << c.text << "\"";
    }
    const UINT noIdlePane = 57600;
    ASSERT_TRUE(status.SetIndicators(&noIdlePane, 1));
    EXPECT_EQ(status.SendMessage(WM_SETTEXT, 0, reinterpret_cast<LPARAM>("x")), -1)
        << "without a first pane nothing is shown";
}

// ---------------------------------------------------------------- colours

class CTableOwner : public IColorCmbOwner {
public:
    int GetColourCompany(int colour) override {
        auto found = users.find(colour);
        return found == users.end() ? -1 : found->second;
    }
    int GetCurrentCompany() override { return current; }
    int IsLobbyColourTaken(int colour) override { return taken.count(colour) ? 1 : 0; }

    std::map<int, int> users;
    int current = 0;
    std::set<int> taken;
};

class CCountingCombo : public CColorCmbBox {
public:
    int beeps = 0;

protected:
    void Beep() override { ++beeps; }
};

TEST_F(BlockControlsTest, TheColourComboRefusesColoursOthersUse) {
    CCountingCombo combo;
    ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST |
                                 CBS_OWNERDRAWFIXED,
                             CRect(10, 10, 90, 300), &parent, 12));
    CTableOwner owner;
    owner.users = {{3, 2}, {5, 1}, {9, 0}};
    owner.current = 1;
    owner.taken = {4};
    combo.SetOwnerTable(&owner);
    combo.SetCurrentColour(9);
    combo.FillColours();
    struct Case {
        const char* what;
        int flag;
        int choice;
        int current;
        int beeps;
    };
    const Case cases[] = {
        {"another company's colour", 0, 3, 9, 1},
        {"the dialog's own company's colour", 0, 5, 5, 1},
        {"an unused colour", 0, 7, 7, 1},
        {"the lobby's taken colour", 1, 4, 7, 2},
        {"in the lobby the dialog's table does not count", 1, 3, 3, 2},
        {"the last colour", 1, 31, 31, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        combo.SetSourceFlag(c.flag);
        combo.ChooseFromList(c.choice);
        EXPECT_EQ(combo.GetCurrentColour(), c.current);
        EXPECT_EQ(combo.GetCurSel(), c.current) << "the selection shows the current colour";
        EXPECT_EQ(combo.beeps, c.beeps);
    }
}

class CAnsweredSwatch : public CColorRect {
public:
    COLORREF answer = RGB(10, 20, 30);
    int result = IDOK;
    COLORREF startedWith = 0;

protected:
    int RunColourDialog(CColorDialog& dialog) override {
        startedWith = dialog.m_cc.rgbResult;
        dialog.m_cc.rgbResult = answer;
        dialog.m_cc.lpCustColors[3] = RGB(1, 2, 3);
        return result;
    }
};

TEST_F(BlockControlsTest, TheSwatchTakesTheChosenColourOnlyOnOk) {
    CAnsweredSwatch swatch;
    CreateChild(swatch, CRect(0, 0, 40, 20));
    swatch.SetColour(RGB(200, 0, 0));
    struct Case {
        int result;
        COLORREF colour;
        COLORREF custom3;
    };
    for (const Case c : {Case{IDCANCEL, RGB(200, 0, 0), RGB(255, 255, 255)},
                         Case{IDOK, RGB(10, 20, 30), RGB(1, 2, 3)}}) {
        swatch.result = c.result;
        swatch.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
        EXPECT_EQ(swatch.startedWith, RGB(200, 0, 0));
        EXPECT_EQ(swatch.GetColour(), c.colour);
        EXPECT_EQ(host.custom[3], c.custom3) << "custom colours are kept on OK only";
    }
}

}  // namespace
