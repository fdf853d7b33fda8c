// The frame: menu bar, update rules, accelerators, tool bar, status bar,
// pop-up menus, the recent-file list and the saved window placement.

#include <filesystem>
#include <set>

#include "UiTestSupport.h"
#include "platform/core/Profile.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/CmdUI.h"
#include "platform/ui/ControlMessages.h"
#include "platform/ui/FrameWnd.h"
#include "platform/ui/RecentFileList.h"
#include "platform/ui/StatusBar.h"
#include "platform/ui/StringTable.h"
#include "platform/ui/ToolBar.h"
#include "platform/ui/ToolTipCtrl.h"
#include "platform/ui/WindowPlacement.h"
#include "platform/ui/detail/MenuTracker.h"

namespace {

constexpr UINT kOpen = 57601;
constexpr UINT kAcquire = 40022;
constexpr UINT kToolbar = 32772;
constexpr UINT kEndTurn = 40200;
constexpr UINT kAbout = 57664;

const MENUTEMPLATE kMenu = {
    100,
    {
        {"&File",
         0,
         MF_POPUP,
         {{"&Open...\tCtrl+O", kOpen},
          {nullptr, 0, MF_SEPARATOR},
          {"Recent Files", ID_FILE_MRU_FILE1},
          {"E&xit", 57665}}},
        {"&Orders", 0, MF_POPUP, {{"&Acquire Land\tF5", kAcquire}, {"&Toolbar", kToolbar}}},
        {"&End Operations ", kEndTurn},
        {"&Help", 0, MF_POPUP, {{"&About MERCAVO...\tF1", kAbout}}},
    }};

const CAcceleratorTable kAccel({{FVIRTKEY | FCONTROL, 'O', static_cast<WORD>(kOpen)},
                                {FVIRTKEY, VK_F1 + 4, static_cast<WORD>(kAcquire)},
                                {FVIRTKEY, VK_F1, static_cast<WORD>(kAbout)}});

class CTestFrame : public CFrameWnd {
public:
    std::vector<UINT> commands;
    bool inputEnabled = true;
    bool freeDirector = true;
    bool toolbarShown = true;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM) override {
        commands.push_back(LOWORD(wParam));
        return TRUE;
    }
    void OnUpdateCommand(CCmdUI* ui) override {
        switch (ui->m_nID) {
            case kAcquire:
                ui->Enable(inputEnabled && freeDirector);
                break;
            case kEndTurn:
                ui->Enable(inputEnabled);
                break;
            case kToolbar:
                ui->SetCheck(toolbarShown ? 1 : 0);
                break;
            default:
                break;
        }
    }
};

void PressKey(CWnd& target, int vk) {
    target.PostMessage(WM_KEYDOWN, static_cast<WPARAM>(vk), 1);
}

class FrameTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        CMenu::RegisterTemplate(&kMenu);
        CStringTable::Register(kAcquire, "Buy land\nAcquire Land");
        CStringTable::Register(kOpen, "Open a saved game\nOpen");
        CStringTable::Register(AFX_IDS_IDLEMESSAGE, "For Help, press F1");
        ASSERT_TRUE(frame.FrameMenu().LoadMenu(100));
        frame.SetMenu(&frame.FrameMenu());
        frame.SetAccelerators(&kAccel);
        ASSERT_TRUE(frame.Create(nullptr, "MERCAVO", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                 CRect(10, 10, 610, 410)));
        ASSERT_TRUE(view.CreateEx(0, nullptr, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10),
                                  &frame, AFX_IDW_PANE_FIRST));
        ASSERT_TRUE(
            toolbar.Create(&frame, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_TOOLTIPS | CBRS_FLYBY));
        toolbar.SetSizes(CSize(40, 38), CSize(32, 30));
        const UINT buttons[] = {kOpen, ID_SEPARATOR, kAcquire, kEndTurn};
        toolbar.SetButtons(buttons, 4);
        ASSERT_TRUE(status.Create(&frame));
        frame.RecalcLayout();
    }
    void TearDown() override {
        frame.DestroyWindow();
        UiTest::TearDown();
    }
    CTestFrame frame;
    CRecorderWnd view;
    CToolBar toolbar;
    CStatusBar status;
};

TEST_F(FrameTest, BarsAndViewShareTheClientAreaBelowTheMenuBar) {
    CRect client, window, tb, sb, v;
    frame.GetClientRect(&client);
    frame.GetWindowRect(&window);
    toolbar.GetWindowRect(&tb);
    status.GetWindowRect(&sb);
    view.GetWindowRect(&v);
    frame.ScreenToClient(&tb);
    frame.ScreenToClient(&sb);
    frame.ScreenToClient(&v);
    EXPECT_EQ(tb.top, 0);
    EXPECT_EQ(tb.Height(), toolbar.CalcFixedLayout(client.Width()).cy);
    EXPECT_EQ(sb.bottom, client.bottom);
    EXPECT_EQ(v, CRect(0, tb.bottom, client.Width(), sb.top));
    EXPECT_LT(client.Height(), 400) << "the menu bar takes room above the client area";

    frame.ShowControlBar(&toolbar, FALSE);
    view.GetWindowRect(&v);
    frame.ScreenToClient(&v);
    EXPECT_EQ(v.top, 0);

    frame.SetMenu(nullptr);
    CRect bare;
    frame.GetClientRect(&bare);
    EXPECT_GT(bare.Height(), client.Height());
    frame.SetMenu(&frame.FrameMenu());
}

TEST_F(FrameTest, AcceleratorsRunOnlyEnabledCommands) {
    CKeyState::SetDown(VK_CONTROL, true);
    PressKey(view, 'O');
    PumpPendingMessages();
    CKeyState::SetDown(VK_CONTROL, false);
    // PumpPending does not translate; the main loop and modal loops do.
    EXPECT_TRUE(frame.commands.empty());

    struct Case {
        const char* name;
        std::function<void()> prepare;
        int key;
        bool runs;
    };
    const std::vector<Case> cases = {
        {"enabled by its rule", [&] {}, VK_F1 + 4, true},
        {"disabled by its rule", [&] { frame.freeDirector = false; }, VK_F1 + 4, false},
        {"its pop-up greyed by position",
         [&] { frame.GetMenu()->EnableMenuItem(1, MF_BYPOSITION | MF_GRAYED); }, VK_F1 + 4, false},
        {"a greyed item without a rule",
         [&] { frame.GetMenu()->EnableMenuItem(kAbout, MF_GRAYED); }, VK_F1, false},
        {"an item without a rule", [&] {}, VK_F1, true},
    };
    for (const Case& c : cases) {
        frame.commands.clear();
        view.log.clear();
        frame.freeDirector = true;
        frame.GetMenu()->EnableMenuItem(1, MF_BYPOSITION | MF_ENABLED);
        frame.GetMenu()->EnableMenuItem(kAbout, MF_ENABLED);
        c.prepare();
        PressKey(view, c.key);
        view.PostMessage(WM_USER + 9);
        view.hooks[WM_USER + 9] = [](WPARAM, LPARAM) {
            PostQuitMessage(0);
            return 0;
        };
        CMessageLoop::Run();
        EXPECT_EQ(frame.commands.size(), c.runs ? 1u : 0u) << c.name;
        EXPECT_EQ(view.Count(WM_KEYDOWN), 0) << "the frame took the key: " << c.name;
    }
}

TEST_F(FrameTest, OpeningAMenuAppliesTheRulesAndChoosesWithKeys) {
    frame.inputEnabled = false;
    // Down to "Toolbar", past the greyed "Acquire Land", and Enter.
    PressKey(frame, VK_DOWN);
    PressKey(frame, VK_RETURN);  // greyed: nothing happens
    PressKey(frame, VK_DOWN);
    PressKey(frame, VK_RETURN);
    frame.TrackMenuBar(1);
    PumpPendingMessages();
    EXPECT_EQ(frame.commands, (std::vector<UINT>{kToolbar}));
    CMenu* orders = frame.GetMenu()->GetSubMenu(1);
    EXPECT_NE(orders->GetMenuState(kAcquire, MF_BYCOMMAND) & MF_GRAYED, 0u);
    EXPECT_NE(orders->GetMenuState(kToolbar, MF_BYCOMMAND) & MF_CHECKED, 0u);
    EXPECT_EQ(status.GetPaneText(0), "For Help, press F1") << "the idle text is back";

    // Escape closes without a command; Right moves on to the next pop-up.
    frame.commands.clear();
    PressKey(frame, VK_ESCAPE);
    frame.TrackMenuBar(0);
    PressKey(frame, VK_RIGHT);
    PressKey(frame, VK_DOWN);
    PressKey(frame, VK_RETURN);
    frame.TrackMenuBar(1);
    PumpPendingMessages();
    EXPECT_EQ(frame.commands, (std::vector<UINT>{kAbout})) << "Right skips the plain command";
}

TEST_F(FrameTest, PointingAtAnItemShowsItsPrompt) {
    std::string seen;
    view.hooks[WM_USER + 3] = [&](WPARAM, LPARAM) {
        CWnd* popup = CMenuTracker::ActivePopup();
        EXPECT_NE(popup, nullptr);
        if (popup) popup->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(20, 5));
        seen = status.GetPaneText(0);
        PressKey(frame, VK_ESCAPE);
        return 0;
    };
    view.PostMessage(WM_USER + 3);
    frame.TrackMenuBar(0);
    EXPECT_EQ(seen, "Open a saved game");
    EXPECT_EQ(status.GetPaneText(0), "For Help, press F1");
}

TEST_F(FrameTest, ToolBarButtonsFollowTheRulesAndTheWholeBar) {
    CRect r;
    toolbar.GetItemRect(toolbar.CommandToIndex(kAcquire), &r);
    const CPoint centre = r.CenterPoint();
    const auto click = [&] {
        toolbar.PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(centre.x, centre.y));
        toolbar.PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(centre.x, centre.y));
        PumpPendingMessages();
    };
    click();
    EXPECT_EQ(frame.commands, (std::vector<UINT>{kAcquire}));

    frame.freeDirector = false;
    frame.OnIdleUpdateCmdUI();
    EXPECT_FALSE(toolbar.IsButtonEnabled(kAcquire));
    EXPECT_TRUE(toolbar.IsButtonEnabled(kOpen));
    click();
    EXPECT_EQ(frame.commands.size(), 1u);

    // Enabled by its rule, but the whole bar is off.
    frame.freeDirector = true;
    frame.OnIdleUpdateCmdUI();
    toolbar.EnableWindow(FALSE);
    click();
    EXPECT_EQ(frame.commands.size(), 1u);
    toolbar.EnableWindow(TRUE);
    EXPECT_EQ(toolbar.HitTest(CPoint(r.left - 4, centre.y)), -1) << "a separator";
}

TEST_F(FrameTest, ToolTipsAndFlyByTextOfAButton) {
    CClock::SetTimeScale(1);
    toolbar.GetToolTips()->SetDelayTime(10);
    CRect r;
    toolbar.GetItemRect(toolbar.CommandToIndex(kAcquire), &r);
    toolbar.PostMessage(WM_MOUSEMOVE, 0, MAKELPARAM(r.left + 3, r.top + 3));
    PumpPendingMessages();
    EXPECT_EQ(status.GetPaneText(0), "Buy land");
    CMessageLoop::WaitDispatching(2000,
                                  [&] { return !toolbar.GetToolTips()->GetShownText().empty(); });
    EXPECT_EQ(toolbar.GetToolTips()->GetShownText(), "Acquire Land");
    toolbar.PostMessage(WM_MOUSEMOVE, 0, MAKELPARAM(2000, 3));
    PumpPendingMessages();
    EXPECT_EQ(toolbar.GetToolTips()->GetShownText(), "");
    EXPECT_EQ(status.GetPaneText(0), "For Help, press F1");
}

// The game's status bar keeps its own idle text.
class CKeptStatusBar : public CStatusBar {
public:
    std::string kept = "Please follow operation instructions.";

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_SETTEXT && lParam &&
            std::string(reinterpret_cast<const char*>(lParam)) == "For Help, press F1") {
            return CStatusBar::WindowProc(message, wParam, reinterpret_cast<LPARAM>(kept.c_str()));
        }
        return CStatusBar::WindowProc(message, wParam, lParam);
    }
};

TEST_F(FrameTest, StatusBarTextGoesToPaneZeroThroughSetText) {
    status.DestroyWindow();
    CKeptStatusBar kept;
    ASSERT_TRUE(kept.Create(&frame));
    frame.SetMessageText(kAcquire);
    EXPECT_EQ(kept.GetPaneText(0), "Buy land");
    frame.SetMessageText(AFX_IDS_IDLEMESSAGE);
    EXPECT_EQ(kept.GetPaneText(0), "Please follow operation instructions.");
    const UINT panes[] = {ID_SEPARATOR, kOpen};
    kept.SetIndicators(panes, 2);
    EXPECT_EQ(kept.GetPaneText(1), "Open a saved game\nOpen");
    kept.SetPaneText(1, "NUM");
    EXPECT_EQ(kept.GetPaneText(1), "NUM");
}

TEST_F(FrameTest, ContextMenusReturnOrPostTheChoice) {
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.AppendMenu(MF_STRING, 11001, " 1:North");
    menu.AppendMenu(MF_STRING | MF_GRAYED, 11002, " 2:South");
    menu.AppendMenu(MF_SEPARATOR);
    menu.AppendMenu(MF_STRING, 32778, "Undisplay map");
    EXPECT_EQ(menu.GetMenuItemCount(), 4);
    EXPECT_EQ(menu.GetMenuItemID(2), 0u);

    PressKey(view, VK_DOWN);
    PressKey(view, VK_DOWN);
    PressKey(view, VK_DOWN);
    PressKey(view, VK_RETURN);
    EXPECT_EQ(menu.TrackPopupMenu(TPM_RIGHTBUTTON | TPM_RETURNCMD, 100, 100, &view), 32778);

    PressKey(view, VK_ESCAPE);
    EXPECT_EQ(menu.TrackPopupMenu(TPM_RETURNCMD, 100, 100, &view), 0);

    // A right-button release on an item chooses it and posts it to the owner.
    view.hooks[WM_USER + 4] = [&](WPARAM, LPARAM) {
        CWnd* popup = CMenuTracker::ActivePopup();
        if (!popup) return 0;
        popup->PostMessage(WM_RBUTTONUP, 0, MAKELPARAM(20, 5));
        return 0;
    };
    view.PostMessage(WM_USER + 4);
    EXPECT_TRUE(menu.TrackPopupMenu(TPM_RIGHTBUTTON, 100, 100, &view));
    PumpPendingMessages();
    const auto& log = view.log;
    const bool posted = std::any_of(log.begin(), log.end(), [](const auto& e) {
        return e.message == WM_COMMAND && LOWORD(e.wParam) == 11001;
    });
    EXPECT_TRUE(posted);
    EXPECT_EQ(view.Count(WM_INITMENUPOPUP), 3);
}

TEST_F(FrameTest, RecentFilesLiveInTheProfileAndTheFileMenu) {
    const std::filesystem::path ini =
        std::filesystem::temp_directory_path() / ("mru-" + std::to_string(getpid()) + ".ini");
    std::filesystem::remove(ini);
    CProfile profile(ini.string());
    CRecentFileList list(&profile);
    for (int i = 1; i <= 10; ++i) list.Add("/games/save" + std::to_string(i) + ".mqd");
    list.Add("/games/save5.mqd");
    EXPECT_EQ(list.GetCount(), 8);
    EXPECT_EQ(list[0], "/games/save5.mqd");
    EXPECT_EQ(list[1], "/games/save10.mqd");
    list.WriteList();

    CRecentFileList again(&profile);
    again.ReadList();
    EXPECT_EQ(again.GetCount(), 8);
    EXPECT_EQ(again[7], "/games/save3.mqd");

    frame.SetRecentFileList(&again);
    CMenu* file = frame.GetMenu()->GetSubMenu(0);
    frame.SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(file), 0);
    EXPECT_EQ(file->GetMenuItemCount(), 3 + 8);
    EXPECT_EQ(file->GetMenuString(ID_FILE_MRU_FILE1, MF_BYCOMMAND), "&1 save5.mqd");
    EXPECT_EQ(file->GetMenuItemID(2 + 7), ID_FILE_MRU_FILE1 + 7);

    CRecentFileList empty(&profile, "Nothing here");
    empty.ReadList();
    frame.SetRecentFileList(&empty);
    frame.SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(file), 0);
    EXPECT_EQ(file->GetMenuItemCount(), 4);
    EXPECT_NE(file->GetMenuState(ID_FILE_MRU_FILE1, MF_BYCOMMAND) & MF_GRAYED, 0u);
    frame.SetRecentFileList(nullptr);

    // The bars' visibility goes the same way.
    frame.ShowControlBar(&toolbar, FALSE);
    frame.SaveBarState(profile, "ToolBars");
    frame.ShowControlBar(&toolbar, TRUE);
    frame.LoadBarState(profile, "ToolBars");
    EXPECT_FALSE(toolbar.GetStyle() & WS_VISIBLE);
    EXPECT_TRUE(status.GetStyle() & WS_VISIBLE);
    std::filesystem::remove(ini);
}

TEST_F(FrameTest, WindowPlacementTextsRoundTripAndBadOnesAreIgnored) {
    WINDOWPLACEMENT p;
    p.flags = WPF_RESTORETOMAXIMIZED;
    p.showCmd = SW_SHOWMAXIMIZED;
    p.ptMinPosition = POINT{-1, -1};
    p.ptMaxPosition = POINT{-1, -1};
    p.rcNormalPosition = CRect(22, 33, 822, 633);
    const std::string text = CWindowPlacement::Format(p);
    EXPECT_EQ(text, "2,3,-1,-1,-1,-1,22,33,822,633");
    WINDOWPLACEMENT back;
    ASSERT_TRUE(CWindowPlacement::Parse(text, &back));
    EXPECT_EQ(CRect(back.rcNormalPosition), CRect(22, 33, 822, 633));
    EXPECT_EQ(back.showCmd, static_cast<UINT>(SW_SHOWMAXIMIZED));
    for (const char* bad : {"", "1,2,3,4,5,6,7,8,9", "1,2,3,4,5,6,7,8,9,10,11",
                            "1,2,x,4,5,6,7,8,9,10", "1,2,3,4,5,6,7,8,9,99999999999",
                            "-1,2,3,4,5,6,7,8,9,10", "2,-1,-1,-1,0,4,76,4,76,8"}) {
        WINDOWPLACEMENT kept = back;
        EXPECT_FALSE(CWindowPlacement::Parse(bad, &kept)) << bad;
        EXPECT_EQ(kept.showCmd, back.showCmd);
    }

    WINDOWPLACEMENT now;
    ASSERT_TRUE(CWindowPlacement::Get(&frame, &now));
    EXPECT_EQ(now.showCmd, static_cast<UINT>(SW_SHOWNORMAL));
    now.rcNormalPosition = CRect(40, 50, 540, 450);
    ASSERT_TRUE(CWindowPlacement::Set(&frame, &now));
    WINDOWPLACEMENT moved;
    CWindowPlacement::Get(&frame, &moved);
    EXPECT_EQ(CRect(moved.rcNormalPosition).Size(), CSize(500, 400));
}

}  // namespace
