// The area selection window as a person sees it, on the authored map's
// mid-game month (seed 1) with investments, relations and expos set here:
// each of the six modes with the scroll bar, the shown area's pressed
// button and a focused button; the month window; the logo at several
// phases and in plain and mark mode; the progress window after eight
// messages.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "fakes/GalleryFolder.h"
#include "fakes/MidGame.h"
#include "model/MapData.h"
#include "model/PersonData.h"
#include "views/AreaPaneFixture.h"
#include "views/ProgressMesWnd.h"

namespace {

class AreaPaneGalleryTest : public AreaPaneTest {
protected:
    void SetUp() override {
        AreaPaneTest::SetUp();
        ASSERT_TRUE(MakeAuthoredMidGame(doc));
        doc.SetYear(2);
        doc.SetMonth(4);
        Invest();
        CMapBtnFrame::SetScreenHeight(1200);
    }
    void TearDown() override {
        CMapBtnFrame::SetScreenHeight(0);
        AreaPaneTest::TearDown();
    }
    void Save(CWnd& window, const std::string& name) {
        const std::filesystem::path png = GalleryFolder() / name;
        ASSERT_TRUE(window.SaveToPng(png.string())) << png;
    }
    // Figures that fill every mode: investments of each kind, relations
    // with the governors, levels 2 and 3, expos scheduled and under way.
    void Invest() {
        const int companies = doc.GetCompanyCount();
        const int areas = doc.GetMap().GetAreaCount();
        for (int a = 0; a < areas; ++a) {
            for (int c = 0; c < companies; ++c) {
                CEnterprise& company = *doc.GetEnterprise(c);
                if ((a + c) % 3 == 0) company.SetAreaRating(0, a, 150 + 40 * c + 13 * a, 0);
                if ((a + 2 * c) % 4 == 0) company.SetAreaRating(1, a, 90 + 25 * c, 0);
                if ((a + c) % 5 == 1) company.SetAreaRating(2, a, 200 + 30 * a, 0);
                if ((a * 7 + c) % 6 == 0) company.SetAreaLevel(a, 2 + (a + c) % 2);
            }
            if (CPersonData* governor = doc.GetAreaGovernor(a)) {
                for (int c = 0; c < companies; ++c) governor->SetRelation(c, (a * 37 + c * 91) % 1800);
                governor->SetAmount(120 + 30 * a);
                governor->SetElectionMonth(doc.GetMonthIndex() - 5 * a);
            }
            CMapData& area = *doc.GetArea(a);
            if (a % 4 == 1) area.SetProjectStart(doc.GetMonthIndex() + 8 + a);
            if (a % 4 == 3) area.SetProjectStart(doc.GetMonthIndex() - a % 3);
            if (area.HasProject()) area.SetProjectFund(300 + 10 * a);
        }
    }
    CMapSelectWnd& MakePane() {
        parent.MoveWindow(0, 0, 420, 900);
        pane.SetViewHost(&viewHost);
        EXPECT_TRUE(pane.Create("VELMO_3DFaceWindow", nullptr, WS_CHILD | WS_VISIBLE,
                                CRect(0, 0, 420, 900), &parent, 1002));
        pane.GetDirectorLine().SetEnterprise(doc.GetTurnEnterprise(-1));
        pane.ResetButtons();
        pane.GetLogo().StartAnimation(500);
        pane.GetLogo().SendMessage(WM_TIMER, CLogoMarkWnd::kTimer, 0);
        return pane;
    }
    void PickPaneTab(int tab) { ClickTab(pane.GetButtonFrame(), tab); }

    CMapSelectWnd pane;
};

// The authored map's ten areas all fit a pane 900 pixels high; the lower
// pane shows the scroll bar, scrolled to the focused area.
TEST_F(AreaPaneGalleryTest, EachModeOfThePane) {
    MakePane();
    CMapBtnFrame& buttons = pane.GetButtonFrame();
    buttons.SelectArea(2, TRUE);
    for (int mode = 0; mode < CMapBtnFrame::kModeCount; ++mode) {
        PickPaneTab(mode);
        buttons.FocusArea(4);
        Save(parent, "area-mode" + std::to_string(mode) + ".png");
    }
    parent.MoveWindow(0, 0, 420, 560);
    pane.MoveWindow(0, 0, 420, 560);
    ASSERT_TRUE(buttons.IsScrollBarShown()) << "more areas than fit";
    PickPaneTab(0);
    buttons.FocusArea(7);
    EXPECT_GT(buttons.GetFirstVisible(), 0);
    Save(parent, "area-scrolled.png");
}

TEST_F(AreaPaneGalleryTest, TheMonthWindow) {
    MakePane();
    Save(pane.GetMonthWnd(), "area-month.png");
}

TEST_F(AreaPaneGalleryTest, TheLogo) {
    parent.MoveWindow(0, 0, 420, 300);
    const struct {
        const char* name;
        int ticks, plain, mark, last;
    } shots[] = {
        {"area-logo-phase0.png", 1, 0, 0, 0}, {"area-logo-phase3.png", 4, 0, 0, 0},
        {"area-logo-last.png", 0, 0, 0, 1},   {"area-logo-plain.png", 3, 1, 0, 0},
        {"area-logo-mark.png", 3, 0, 1, 0},
    };
    for (const auto& s : shots) {
        CLogoMarkWnd logo;
        logo.SetPlainMode(s.plain);
        logo.SetMarkMode(s.mark);
        ASSERT_TRUE(logo.CreateEx(WS_EX_STATICEDGE, "VELMO_3DFaceWindow", nullptr,
                                  WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 90), &parent, 1004));
        logo.StartAnimation(500);
        for (int t = 0; t < s.ticks; ++t) logo.SendMessage(WM_TIMER, CLogoMarkWnd::kTimer, 0);
        if (s.last) logo.StopAtLastFrame();
        Save(logo, s.name);
        logo.DestroyWindow();
    }
}

TEST_F(AreaPaneGalleryTest, TheProgressWindowAfterEightMessages) {
    CProgressMesWnd progress;
    const int ch = OwnerRow::LayoutSize().cy;
    ASSERT_TRUE(progress.CreateEx(WS_EX_CLIENTEDGE, "VELMO_3DFaceWindow", nullptr,
                                  WS_CHILD | WS_VISIBLE, CRect(0, 0, 420, 6 * ch + 4), &parent, 1));
    for (int m = 1; m <= 8; ++m) {
        const CEnterprise& company = *doc.GetEnterprise(m % doc.GetCompanyCount());
        progress.AddMessage(company.GetName() + " takes its place in the city (" +
                            std::to_string(m) + " of 8).");
    }
    Save(progress, "area-progress.png");
}

}  // namespace
