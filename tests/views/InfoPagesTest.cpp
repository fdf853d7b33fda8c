// The status page with its loyalty gauge, the gauge on its own, and the
// achievement page with its month table.

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "model/Enterprise.h"
#include "model/PictureStrips.h"
#include "views/BlockFixture.h"
#include "views/EpBaseInfo.h"
#include "views/EpBenefit.h"
#include "views/GraphBarWnd.h"
#include "views/InfoPagesFixture.h"

namespace {

// The smallest rectangle of pixels inside `area` that are not the button
// face; empty when there are none.
CRect InkBox(const CBlockCanvas& canvas, const CRect& area) {
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    CRect box(area.right, area.bottom, area.left, area.top);
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (canvas.At(x, y) != face) {
                box.left = std::min<int>(box.left, x);
                box.top = std::min<int>(box.top, y);
                box.right = std::max<int>(box.right, x + 1);
                box.bottom = std::max<int>(box.bottom, y + 1);
            }
    return box.IsRectEmpty() ? CRect(0, 0, 0, 0) : box;
}

const CEpBaseInfo::SFigure* FindFigure(const std::vector<CEpBaseInfo::SFigure>& figures,
                                       const std::string& label, int line) {
    for (const auto& figure : figures)
        if (figure.label == label && figure.line == line) return &figure;
    return nullptr;
}

// ---------------------------------------------------------------- gauge

class GraphBarTest : public BlocksTest {};

TEST_F(GraphBarTest, FillsTheValuesShareOfTheWidthWithinItsBounds) {
    struct Case {
        int value, maximum, width, filled;
    };
    const Case cases[] = {
        {50, 100, 80, 40},     {100, 100, 80, 80},     {150, 100, 80, 80},  // above: full
        {-5, 100, 80, 0},                                                   // negative: empty
        {30, 0, 80, 0},        {30, -10, 80, 0},                            // no maximum: empty
        {INT_MAX, 1, 80, 80},  {INT_MAX, INT_MAX, 1000, 1000},              // no overflow
        {INT_MIN, 7, 80, 0},   {5, 100, 0, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CGraphBarWnd::FilledWidth(c.value, c.maximum, c.width), c.filled)
            << c.value << " of " << c.maximum << " in " << c.width;
}

TEST_F(GraphBarTest, PaintsTheFilledAndRemainingPartsWithTheValueRightAligned) {
    constexpr int kWidth = 120, kHeight = 20;
    const COLORREF filled = RGB(0, 0, 255), remaining = RGB(200, 200, 200);
    const COLORREF onFilled = RGB(255, 255, 0), onRemaining = RGB(0, 0, 0);
    struct Case {
        int value, maximum;
        int split;  // the first x in the remaining colour
    };
    for (const Case c : {Case{50, 100, 60}, Case{250, 100, kWidth}, Case{-40, 100, 0},
                         Case{30, 0, 0}}) {
        CGraphBarWnd bar;
        bar.SetMaximum(c.maximum);
        bar.SetBarValue(c.value);
        bar.SetBarColors(filled, remaining);
        bar.SetTextColors(onFilled, onRemaining);
        CBlockCanvas canvas(kWidth, kHeight);
        bar.Draw(canvas.DC(), kWidth, kHeight);
        const std::string what = std::to_string(c.value) + " of " + std::to_string(c.maximum);
        if (c.split > 0) {
            EXPECT_EQ(canvas.At(0, 0), filled) << what;
        }
        if (c.split > 1) {
            EXPECT_EQ(canvas.At(c.split - 1, kHeight - 1), filled) << what;
        }
        if (c.split < kWidth) {
            EXPECT_EQ(canvas.At(c.split, kHeight - 1), remaining) << what;
        }
        // The number ends at the right edge, in the text colour of the part
        // it stands in.
        const COLORREF text = c.split >= kWidth ? onFilled : onRemaining;
        bool inked = false;
        for (int y = 0; y < kHeight; ++y)
            for (int x = kWidth - 8; x < kWidth; ++x) inked = inked || canvas.At(x, y) == text;
        EXPECT_TRUE(inked) << what;
    }
}

// ---------------------------------------------------------------- status page

class StatusPageTest : public InfoPagesTest {
protected:
    void SetUp() override {
        InfoPagesTest::SetUp();
        if (HasFatalFailure()) return;
        CreatePage(page, 100 * cell.cx, 12 * cell.cy);
    }
    // The page of a company drawn onto a canvas of the page's size.
    void DrawCompany(int company, CBlockCanvas& canvas) {
        Show(company);
        InfoPage::PrepareContext(canvas.DC(), 100 * cell.cx, 12 * cell.cy);
        page.Draw(canvas.DC());
    }
    CEpBaseInfo page;
};

TEST_F(StatusPageTest, GaugeFollowsTheRatingInItsThreeColourSchemes) {
    struct Case {
        int rating, value;
        COLORREF bar, text;
    };
    const Case cases[] = {
        {-100, 0, RGB(255, 0, 0), RGB(255, 255, 255)},
        {-33, 34, RGB(255, 255, 0), GetSysColor(COLOR_BTNTEXT)},
        {0, 50, RGB(255, 255, 0), GetSysColor(COLOR_BTNTEXT)},
        {-34, 33, RGB(255, 0, 0), RGB(255, 255, 255)},
        {33, 66, RGB(255, 255, 0), GetSysColor(COLOR_BTNTEXT)},
        {34, 67, RGB(0, 0, 255), RGB(255, 255, 0)},
        {100, 100, RGB(0, 0, 255), RGB(255, 255, 0)},
    };
    Show(kComputer);
    for (const Case& c : cases) {
        Company(kComputer).SetMorale(c.rating);
        page.Refresh();
        const CGraphBarWnd& gauge = page.GetGauge();
        EXPECT_EQ(gauge.GetBarValue(), c.value) << c.rating;
        EXPECT_EQ(gauge.GetMaximum(), 100);
        EXPECT_EQ(gauge.GetFilledColor(), c.bar) << c.rating;
        EXPECT_EQ(gauge.GetFilledTextColor(), c.text) << c.rating;
        EXPECT_EQ(gauge.GetRemainingColor(), GetSysColor(COLOR_BTNFACE));
        EXPECT_EQ(gauge.GetRemainingTextColor(), GetSysColor(COLOR_BTNTEXT));
    }
}

TEST_F(StatusPageTest, PersonsCompanyHasNoFaceAndItsColumnsStartFifteenCellsFurtherLeft) {
    ASSERT_TRUE(Company(kHuman).IsHumanPlayed());
    ASSERT_FALSE(Company(kComputer).IsHumanPlayed());
    struct Placed {
        bool faceShown;
        CRect gauge;
        int labelsLeft;
    };
    auto place = [&](int company) {
        CBlockCanvas canvas(100 * cell.cx, 12 * cell.cy);
        DrawCompany(company, canvas);
        page.Refresh();
        CRect gauge;
        page.GetGauge().GetWindowRect(&gauge);
        page.ScreenToClient(&gauge);
        // Line 3 holds only the labels "Funds:" and "Standard Salary:".
        const CRect ink = InkBox(canvas, CRect(0, 3 * cell.cy, 100 * cell.cx, 4 * cell.cy));
        return Placed{page.GetFace().IsWindowVisible() != FALSE, gauge, ink.left};
    };
    const Placed human = place(kHuman);
    const Placed computer = place(kComputer);

    EXPECT_FALSE(human.faceShown);
    EXPECT_TRUE(computer.faceShown);
    EXPECT_EQ(page.GetFace().GetPerson(), Company(kComputer).GetPresidentNumber());
    EXPECT_EQ(human.gauge.left, 45 * cell.cx);
    EXPECT_EQ(computer.gauge.left, 60 * cell.cx);
    EXPECT_EQ(computer.gauge.top, 9 * cell.cy);
    EXPECT_EQ(computer.gauge.Width(), 5 * cell.cx);
    ASSERT_GT(human.labelsLeft, 0);
    EXPECT_EQ(computer.labelsLeft - human.labelsLeft, 15 * cell.cx);
    EXPECT_TRUE(page.GetGauge().IsWindowVisible());
}

TEST_F(StatusPageTest, FiguresShowFixedPayAsDashesAndNoHeadOfficeAsNone) {
    CEnterprise& company = Company(kComputer);
    company.SetHomeArea(-1);
    company.SetEmployees(3000);
    company.SetEmployeesAtWork(2400);
    auto value = [&](const std::string& label, int line) {
        const auto figures = CEpBaseInfo::Figures(company, doc);
        const CEpBaseInfo::SFigure* figure = FindFigure(figures, label, line);
        return figure ? figure->value : std::string("(no row)");
    };
    EXPECT_EQ(value("Head Office:", 1), "None");
    EXPECT_EQ(value("Standard Salary:", 3), "25");
    EXPECT_EQ(value("Total:", 7), "3000");
    EXPECT_EQ(value("Inactive:", 8), "2400");

    company.SetFixedPay(5000);
    company.SetHomeArea(2);
    EXPECT_EQ(value("Standard Salary:", 3), "----");
    EXPECT_EQ(value("Head Office:", 1), doc.GetAreaName(2));
    EXPECT_FALSE(doc.GetAreaName(2).empty());
}

TEST_F(StatusPageTest, FigureWiderThanItsColumnMovesItsLabelInsteadOfLosingDigits) {
    // Line 3 left of the salary group: "Funds:" and its value.
    const int o = CEpBaseInfo::kFaceCells;
    const CRect row(0, 3 * cell.cy, (o + 26) * cell.cx, 4 * cell.cy);
    auto inkOfFunds = [&](int funds, int* extent) {
        Company(kComputer).SetFunds(funds);
        CBlockCanvas canvas(100 * cell.cx, 12 * cell.cy);
        DrawCompany(kComputer, canvas);
        *extent = canvas.DC().GetTextExtent(std::to_string(funds)).cx;
        return InkBox(canvas, row);
    };
    int smallWidth = 0, largeWidth = 0;
    const CRect small = inkOfFunds(5, &smallWidth);
    const CRect large = inkOfFunds(1234567, &largeWidth);
    const int overflow = largeWidth - 5 * cell.cx;
    ASSERT_GT(overflow, 0);
    EXPECT_EQ(large.right, small.right);
    EXPECT_LE(large.left, small.left - overflow);
}

TEST_F(StatusPageTest, NothingIsShownWithoutACompany) {
    CBlockCanvas canvas(100 * cell.cx, 12 * cell.cy);
    InfoPage::PrepareContext(canvas.DC(), 100 * cell.cx, 12 * cell.cy);
    page.Draw(canvas.DC());
    page.Refresh();
    EXPECT_TRUE(InkBox(canvas, CRect(0, 0, 100 * cell.cx, 12 * cell.cy)).IsRectEmpty());
    EXPECT_FALSE(page.GetGauge().IsWindowVisible());
    EXPECT_FALSE(page.GetFace().IsWindowVisible());
}

// ---------------------------------------------------------------- achievement page

class AchievementPageTest : public InfoPagesTest {
protected:
    CEpBenefit::SMetrics Metrics() {
        CBlockCanvas canvas(10, 10);
        InfoPage::PrepareContext(canvas.DC(), 10, 10);
        return CEpBenefit::Measure(canvas.DC());
    }
};

TEST_F(AchievementPageTest, MonthTableWrapsIntoAsManyBlocksAsTheWidthNeeds) {
    const CEpBenefit::SMetrics m = Metrics();
    ASSERT_GT(m.monthWidth, 1);
    ASSERT_GT(m.labelWidth, 0);
    struct Case {
        int width, perBlock, blocks;
    };
    const Case cases[] = {
        {m.labelWidth + 12 * m.monthWidth, 12, 1},
        {m.labelWidth + 20 * m.monthWidth, 20, 1},
        {m.labelWidth + 6 * m.monthWidth, 6, 2},
        {m.labelWidth + 7 * m.monthWidth - 1, 6, 2},
        {m.labelWidth + 5 * m.monthWidth, 5, 3},
        {m.labelWidth + m.monthWidth - 1, 1, 12},
        {0, 1, 12},
    };
    for (const Case& c : cases) {
        const CEpBenefit::STable table = CEpBenefit::Layout(c.width, m);
        EXPECT_EQ(table.perBlock, c.perBlock) << c.width;
        EXPECT_EQ(table.blocks, c.blocks) << c.width;
    }
    // Two blocks of six: months 7 to 12 start again below, at the left.
    const CEpBenefit::STable six = CEpBenefit::Layout(m.labelWidth + 6 * m.monthWidth, m);
    EXPECT_EQ(six.ColumnLeft(6, m), m.labelWidth);
    EXPECT_EQ(six.ColumnLeft(5, m), m.labelWidth + 5 * m.monthWidth);
    EXPECT_EQ(six.BlockTop(0), static_cast<int>(2.5 * cell.cy));
    EXPECT_EQ(six.BlockTop(6) - six.BlockTop(5),
              static_cast<int>(2.5 * m.textHeight + m.markerRow));
}

TEST_F(AchievementPageTest, MarkersOfTheMonthsSoFarUseTheSecondCell) {
    const int current = 3;
    for (int m = 0; m < CEpBenefit::kMonths; ++m)
        EXPECT_EQ(CEpBenefit::MarkerColour(m, current), m <= current ? -1 : -2) << m;
    EXPECT_EQ(CEpBenefit::MarkerColour(0, 0), -1);
    EXPECT_EQ(CEpBenefit::MarkerColour(11, 11), -1);
}

// The painted page: in the fourth month (current month 3) the markers of
// months 1 to 4 are the mark strip's second cell and those of months 5 to
// 12 its first. Each marker is told by the pixels it shares with one cell
// drawn alone at its place and not with the other; the month number over
// it matches neither.
TEST_F(AchievementPageTest, PaintedMarkersFollowTheCurrentMonth) {
    doc.SetMonth(3);
    CEpBenefit page;
    const CEpBenefit::SMetrics m = Metrics();
    const int width = m.labelWidth + 12 * m.monthWidth + 10;
    const int height = 10 * cell.cy;
    CreatePage(page, width, height);
    Show(kComputer);
    CBlockCanvas canvas(width, height);
    InfoPage::PrepareContext(canvas.DC(), width, height);
    page.Draw(canvas.DC(), width);

    const CEpBenefit::STable table = CEpBenefit::Layout(width, m);
    ASSERT_EQ(table.blocks, 1);
    const int top = table.BlockTop(0);
    CPictureStrips* strips = host.GetMarkStrips();
    ASSERT_NE(strips, nullptr);
    // One cell alone where month `month`'s marker stands.
    auto alone = [&](int colour, int month, CBlockCanvas& into) {
        InfoPage::PrepareContext(into.DC(), width, height);
        strips->DrawColorMark(into.DC(), table.ColumnLeft(month, m) + m.monthWidth / 2,
                              top + cell.cy / 2, colour, TRUE);
    };
    for (int month = 0; month < CEpBenefit::kMonths; ++month) {
        CBlockCanvas second(width, height), first(width, height);
        alone(-1, month, second);
        alone(-2, month, first);
        const int left = table.ColumnLeft(month, m);
        int likeSecond = 0, likeFirst = 0;
        for (int y = top; y < top + m.markerRow; ++y)
            for (int x = left; x < left + m.monthWidth; ++x) {
                const COLORREF at = canvas.At(x, y);
                if (second.At(x, y) == first.At(x, y)) continue;
                likeSecond += at == second.At(x, y);
                likeFirst += at == first.At(x, y);
            }
        if (month <= 3) {
            EXPECT_GT(likeSecond, likeFirst) << "month " << month + 1;
        } else {
            EXPECT_GT(likeFirst, likeSecond) << "month " << month + 1;
        }
    }
}

TEST_F(AchievementPageTest, ProfitsAreCentredInTheirColumnWithTheirSign) {
    CEpBenefit page;
    const CEpBenefit::SMetrics m = Metrics();
    const int width = m.labelWidth + 12 * m.monthWidth + 10;
    const int height = 10 * cell.cy;
    CreatePage(page, width, height);
    CEnterprise& company = Company(kComputer);
    company.AddYearResult(-1, 0, 900, -300, 0, 0);
    company.AddYearResult(-1, 1, 900, 300, 0, 0);
    ASSERT_EQ(company.GetMonthlyProfit(0), -300);
    Show(kComputer);
    CBlockCanvas canvas(width, height);
    InfoPage::PrepareContext(canvas.DC(), width, height);
    page.Draw(canvas.DC(), width);

    const CEpBenefit::STable table = CEpBenefit::Layout(width, m);
    const int top = table.BlockTop(0) + m.markerRow + m.textHeight;
    auto profitInk = [&](int month) {
        const int left = table.ColumnLeft(month, m);
        return InkBox(canvas, CRect(left, top, left + m.monthWidth, top + m.textHeight));
    };
    const CRect negative = profitInk(0);
    const CRect positive = profitInk(1);
    ASSERT_FALSE(negative.IsRectEmpty());
    ASSERT_FALSE(positive.IsRectEmpty());
    // The sign makes the text wider, and both stay centred in their columns.
    EXPECT_GT(negative.Width(), positive.Width());
    for (int month : {0, 1}) {
        const CRect ink = profitInk(month);
        const int columnCentre = table.ColumnLeft(month, m) + m.monthWidth / 2;
        EXPECT_NEAR((ink.left + ink.right) / 2, columnCentre, 2) << month;
    }
}

}  // namespace
