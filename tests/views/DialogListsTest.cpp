// The dialogs' owner-drawn lists: the shared row states, the company list,
// the structure list with its pictures, the person list and its header,
// and the plain list whose rows can be unavailable.

#include <gtest/gtest.h>

#include "model/BD.h"
#include "model/Enterprise.h"
#include "model/MapDoc.h"
#include "model/MapGeometry.h"
#include "model/PersonData.h"
#include "platform/gfx/SystemColors.h"
#include "platform/ui/SystemMetrics.h"
#include "views/EnterpriseListBox.h"
#include "views/MyListBox.h"
#include "views/OwnerRow.h"
#include "views/StructureListBox.h"
#include "views/SubordinateHeaderWnd.h"
#include "views/SubordinateListBox.h"
#include "views/TableOwners.h"

namespace {

constexpr DWORD kListStyle = WS_CHILD | WS_VISIBLE | LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS | LBS_NOTIFY;

class DialogListsTest : public PictureWndTest {
protected:
    void CreateList(CListBox& list, UINT id = 200) {
        ASSERT_TRUE(list.Create(kListStyle, CRect(0, 0, 380, 200), &parent, id));
    }
    // A structure type with a picture in the current direction.
    int PicturedType() {
        const CMapDoc& map = doc.GetMap();
        for (int t = 0; t < map.GetStructureTypeCount(); ++t) {
            const CBD& type = *map.GetStructureType(t);
            const int p = CMapGeometry::PictureIndexOf(type, doc.GetViewPictureIndex());
            if (p >= 0 && type.GetPictureOffset(0, p) >= 0 && type.GetViewExtent(p).x > 8) return t;
        }
        return -1;
    }
    // A director employed or not.
    int Director(bool employed) {
        for (int p = 0; p < doc.GetDirectorTableSize(); ++p)
            if ((doc.GetDirector(p)->GetEmployer() >= 0) == employed) return p;
        return -1;
    }
    // Whether any pixel of the columns [from, to) of the canvas differs
    // from colour.
    static bool DrawnIn(CBlockCanvas& canvas, int from, int to, int height, COLORREF colour) {
        for (int y = 0; y < height; ++y)
            for (int x = from; x < to; ++x)
                if (canvas.At(x, y) != colour) return true;
        return false;
    }
};

struct SStateCase {
    bool selected;
    bool available;
    int state;
    int background;
};
const SStateCase kStateCases[] = {
    {false, true, 0, COLOR_BTNFACE},
    {true, true, 1, COLOR_ACTIVECAPTION},
    {false, false, 2, COLOR_BTNFACE},
    {true, false, 3, COLOR_INACTIVECAPTION},
};

TEST_F(DialogListsTest, EveryListDrawsTheSharedRowStates) {
    CMyListBox plain;
    CreateList(plain, 201);
    plain.AddString("A row");
    plain.AddString("Another");
    ASSERT_EQ(plain.SetItemCount(2), 1);
    plain.SetItemValue(0, 5);

    CEnterpriseListBox companies;
    CreateList(companies, 202);
    companies.AddRow(0, "10", 1);
    companies.AddRow(1, "20", 0);
    companies.Fill();

    CStructureOwnerStub owner;
    owner.entries = {{PicturedType(), 1}, {PicturedType(), 0}};
    CStructureListBox structures;
    structures.SetOwnerDialog(&owner);
    CreateList(structures, 203);
    structures.Fill();

    for (const SStateCase& c : kStateCases) {
        SCOPED_TRACE(::testing::Message() << "selected " << c.selected << " available " << c.available);
        EXPECT_EQ(OwnerRow::StateOf(c.selected, c.available), c.state);
        EXPECT_EQ(OwnerRow::Background(c.state), GetSysColor(c.background));
        const int row = c.available ? 0 : 1;
        EXPECT_EQ(companies.StateOfRow(row, c.selected), c.state);
        EXPECT_EQ(structures.StateOfRow(row, c.selected), c.state);
        auto check = [&](auto& list, const char* name) {
            CBlockCanvas canvas(380, 40);
            DrawListItem(list, canvas, row, CRect(0, 0, 380, 40), c.selected);
            EXPECT_EQ(canvas.At(379, 39), GetSysColor(c.background)) << name;
        };
        check(plain, "plain list");
        check(companies, "company list");
        check(structures, "structure list");
    }
}

TEST_F(DialogListsTest, PlainListIgnoresValuesBeyondItsCountAndDrawsMissingOnesUnavailable) {
    CMyListBox list;
    CreateList(list);
    for (const char* text : {"one", "two", "three"}) list.AddString(text);
    ASSERT_EQ(list.SetItemCount(2), 1);
    list.SetItemValue(1, 7);
    list.SetItemValue(2, 9);   // beyond the count
    list.SetItemValue(-1, 9);  // before the first
    EXPECT_EQ(list.GetItemValue(1), 7);
    EXPECT_EQ(list.GetItemValue(2), 0);
    EXPECT_EQ(list.GetItemValue(-1), 0);
    // Item 2 has a text but no value: unavailable.
    CBlockCanvas canvas(200, 30);
    DrawListItem(list, canvas, 2, CRect(0, 0, 200, 30), true);
    EXPECT_EQ(canvas.At(199, 29), GetSysColor(COLOR_INACTIVECAPTION));
    // A new count forgets the values.
    ASSERT_EQ(list.SetItemCount(3), 1);
    EXPECT_EQ(list.GetItemValue(1), 0);
}

TEST_F(DialogListsTest, CompanyListSelectsItsFirstRowWhenFilled) {
    CEnterpriseListBox list;
    CreateList(list);
    EXPECT_EQ(list.GetSelectedCompany(), -1);
    ASSERT_EQ(list.AddRow(2, "  12   30", 1), 1);
    ASSERT_EQ(list.AddRow(0, "  15   10", 1), 1);
    list.Fill();
    EXPECT_EQ(list.GetCount(), 2);
    EXPECT_EQ(list.GetCurSel(), 0);
    EXPECT_EQ(list.GetSelectedCompany(), 2);
    list.SetCurSel(1);
    EXPECT_EQ(list.GetSelectedCompany(), 0);
    // A row for a company the document does not have draws no name, no crash.
    ASSERT_EQ(list.AddRow(99, "x", 1), 1);
    CBlockCanvas canvas(380, 30);
    DrawListItem(list, canvas, 2, CRect(0, 0, 380, 30), false);
}

TEST_F(DialogListsTest, StructurePictureFitsItsBox) {
    struct SCase {
        int pw, ph, bw, bh, w, h;
        const char* what;
    } cases[] = {
        {20, 10, 40, 32, 20, 10, "small: its own size"},
        {40, 80, 40, 32, 16, 32, "tall: the box height"},
        {80, 20, 40, 32, 40, 10, "wide: the box width"},
        {40, 32, 40, 32, 40, 32, "exactly the box"},
        {0, 20, 40, 32, 0, 0, "no width"},
        {20, 0, 40, 32, 0, 0, "no height"},
        {20, 20, 0, 32, 0, 0, "no box"},
    };
    for (const SCase& c : cases) {
        const CSize size = CStructureListBox::FitPicture(c.pw, c.ph, c.bw, c.bh);
        EXPECT_EQ(size, CSize(c.w, c.h)) << c.what;
    }
}

TEST_F(DialogListsTest, StructurePictureIsCentredSmallAndScaledWhenTall) {
    const int t = PicturedType();
    ASSERT_GE(t, 0);
    const CBD& type = *doc.GetMap().GetStructureType(t);
    const auto extent = type.GetViewExtent(CMapGeometry::PictureIndexOf(type, doc.GetViewPictureIndex()));
    CStructureListBox list;
    // Twice the picture's size: drawn at its own size in the middle.
    {
        CBlockCanvas canvas(extent.x * 2, extent.y * 2);
        list.DrawPicture(canvas.DC(), type, CRect(0, 0, extent.x * 2, extent.y * 2));
        const CRect drawn = canvas.Drawn();
        ASSERT_FALSE(drawn.IsRectEmpty());
        const CRect expected(extent.x / 2, extent.y / 2, extent.x / 2 + extent.x, extent.y / 2 + extent.y);
        EXPECT_TRUE(CRect().IntersectRect(drawn, expected) && drawn.left >= expected.left &&
                    drawn.right <= expected.right && drawn.top >= expected.top &&
                    drawn.bottom <= expected.bottom)
            << "drawn " << drawn.left << "," << drawn.top << "," << drawn.right << "," << drawn.bottom;
    }
    // Half the picture's height: scaled to the box height, centred across.
    {
        const int bw = extent.x * 3, bh = extent.y / 2;
        CBlockCanvas canvas(bw, bh);
        list.DrawPicture(canvas.DC(), type, CRect(0, 0, bw, bh));
        const CRect drawn = canvas.Drawn();
        const int w = bh * extent.x / extent.y;
        EXPECT_GE(drawn.left, (bw - w) / 2);
        EXPECT_LE(drawn.right, (bw - w) / 2 + w);
        EXPECT_GT(drawn.Height(), bh / 2);
    }
}

TEST_F(DialogListsTest, StructureWithoutAPictureInTheSlotDrawsNone) {
    const int t = PicturedType();
    ASSERT_GE(t, 0);
    const CBD& original = *doc.GetMap().GetStructureType(t);
    const int p = CMapGeometry::PictureIndexOf(original, doc.GetViewPictureIndex());
    struct SCase {
        const char* what;
        void (*spoil)(CBD&, int);
    } cases[] = {
        {"no picture offset", [](CBD& b, int slot) { b.SetPictureOffset(0, slot, -1); }},
        {"no mask offset", [](CBD& b, int slot) { b.SetPictureOffset(1, slot, -1); }},
        {"no strip", [](CBD& b, int) { b.SetStripNumber(-1); }},
    };
    CStructureListBox list;
    for (const SCase& c : cases) {
        CBD type = original;
        c.spoil(type, p);
        CBlockCanvas canvas(100, 60);
        list.DrawPicture(canvas.DC(), type, CRect(0, 0, 100, 60));
        EXPECT_TRUE(canvas.Drawn().IsRectEmpty()) << c.what;
    }
}

TEST_F(DialogListsTest, PersonRowsTakeTheirHeightAndMarkFromTheEntry) {
    const int employed = Director(true), free = Director(false);
    ASSERT_GE(free, 0);
    CPersonOwnerStub owner;
    owner.persons = {{0, free, 1, ""}, {1, free, 1, ""}, {1, employed >= 0 ? employed : free, 1, "Sales"}};
    owner.outside = {{1, 1}, {77, 1}};
    CSubordinateListBox list;
    list.SetOwnerDialog(&owner);
    CreateList(list);
    list.Fill();
    const CSize unit = OwnerRow::LayoutSize(), mark = OwnerRow::MarkCell();
    ASSERT_EQ(list.GetCount(), 5);
    EXPECT_EQ(list.GetItemHeight(0), unit.cy);
    EXPECT_EQ(list.GetItemHeight(1), std::max<int>(unit.cy, mark.cy));
    EXPECT_EQ(list.GetItemHeight(3), std::max<int>(unit.cy, mark.cy));

    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    struct SCase {
        int row;
        bool markDrawn;
        int nameFrom;
        const char* what;
    } cases[] = {
        {0, false, 3, "no mark flag: the name 3 pixels in"},
        {1, false, mark.cx + 3, "mark flag, no employer: no mark"},
        {3, true, mark.cx + 3, "outside entry: its company's mark"},
    };
    for (const SCase& c : cases) {
        const int height = list.GetItemHeight(c.row);
        CBlockCanvas canvas(380, height);
        DrawListItem(list, canvas, c.row, CRect(0, 0, 380, height), false);
        EXPECT_EQ(DrawnIn(canvas, 0, c.nameFrom, height, face), c.markDrawn) << c.what;
        EXPECT_TRUE(DrawnIn(canvas, c.nameFrom, c.nameFrom + 3 * unit.cx, height, face)) << c.what;
    }
    if (employed >= 0) {
        const int height = list.GetItemHeight(2);
        CBlockCanvas canvas(380, height);
        DrawListItem(list, canvas, 2, CRect(0, 0, 380, height), false);
        EXPECT_TRUE(DrawnIn(canvas, 0, mark.cx, height, face)) << "the employer's mark";
        EXPECT_TRUE(DrawnIn(canvas, 20 * unit.cx, 380, height, face)) << "the extra text";
    }
    // An outside entry naming no company draws only its background.
    CBlockCanvas canvas(380, 30);
    DrawListItem(list, canvas, 4, CRect(0, 0, 380, 30), false);
    EXPECT_FALSE(DrawnIn(canvas, 0, 380, 30, face));
}

TEST_F(DialogListsTest, PersonHeaderTitlesFollowTheHeaderKind) {
    CPersonOwnerStub owner;
    CSubordinateHeaderWnd header;
    header.SetOwnerDialog(&owner);
    const CSize unit = OwnerRow::LayoutSize();
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    struct SCase {
        int kind;
        bool name, work;
    } cases[] = {{0, true, true}, {1, true, false}, {2, false, false}, {-1, false, false}};
    for (const SCase& c : cases) {
        owner.headerKind = c.kind;
        CBlockCanvas canvas(400, unit.cy + 4);
        header.Draw(canvas.DC(), CRect(0, 0, 400, unit.cy + 4));
        EXPECT_EQ(DrawnIn(canvas, 0, 6 * unit.cx, unit.cy + 4, face), c.name) << c.kind;
        EXPECT_EQ(DrawnIn(canvas, 21 * unit.cx, 400, unit.cy + 4, face), c.work) << c.kind;
    }
}

}  // namespace
