#include <string>
#include <vector>

#include "ViewFixture.h"
#include "platform/ui/Messages.h"
#include "platform/ui/SystemMetrics.h"

namespace {

using SCall = CMapDrawWnd::SCall;

TEST_F(ViewTest, CreatePanesPlacesThePanesAndShowsTheSavedArea) {
    doc.SetSavedArea(2);
    CVView& v = MakeViewWithPanes();
    EXPECT_EQ(v.GetInfoWnd().GetDlgCtrlID(), 1000u);
    EXPECT_EQ(v.GetMapDrawWnd().GetDlgCtrlID(), 1001u);
    EXPECT_EQ(v.GetMapSelectWnd().GetDlgCtrlID(), 1002u);
    EXPECT_TRUE(v.GetStyle() & WS_CLIPCHILDREN);
    EXPECT_FALSE(v.GetExStyle() & WS_EX_CLIENTEDGE);
    EXPECT_TRUE(v.GetMapDrawWnd().GetExStyle() & WS_EX_CLIENTEDGE);
    EXPECT_EQ(v.GetMapDrawWnd().GetDocument(), &doc);
    EXPECT_EQ(v.GetShownArea(), 2);
    EXPECT_EQ(v.GetMapDrawWnd().GetCurrentArea(), 2);
    const std::vector<SCall> expected = {{"ResetCellTables"},
                                         {"FlushChangedCells", 0},
                                         {"SetCursorCell", -1, -1, 0},
                                         {"RebuildMap"},
                                         {"HideBalloon"}};
    EXPECT_EQ(v.GetMapDrawWnd().GetCalls(), expected);
}

TEST_F(ViewTest, CreatePanesReportsAPaneThatCannotBeCreated) {
    struct SCase {
        const char* missingClass;
        int result;
        int beeps;
    };
    for (const SCase& c : {SCase{"VELMO_3DFaceWindow", 0, 1}, SCase{"VELM_NormalWindow", -1, 0}}) {
        SCOPED_TRACE(c.missingClass);
        frame.beepCount = 0;
        CVView& v = MakeView();
        CWndClassRegistry::Unregister(c.missingClass);
        EXPECT_EQ(v.CreatePanes(), c.result);
        EXPECT_EQ(frame.beepCount, c.beeps);
        RegisterClasses();
        view.reset();
    }
}

TEST_F(ViewTest, PanesFollowTheProfileRatios) {
    struct SCase {
        const char* name;
        int infoRatio;    // in the profile; -1 absent
        int selectRatio;  // in the profile; -1 absent
        int infoHeight;
        int selectWidth;
    };
    const std::vector<SCase> cases = {
        {"defaults", -1, -1, 180, 400},
        {"ratio 0 leaves an empty pane", 0, 0, 0, 0},
        {"whole view", 1000, 1000, 600, 1000},
        {"beyond 1000 is taken as 1000", 5000000, 2000000000, 600, 1000},
        {"below 0 is taken as 0", -20, -300, 0, 0},
        {"half", 500, 250, 300, 250},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        UseProfile(c.name);
        if (c.infoRatio != -1)
            viewFrame->profile.WriteProfileInt("Window Layout", "InfomationWindow", c.infoRatio);
        if (c.selectRatio != -1)
            viewFrame->profile.WriteProfileInt("Window Layout", "MapSelectWindow", c.selectRatio);
        CVView& v = MakeViewWithPanes();
        const int rest = kHeight - c.infoHeight;
        EXPECT_EQ(PaneRect(v.GetInfoWnd()), CRect(0, rest, kWidth, kHeight));
        EXPECT_EQ(PaneRect(v.GetMapSelectWnd()),
                  CRect(kWidth - c.selectWidth, 0, kWidth, rest));
        EXPECT_EQ(PaneRect(v.GetMapDrawWnd()), CRect(0, 0, kWidth - c.selectWidth, rest));
        view.reset();
    }
}

TEST_F(ViewTest, DraggingTheInformationTitle) {
    struct SCase {
        int y;
        int ratio;
        int written;
    };
    for (const SCase& c : {SCase{-50, 1000, 990}, SCase{0, 1000, 990}, SCase{450, 250, 250},
                           SCase{kHeight, 0, 10}, SCase{kHeight + 80, 0, 10}}) {
        SCOPED_TRACE(c.y);
        UseProfile("drag" + std::to_string(c.y));
        CVView& v = MakeViewWithPanes();
        v.DragInfoWindow(c.y);
        EXPECT_EQ(v.GetInfoRatio(), c.ratio);
        EXPECT_EQ(PaneRect(v.GetInfoWnd()).Height(), kHeight * c.ratio / 1000);
        view.reset();
        EXPECT_EQ(ProfileValue("InfomationWindow"), c.written);
        EXPECT_EQ(ProfileValue("MapSelectWindow"), 400);
    }
}

TEST_F(ViewTest, SplitterKeepsBothPanesAtLeastADialogFrameWide) {
    const int frameWidth = GetSystemMetrics(SM_CXDLGFRAME);
    ASSERT_GT(frameWidth, 0);
    struct SCase {
        int dx;
        int selectWidth;
    };
    for (const SCase& c : {SCase{100, 300}, SCase{-100, 500}, SCase{5000, frameWidth},
                           SCase{-5000, kWidth - frameWidth}}) {
        SCOPED_TRACE(c.dx);
        UseProfile("splitter" + std::to_string(c.dx));
        CVView& v = MakeViewWithPanes();
        v.SetSelectPaneWidth(c.dx);
        EXPECT_EQ(PaneRect(v.GetMapSelectWnd()), CRect(kWidth - c.selectWidth, 0, kWidth, 420));
        EXPECT_EQ(PaneRect(v.GetMapDrawWnd()), CRect(0, 0, kWidth - c.selectWidth, 420));
        EXPECT_EQ(v.GetSelectRatio(), c.selectWidth * 1000 / kWidth);
        view.reset();
    }
}

TEST_F(ViewTest, AViewWithoutSizeKeepsTheRatios) {
    CVView& v = MakeViewWithPanes();
    v.DragInfoWindow(300);
    ASSERT_EQ(v.GetInfoRatio(), 500);
    v.SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOZORDER | SWP_NOMOVE);
    v.DragInfoWindow(10);
    v.SetSelectPaneWidth(40);
    EXPECT_EQ(v.GetInfoRatio(), 500);
    EXPECT_EQ(v.GetSelectRatio(), 400);
    // Destroyed while minimised: the ratios it had are written.
    view.reset();
    EXPECT_EQ(ProfileValue("InfomationWindow"), 500);
    EXPECT_EQ(ProfileValue("MapSelectWindow"), 400);
}

TEST_F(ViewTest, ClosingDuringTheFoundingPhaseWritesNoRatios) {
    viewFrame->founding = 1;
    MakeViewWithPanes().DragInfoWindow(100);
    view.reset();
    EXPECT_EQ(ProfileValue("InfomationWindow"), -9999);
    EXPECT_EQ(ProfileValue("MapSelectWindow"), -9999);
}

TEST_F(ViewTest, DirectionChangesAnimateTheTurn) {
    struct SCase {
        const char* name;
        int from;
        int to;
        int result;
        std::vector<SCall> animations;  // step, mode, direction it starts from
    };
    const std::vector<SCase> cases = {
        {"north to south", 0, 2, 1, {{"AnimateTurn", -1, 1, 0}, {"AnimateTurn", -1, 1, 1}}},
        {"north to west", 0, 3, 1, {{"AnimateTurn", -1, 2, 0}}},
        {"north to east", 0, 1, 1, {{"AnimateTurn", 1, 2, 0}}},
        {"west to north", 3, 0, 1, {{"AnimateTurn", 1, 2, 3}}},
        {"west to east", 3, 1, 1, {{"AnimateTurn", -1, 1, 3}, {"AnimateTurn", -1, 1, 0}}},
        {"the current direction", 0, 0, 0, {}},
        {"no such direction", 0, 4, 0, {}},
        {"no such direction either", 0, -1, 0, {}},
    };
    CVView& v = MakeViewWithPanes();
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        doc.SetViewDirection(c.from);
        doc.SetModifiedFlag(false);
        v.GetMapDrawWnd().ClearCalls();
        EXPECT_EQ(v.SetDirection(c.to), c.result);
        std::vector<SCall> animations;
        for (const SCall& call : v.GetMapDrawWnd().GetCalls())
            if (call.name == "AnimateTurn") animations.push_back(call);
        EXPECT_EQ(animations, c.animations);
        EXPECT_EQ(doc.GetViewDirection(), c.result ? c.to : c.from);
        EXPECT_EQ(doc.IsModified(), c.result == 1);
        const bool rebuilt = !v.GetMapDrawWnd().GetCalls().empty() &&
                             v.GetMapDrawWnd().GetCalls().back() == SCall{"RebuildMap"};
        EXPECT_EQ(rebuilt, c.result == 1);
    }
}

TEST_F(ViewTest, ShowingAnArea) {
    CVView& v = MakeViewWithPanes();
    const int shown = v.GetShownArea();
    v.GetMapDrawWnd().ClearCalls();
    EXPECT_EQ(v.ShowArea(shown), 0);
    EXPECT_TRUE(v.GetMapDrawWnd().GetCalls().empty());

    EXPECT_EQ(v.ShowArea(shown + 1), 1);
    EXPECT_EQ(v.GetShownArea(), shown + 1);
    EXPECT_EQ(v.GetMapDrawWnd().GetCalls().size(), 4u);
    EXPECT_TRUE(viewFrame->endPicks.empty());

    // Showing the own plots ends with the area.
    viewFrame->mapMode = 1;
    EXPECT_EQ(v.ShowArea(shown), 1);
    EXPECT_EQ(viewFrame->endPicks, std::vector<int>{1});
    viewFrame->mapMode = 3;
    EXPECT_EQ(v.ShowArea(shown + 1), 1);
    EXPECT_EQ(viewFrame->endPicks.size(), 1u);
}

TEST_F(ViewTest, Keys) {
    CVView& v = MakeViewWithPanes();
    const std::vector<SCall> callsBefore = v.GetMapDrawWnd().GetCalls();
    const int shown = v.GetShownArea();

    v.SendMessage(WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_TRUE(viewFrame->endPicks.empty());
    EXPECT_EQ(v.GetMapDrawWnd().GetCalls(), callsBefore);
    EXPECT_EQ(v.GetShownArea(), shown);
    EXPECT_FALSE(doc.IsModified());

    viewFrame->mapMode = 5;
    v.SendMessage(WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_EQ(viewFrame->endPicks, std::vector<int>{0});

    v.SendMessage(WM_KEYDOWN, VK_F1 + 1, 0);
    EXPECT_EQ(viewFrame->networkWindowCalls, 1);

    v.SetTabTarget(&v.GetMapSelectWnd().GetButtonFrame());
    v.SendMessage(WM_KEYDOWN, VK_TAB, 0);
    EXPECT_EQ(CWnd::GetFocus(), &v.GetMapSelectWnd().GetButtonFrame());
}

class DirectorLineTest : public ViewTest {
protected:
    void SetUp() override {
        ViewTest::SetUp();
        NewGame(3, 1);
        // Two directors for each company, all free.
        for (int company = 0; company < 3; ++company) {
            for (int d = 0; d < 2; ++d) doc.GetEnterprise(company)->AddDirector(company * 2 + d);
        }
        CVView::SetDirectorLineCompany(-1);
    }
    // Gives every director of the company a task.
    void OccupyDirectors(int company) {
        CEnterprise* c = doc.GetEnterprise(company);
        ASSERT_EQ(c->GetDirectorCount(), 2);
        for (int d = 0; d < c->GetDirectorCount(); ++d)
            c->GetDirector(d)->AssignTask(CPersonData::eTASK_LAND_PURCHASE, 1);
        ASSERT_EQ(c->CountFreeDirectors(), 0);
    }
};

TEST_F(DirectorLineTest, EndOfOrdersOnlyWhenTheCompanyHasNoFreeDirector) {
    OccupyDirectors(1);
    ASSERT_GT(doc.GetEnterprise(0)->CountFreeDirectors(), 0);
    struct SCase {
        const char* name;
        int company;
        int remembered;
        const char* text;
    };
    const std::vector<SCase> cases = {
        {"a company with a free director", 0, 0, ""},
        {"a company without one", 1, 1, "<End director's orders>"},
        {"-2 keeps the remembered company", -2, 1, "<End director's orders>"},
        {"-1 forgets it", -1, -1, ""},
        {"-2 keeps no company", -2, -1, ""},
        {"back to the busy company", 1, 1, "<End director's orders>"},
        {"a company the game does not have", 7, 7, ""},
    };
    CVView& v = MakeViewWithPanes();
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        v.ShowDirectorLine(c.company);
        EXPECT_EQ(CVView::GetDirectorLineCompany(), c.remembered);
        EXPECT_EQ(v.GetMapSelectWnd().GetDirectorLine().GetText(), c.text);
    }
    // Refreshing brings the pages up to date and keeps the company.
    v.ShowDirectorLine(1);
    const int refreshes = v.GetInfoWnd().GetPages().GetRefreshCount();
    v.RefreshDirectorLine();
    EXPECT_EQ(v.GetInfoWnd().GetPages().GetRefreshCount(), refreshes + 1);
    EXPECT_EQ(CVView::GetDirectorLineCompany(), 1);
}

TEST_F(DirectorLineTest, AnObserverSeesHisNameInPlaceOfTheCompany) {
    OccupyDirectors(0);
    CVView& v = MakeViewWithPanes();
    CDrawEPWnd& line = v.GetMapSelectWnd().GetDirectorLine();

    v.ShowTurnCompany(-1);
    EXPECT_EQ(line.GetEnterprise(), doc.GetTurnEnterprise(-1));
    EXPECT_EQ(v.GetInfoWnd().GetPages().GetCompany(), doc.GetTurnEnterprise(-1));
    EXPECT_EQ(line.IsTextOnly(), 0);

    // A name far longer than any fixed line would hold.
    const std::string name(2000, 'n');
    doc.GetFrameState().SetNetworkRoles(1, 0, 1);
    doc.GetFrameState().SetPlayerName(name);
    v.ShowTurnCompany(2);
    EXPECT_EQ(line.GetText(), name + " is observing.");
    EXPECT_EQ(line.IsTextOnly(), 1);
    EXPECT_EQ(v.GetInfoWnd().GetPages().GetCompany(), 2);
    // The director line reports nothing to an observer.
    v.ShowDirectorLine(0);
    EXPECT_EQ(line.GetText(), name + " is observing.");
}

TEST_F(DirectorLineTest, TheSeatsOwnCompanyComesFirstInANetworkGame) {
    CVView& v = MakeViewWithPanes();
    CFrameState& state = doc.GetFrameState();
    state.SetNetworkRoles(1, 1, 0);
    CFrameState::SPeer self;
    self.company = 2;
    self.localFlag = 1;
    state.GetPeers().push_back(self);
    v.ShowTurnCompany(-1);
    EXPECT_EQ(v.GetMapSelectWnd().GetDirectorLine().GetEnterprise(), 2);

    v.SelectInfoCompany(1);
    EXPECT_EQ(v.GetInfoWnd().GetPages().GetShownCompany(), 1);
    EXPECT_EQ(v.GetInfoWnd().GetPages().GetSelector().GetSelected(), 2);
}

}  // namespace
