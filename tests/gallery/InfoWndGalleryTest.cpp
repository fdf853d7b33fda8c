// The information window as a person sees it, on the authored map's
// mid-game month (seed 1): the selector with every company, the status tab
// of a computer-run company and a log of forty lines, some in company
// colours, with its scroll bar; and the selector scrolled in a low window,
// with the keyboard focus on a button.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "fakes/GalleryFolder.h"
#include "fakes/MidGame.h"
#include "model/PersonData.h"
#include "views/InfoBtn.h"
#include "views/InfoWindowFixture.h"

namespace {

class InfoWndGalleryTest : public InfoWindowTest {
protected:
    void SetUp() override {
        InfoWindowTest::SetUp();
        ASSERT_TRUE(MakeAuthoredMidGame(doc));
    }
    void Save(CWnd& window, const char* name) {
        const std::filesystem::path png = GalleryFolder() / name;
        ASSERT_TRUE(window.SaveToPng(png.string())) << png;
    }
    // The first computer-run company.
    int ComputerCompany() {
        for (int c = 0; c < doc.GetCompanyCount(); ++c)
            if (!doc.GetEnterprise(c)->IsHumanPlayed()) return c;
        return 0;
    }
    // A month's report of forty lines: headings and the standard lines,
    // and the lines a network peer sends in its company's colour.
    void WriteMonth() {
        CInfoMesWnd& log = info.GetLog();
        const int companies = doc.GetCompanyCount();
        for (int i = 0; log.GetStoredCount() < 40; ++i) {
            const int c = i % companies;
            CEnterprise& company = *doc.GetEnterprise(c);
            company.SetReportHeadingWritten(0);
            switch (i % 6) {
                case 0: info.ReportSalariesChanged(company); break;
                case 1: info.ReportAdvertisingChanged(company); break;
                case 2:
                    info.ReportStockPurchase(company, *doc.GetEnterprise((c + 1) % companies),
                                             c + 1, FALSE);
                    break;
                case 3: info.ReportStrike(company); break;
                case 4: info.ReportLeaguePopularity(c % 3, c % 2 == 0); break;
                default:
                    log.AddMessage(company.GetName() + " bid for land in " + doc.GetAreaName(c % 3),
                                   1, company.GetColor());
                    break;
            }
        }
    }
};

TEST_F(InfoWndGalleryTest, TheInformationWindow) {
    parent.MoveWindow(0, 0, 1280, 320);
    CInfoWnd& w = MakeInfo(CRect(0, 0, 1280, 320));
    w.GetPages().SetCompany(ComputerCompany());
    WriteMonth();
    EXPECT_GE(w.GetLog().GetStoredCount(), 40);
    EXPECT_GT(w.GetLog().GetVisibleCount(), 0) << "the log shows its scroll bar";
    EXPECT_EQ(w.GetPages().GetSelector().GetVisibleRows(), doc.GetCompanyCount() + 1)
        << "every company has its button";
    Save(parent, "infownd_1280x320.png");
}

TEST_F(InfoWndGalleryTest, TheSelectorScrolledWithAFocusedButton) {
    parent.MoveWindow(0, 0, 900, 200);
    CInfoWnd& w = MakeInfo(CRect(0, 0, 900, 200));
    CSelectInfoWnd& selector = w.GetPages().GetSelector();
    w.GetPages().SetCompany(4);
    selector.SelectAndShow(6);
    selector.MoveFocus(8);
    ASSERT_GT(selector.GetFirst(), 0);
    CInfoBtn* focused = selector.GetButton(8 - selector.GetFirst());
    ASSERT_NE(focused, nullptr);
    EXPECT_EQ(CWnd::GetFocus(), focused);
    for (int i = 0; i < 12; ++i) w.AddMessage("Line " + std::to_string(i + 1) + " of the month.");
    Save(parent, "infownd_selector_scrolled.png");
}

}  // namespace
