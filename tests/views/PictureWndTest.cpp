// The picture windows: when the building window shows and hides, what it
// refuses to draw, where faces and the fixed picture go, and that the
// company and person windows draw nothing without their subject.

#include <gtest/gtest.h>

#include "model/BD.h"
#include "model/MapDoc.h"
#include "model/PersonData.h"
#include "model/PictureStrips.h"
#include "views/DrawBDWnd.h"
#include "views/DrawBMWnd.h"
#include "views/DrawEPWnd.h"
#include "views/DrawFaceWnd.h"
#include "views/DrawPDWnd.h"
#include "views/PictureFixture.h"

namespace {

TEST_F(PictureWndTest, SetBuildingShowsOnlyOnAChange) {
    CDrawBDWnd building;
    CreateChild(building, CRect(0, 0, 80, 80));
    struct Step {
        const char* what;
        bool hideFirst;
        int building;
        BOOL changed;
        BOOL visible;
    };
    const Step steps[] = {
        {"the current value (none)", false, -1, FALSE, TRUE},
        {"the current value on a hidden window", true, -1, FALSE, FALSE},
        {"a type shows it", false, 2, TRUE, TRUE},
        {"the same type again leaves it hidden", true, 2, FALSE, FALSE},
        {"another type shows it", false, 3, TRUE, TRUE},
        {"a negative one hides it", false, -4, TRUE, FALSE},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.what);
        if (s.hideFirst) building.ShowWindow(SW_HIDE);
        EXPECT_EQ(building.SetBuilding(s.building), s.changed);
        EXPECT_EQ(building.IsWindowVisible() != FALSE, s.visible != FALSE);
    }
}

TEST_F(PictureWndTest, ABuildingBeyondTheTableDrawsNothing) {
    const CMapDoc& map = doc.GetMap();
    struct Case {
        int set;
        int building;
        bool drawn;
    };
    const Case cases[] = {
        {1, 1, true},
        {1, map.GetLandTypeCount() - 1, true},
        {1, map.GetLandTypeCount(), false},
        {0, map.GetStructureTypeCount(), false},
        {0, map.GetStructureTypeCount() + 100, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.building);
        CDrawBDWnd building;
        building.SetPictureSet(c.set);
        building.SetBuilding(c.building);
        EXPECT_EQ(building.GetShownType() != nullptr, c.drawn);
        CBlockCanvas canvas(120, 120);
        building.DrawPicture(canvas.DC(), 120, 120);
        EXPECT_EQ(!canvas.Drawn().IsRectEmpty(), c.drawn);
    }
}

TEST_F(PictureWndTest, TheBuildingIsCentredInItsWindow) {
    CDrawBDWnd building;
    building.SetBuilding(1);
    const CBD* type = building.GetShownType();
    ASSERT_NE(type, nullptr);
    CBlockCanvas canvas(200, 160);
    building.DrawPicture(canvas.DC(), 200, 160);
    const CRect drawn = canvas.Drawn();
    ASSERT_FALSE(drawn.IsRectEmpty());
    // The picture's transparent rim may be left out; the middle stays.
    EXPECT_NEAR((drawn.left + drawn.right) / 2.0, 100.0, 1.0 + (200 - drawn.Width()) / 2.0);
    EXPECT_NEAR((drawn.top + drawn.bottom) / 2.0, 80.0, 1.0 + (160 - drawn.Height()) / 2.0);
}

TEST(FaceTarget, NaturalSizeOnlyWhenItFillsMostOfTheWindow) {
    struct Case {
        CSize picture, client;
        CRect target;
    };
    const Case cases[] = {
        {CSize(60, 60), CSize(64, 64), CRect(2, 2, 62, 62)},
        {CSize(60, 60), CSize(100, 100), CRect(0, 0, 100, 100)},
        {CSize(60, 60), CSize(85, 85), CRect(12, 12, 72, 72)},
        {CSize(60, 60), CSize(86, 86), CRect(0, 0, 86, 86)},
        {CSize(60, 60), CSize(50, 70), CRect(0, 0, 50, 70)},
        {CSize(40, 60), CSize(50, 64), CRect(5, 2, 45, 62)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CDrawFaceWnd::FaceTarget(c.picture, c.client), c.target)
            << c.picture.cx << "x" << c.picture.cy << " in " << c.client.cx << "x" << c.client.cy;
}

TEST_F(PictureWndTest, AFaceShowsForAPersonAndHidesWithout) {
    const int person = DirectorByAge(true);
    ASSERT_GE(person, 0);
    CDrawFaceWnd face;
    CreateChild(face, CRect(0, 0, 64, 64));
    struct Step {
        int n;
        BOOL changed;
        BOOL visible;
    };
    const Step steps[] = {{person + 1, TRUE, TRUE}, {person + 1, FALSE, TRUE}, {0, TRUE, FALSE},
                          {-3, TRUE, FALSE}};
    for (const Step& s : steps) {
        EXPECT_EQ(face.SetPerson(s.n), s.changed) << s.n;
        EXPECT_EQ(face.IsWindowVisible() != FALSE, s.visible != FALSE) << s.n;
    }
    face.SetPerson(person + 1);
    const CBM& picture = doc.GetDirector(person)->GetFace(doc.GetDirector(person)->GetFaceIndexForAge());
    CBlockCanvas canvas(200, 200);
    face.DrawPicture(canvas.DC(), 200, 200);
    const CRect drawn = canvas.Drawn();
    EXPECT_GT(drawn.Width(), picture.GetWidth()) << "a small face is fitted to a large window";
    face.SetPerson(doc.GetDirectorTableSize() + 1);
    CBlockCanvas none(64, 64);
    face.DrawPicture(none.DC(), 64, 64);
    EXPECT_TRUE(none.Drawn().IsRectEmpty()) << "a person beyond the table";
}

TEST_F(PictureWndTest, TheFixedPictureIsCentredAndCutEqually) {
    CBitmap* picture = host.strips.GetBitmap(CPictureCatalog::kReportPicture);
    ASSERT_NE(picture, nullptr);
    const CSize size = picture->GetSize();
    CDC source;
    source.CreateCompatibleDC(nullptr);
    CBitmap* previous = source.SelectObject(picture);
    CDrawBMWnd bitmap;
    bitmap.SetKind(CDrawBMWnd::kKindReportPicture);
    struct Case {
        CSize client;
        CPoint origin;  // where the picture's top left corner goes
    };
    const Case cases[] = {
        {CSize(size.cx + 40, size.cy + 20), CPoint(20, 10)},
        {CSize(size.cx - 20, size.cy - 40), CPoint(-10, -20)},
        {size, CPoint(0, 0)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.client.cx);
        CBlockCanvas canvas(c.client.cx, c.client.cy);
        bitmap.DrawPicture(canvas.DC(), c.client.cx, c.client.cy);
        const int x0 = std::max(0, c.origin.x), y0 = std::max(0, c.origin.y);
        EXPECT_EQ(canvas.At(x0, y0), source.GetPixel(x0 - c.origin.x, y0 - c.origin.y));
        const int x1 = std::min(c.client.cx, c.origin.x + size.cx) - 1;
        const int y1 = std::min(c.client.cy, c.origin.y + size.cy) - 1;
        EXPECT_EQ(canvas.At(x1, y1), source.GetPixel(x1 - c.origin.x, y1 - c.origin.y));
    }
    source.SelectObject(previous);
    bitmap.SetKind(CDrawBMWnd::kKindNone);
    CBlockCanvas none(50, 50);
    bitmap.DrawPicture(none.DC(), 50, 50);
    EXPECT_TRUE(none.Drawn().IsRectEmpty());
}

TEST_F(PictureWndTest, CompanyAndPersonWindowsNeedTheirSubject) {
    struct Case {
        const char* what;
        int company;
        bool drawn;
    };
    const Case cases[] = {
        {"no company", -1, false},
        {"beyond the companies", doc.GetCompanyCount(), false},
        {"the first company", 0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CDrawEPWnd company;
        company.SetEnterprise(c.company);
        CBlockCanvas canvas(300, 80);
        company.DrawContent(canvas.DC(), 300, 80);
        EXPECT_EQ(!canvas.Drawn().IsRectEmpty(), c.drawn);

        CDrawPDWnd person;
        person.SetPersonIndex(c.company < 0 ? -1 : c.company * 1000);
        CBlockCanvas line(300, 40);
        person.DrawLine(line.DC(), 300, 40);
        EXPECT_EQ(!line.Drawn().IsRectEmpty(), c.company == 0);
    }
}

TEST_F(PictureWndTest, ACompanyInATallWindowKeepsItsRowsAboveTheCaption) {
    const CSize layout = host.fonts.GetLayoutSize();
    const int row = std::max(layout.cy, host.MarkCell().cy);
    const int rows = (row - layout.cy) / 2 + 2 * layout.cy;
    for (int centred = 0; centred < 2; ++centred) {
        SCOPED_TRACE(centred ? "centred" : "from the top");
        CDrawEPWnd company;
        company.SetEnterprise(0);
        company.SetCentred(centred);
        CBlockCanvas title(300, 300);
        company.DrawContent(title.DC(), 300, 300);
        company.SetText("Caption");
        CBlockCanvas both(300, 300);
        company.DrawContent(both.DC(), 300, 300);
        const CRect titleBox = title.Drawn();
        const CRect bothBox = both.Drawn();
        // The title's rows, then the caption's line right below them.
        EXPECT_LE(titleBox.Height(), rows + host.MarkCell().cy);
        EXPECT_GT(bothBox.bottom, titleBox.bottom) << "the caption lies below the title";
        EXPECT_LE(bothBox.Height(), rows + host.fonts.GetCaptionLineSize().cy + host.MarkCell().cy);
    }
}

}  // namespace
