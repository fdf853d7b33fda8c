// The company pages as a person sees them, on a game of the authored data
// files (seed 1): the status page of a computer-run company with its
// president's face and loyalty gauge and of a company a person plays, the
// achievement page wide and narrow, and the loyalty gauge in its three
// colour schemes.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "fakes/GalleryFolder.h"
#include "model/Enterprise.h"
#include "views/EpBaseInfo.h"
#include "views/EpBenefit.h"
#include "views/GraphBarWnd.h"
#include "views/InfoPagesFixture.h"

namespace {

class InfoPagesGalleryTest : public InfoPagesTest {
protected:
    void SetUp() override {
        InfoPagesTest::SetUp();
        if (HasFatalFailure()) return;
        // A year with a weak spring, so that the table shows losses too.
        for (int c = 0; c < doc.GetCompanyCount(); ++c) {
            CEnterprise& company = Company(c);
            company.RecountAllHoldings();
            for (int m = 0; m < CEpBenefit::kMonths; ++m)
                company.AddYearResult(-1, m, 800 + 70 * m + 40 * c, m < 3 ? -120 * (3 - m) : 90 * m,
                                      0, 0);
        }
        Company(kComputer).SetMorale(62);
        Company(kComputer).SetHomeArea(1);
        Company(kHuman).SetMorale(-48);
        Company(kHuman).SetFixedPay(3400);
    }
    // The size of the pages in an information window of 1280 x 320: the
    // pages' share of the width without the company selector, the height
    // without the title bar and the tabs.
    CSize PageSize() const { return CSize(768 - 28 * cell.cx, 320 - 3 * cell.cy); }
    void Save(CWnd& window, const std::string& name) {
        const std::filesystem::path png = GalleryFolder() / name;
        ASSERT_TRUE(window.SaveToPng(png.string())) << png;
    }
};

TEST_F(InfoPagesGalleryTest, StatusPages) {
    for (int company : {kComputer, kHuman}) {
        CEpBaseInfo page;
        CreatePage(page, PageSize().cx, PageSize().cy);
        Show(company);
        page.Refresh();
        Save(frame, company == kHuman ? "info-status-human.png" : "info-status-computer.png");
        frame.DestroyWindow();
    }
}

TEST_F(InfoPagesGalleryTest, AchievementPages) {
    doc.SetMonth(3);
    struct Shot {
        int width;
        const char* name;
    };
    for (const Shot shot : {Shot{PageSize().cx, "info-achievement-wide.png"},
                            Shot{PageSize().cx / 2, "info-achievement-narrow.png"}}) {
        CEpBenefit page;
        CreatePage(page, shot.width, PageSize().cy + 4 * cell.cy);
        Show(kComputer);
        page.Refresh();
        Save(frame, shot.name);
        frame.DestroyWindow();
    }
}

TEST_F(InfoPagesGalleryTest, GaugeSchemes) {
    ASSERT_TRUE(frame.CreateEx(0, "VELMO_3DFaceWindow", "gauges", WS_POPUP | WS_VISIBLE,
                               CRect(0, 0, 16 * cell.cx, 7 * cell.cy), nullptr, 0));
    CGraphBarWnd gauges[3];
    const int ratings[3] = {-70, 10, 80};
    for (int i = 0; i < 3; ++i) {
        const CRect box(cell.cx, (2 * i + 1) * cell.cy, 15 * cell.cx, (2 * i + 2) * cell.cy);
        ASSERT_TRUE(gauges[i].CreateEx(WS_EX_CLIENTEDGE, "VELMO_NoBackWindow", "",
                                       WS_CHILD | WS_VISIBLE, box, &frame, 0));
        const int value = CEpBaseInfo::GaugeValue(ratings[i]);
        gauges[i].SetBarValue(value);
        CEpBaseInfo::ApplyGaugeScheme(gauges[i], value);
    }
    Save(frame, "info-gauge-schemes.png");
}

}  // namespace
