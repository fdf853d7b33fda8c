// The property list's columns and the sales ranking's scrolling.

#include <gtest/gtest.h>

#include "platform/ui/Messages.h"
#include "platform/ui/Styles.h"
#include "views/ExpressSalesList.h"
#include "views/PropertyListBox.h"
#include "views/TableOwners.h"

namespace {

using PortfolioTablesTest = PictureWndTest;

TEST_F(PortfolioTablesTest, PropertyColumnsFollowTheLotsKind) {
    struct SCase {
        const char* what;
        int kind;
        int values[4];
        CPropertyListBox::Texts texts;
    } cases[] = {
        {"untradeable bare lot", 0, {-1, 5, 6, 7}, {"Meadow", "-", "", "", ""}},
        {"bare lot", 0, {1200, 5, 6, 7}, {"Meadow", "1200", "", "", ""}},
        {"built lot", 1, {3400, 900, -50, 30}, {"Shop", "3400", "900", "-50", "30"}},
        {"untradeable built lot", 1, {-1, 0, 0, 0}, {"Shop", "-", "0", "0", "0"}},
    };
    for (const SCase& c : cases)
        EXPECT_EQ(CPropertyListBox::ColumnTexts(c.kind, "Meadow", "Shop", c.values), c.texts) << c.what;
}

TEST_F(PortfolioTablesTest, PropertyColumnsStandUnderTheirTitles) {
    CPropertyOwnerStub owner;
    CPropertyListBox list;
    list.SetOwnerDialog(&owner);
    const CRect row(0, 0, 500, 20);
    EXPECT_EQ(list.ColumnRect(0, row), CRect(0, 0, 175, 20));
    EXPECT_EQ(list.ColumnRect(1, row), CRect(180, 0, 265, 20));
    EXPECT_EQ(list.ColumnRect(4, row), CRect(450, 0, 500, 20)) << "cut at the row's right edge";
    EXPECT_EQ(list.ColumnRect(4, CRect(0, 0, 300, 20)), CRect(300, 0, 300, 20)) << "beyond the row";
}

TEST_F(PortfolioTablesTest, SalesRankingScrollsByRows) {
    CSalesOwnerStub owner;
    owner.records.resize(12);
    for (int r = 0; r < 12; ++r) owner.records[size_t(r)].company = r % doc.GetCompanyCount();
    CExpressSalesList list;
    list.SetOwnerDialog(&owner);
    const int rowHeight = list.GetRowHeight();
    ASSERT_TRUE(list.CreateEx(0, "VELMO_3DFaceWindow", "", WS_CHILD | WS_VISIBLE,
                              CRect(0, 0, 600, 6 * rowHeight + 2), &parent, 300));
    list.UpdateScrollBar();
    int minimum = -1, maximum = -1;
    list.GetScrollRange(SB_VERT, &minimum, &maximum);
    EXPECT_EQ(minimum, 0);
    EXPECT_EQ(maximum, 12 - 5) << "five rows fit under the header";
    list.SendMessage(WM_VSCROLL, SB_BOTTOM, 0);
    EXPECT_EQ(list.GetTopRow(), 7);
    EXPECT_EQ(list.GetScrollPos(SB_VERT), 7);
    list.SendMessage(WM_VSCROLL, SB_TOP, 0);
    EXPECT_EQ(list.GetTopRow(), 0);

    EXPECT_EQ(CExpressSalesList::PageOf(0, 7), 1);
    EXPECT_EQ(CExpressSalesList::PageOf(0, 45), 4);
    struct SCase {
        UINT code;
        int pos, top, expected;
        const char* what;
    } cases[] = {
        {SB_LINEDOWN, 0, 3, 4, "line down"},
        {SB_LINEDOWN, 0, 45, 45, "line down at the end"},
        {SB_LINEUP, 0, 0, 0, "line up at the start"},
        {SB_LINEUP, 0, 3, 2, "line up"},
        {SB_PAGEDOWN, 0, 40, 44, "page down"},
        {SB_PAGEDOWN, 0, 43, 45, "page down, clamped"},
        {SB_PAGEUP, 0, 2, 0, "page up, clamped"},
        {SB_THUMBTRACK, 17, 3, 17, "thumb"},
        {SB_THUMBPOSITION, 99, 3, 45, "thumb beyond the range"},
        {SB_BOTTOM, 0, 3, 45, "bottom"},
        {SB_TOP, 0, 30, 0, "top"},
    };
    for (const SCase& c : cases)
        EXPECT_EQ(CExpressSalesList::ScrolledTop(c.code, c.pos, c.top, 0, 45), c.expected) << c.what;
}

TEST_F(PortfolioTablesTest, SalesRankingThatFitsHasNoScrolling) {
    CSalesOwnerStub owner;
    owner.records.resize(2);
    CExpressSalesList list;
    list.SetOwnerDialog(&owner);
    ASSERT_TRUE(list.CreateEx(0, "VELMO_3DFaceWindow", "", WS_CHILD | WS_VISIBLE,
                              CRect(0, 0, 600, 6 * list.GetRowHeight() + 2), &parent, 300));
    list.UpdateScrollBar();
    EXPECT_EQ(list.GetTopRow(), 0);
    // Records beyond the document's companies are drawn as empty rows.
    owner.records.resize(40);
    CBlockCanvas canvas(600, 400);
    list.Draw(canvas.DC(), CRect(0, 0, 600, 400));
}

}  // namespace
