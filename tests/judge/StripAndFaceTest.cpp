// Face strips of groups of 30 persons, picture strips of groups of 20 types,
// and a face drawn centred or stretched into a box.

#include <algorithm>

#include "JudgeFixture.h"
#include "fakes/TestDrawing.h"
#include "model/BD.h"
#include "model/BM.h"

namespace {

class StripAndFaceTest : public JudgeTest {};

TEST_F(StripAndFaceTest, ThirtyOnePersonsMakeTwoFaceStrips) {
    SJudgmentFileOptions options;
    options.persons.directors = 31;
    options.persons.governors = 6;
    MakeGame(options);
    ASSERT_EQ(LoadGame(), -1);
    ASSERT_EQ(doc.GetPersonCount(), 31);
    EXPECT_EQ(doc.GetPerson(0)->Record().GetFaceStrip(), 0);
    EXPECT_EQ(doc.GetPerson(29)->Record().GetFaceStrip(), 0);
    EXPECT_EQ(doc.GetPerson(30)->Record().GetFaceStrip(), 1);
    // The governors follow in a strip of their own.
    EXPECT_EQ(doc.GetGovernor(0)->Record().GetFaceStrip(), 2);
    EXPECT_EQ(doc.GetFaceStripCount(), 3);
    // Faces lie side by side in person order.
    const ::CPersonData& second = doc.GetPerson(1)->Record();
    EXPECT_EQ(second.GetFaceOffset(0), doc.GetPerson(0)->Record().GetFace(0).GetWidth() +
                                           doc.GetPerson(0)->Record().GetFace(1).GetWidth() +
                                           doc.GetPerson(0)->Record().GetFace(2).GetWidth());
}

TEST_F(StripAndFaceTest, TwentyOneLandTypesMakeTwoPictureStrips) {
    MakeGame();
    ::CMapDoc& map = game->Doc().GetMap();
    size_t before = map.GetPictureStrips().size();
    CBD copy = *map.GetLandTypeEntry(0);
    while (map.GetLandTypeCount() < 21) ASSERT_TRUE(map.AddLandType(copy));
    ASSERT_EQ(LoadGame(), -1);
    EXPECT_EQ(doc.GetMap().Map().GetLandTypeCount(), 21);
    EXPECT_EQ(doc.GetMap().Map().GetPictureStrips().size(), before + 1);
}

class FaceDrawingTest : public StripAndFaceTest {
protected:
    static constexpr COLORREF kFill = RGB(1, 2, 3);
    void SetUp() override {
        StripAndFaceTest::SetUp();
        MakeGame();
        ASSERT_EQ(LoadGame(), -1);
        person = doc.GetPerson(0);
        face = person->GetJudgeFaceIndex();
        w = person->Record().GetFace(face).GetWidth();
        h = person->Record().GetFace(face).GetHeight();
        ASSERT_GT(w, 0);
        ASSERT_GT(h, 0);
    }
    // The box of the pixels drawn; empty when nothing was.
    CRect Drawn(int left, int top, int right, int bottom, bool stretch) {
        CTestCanvas canvas(80, 80, kFill);
        person->DrawJudgeFace(doc, canvas.DC(), left, top, right, bottom, face, stretch);
        CRect box(80, 80, 0, 0);
        for (int y = 0; y < 80; ++y)
            for (int x = 0; x < 80; ++x)
                if (canvas.At(x, y) != kFill) {
                    box.left = std::min<int>(box.left, x);
                    box.top = std::min<int>(box.top, y);
                    box.right = std::max<int>(box.right, x + 1);
                    box.bottom = std::max<int>(box.bottom, y + 1);
                }
        return box.left < box.right ? box : CRect(0, 0, 0, 0);
    }
    judge::CPersonData* person = nullptr;
    int face = 0, w = 0, h = 0;
};

TEST_F(FaceDrawingTest, CentredAtItsOwnSize) {
    CRect box = Drawn(10, 10, 70, 70, false);
    ASSERT_FALSE(box.IsRectEmpty());
    EXPECT_GE(box.left, (80 - w) / 2);
    EXPECT_LE(box.right, (80 - w) / 2 + w);
    EXPECT_GE(box.top, (80 - h) / 2);
    EXPECT_LE(box.bottom, (80 - h) / 2 + h);
}

TEST_F(FaceDrawingTest, StretchedWithItsProportionsKept) {
    CRect box = Drawn(0, 0, 80, 80, true);
    ASSERT_FALSE(box.IsRectEmpty());
    // The box's long side is the face's long side, filled edge to edge.
    if (h >= w) {
        EXPECT_LE(box.Width(), 80 * w / h + 1);
        EXPECT_GE(box.Height(), 78);
    } else {
        EXPECT_LE(box.Height(), 80 * h / w + 1);
        EXPECT_GE(box.Width(), 78);
    }
}

TEST_F(FaceDrawingTest, NothingForAnEmptyBoxOrAMissingFace) {
    EXPECT_TRUE(Drawn(20, 20, 20, 60, true).IsRectEmpty());
    EXPECT_TRUE(Drawn(20, 20, 60, 20, true).IsRectEmpty());
    EXPECT_TRUE(Drawn(30, 30, 10, 60, false).IsRectEmpty());
    person->Record().SetFaceOffset(face, -1);
    EXPECT_TRUE(Drawn(0, 0, 80, 80, false).IsRectEmpty());
    EXPECT_TRUE(Drawn(0, 0, 80, 80, true).IsRectEmpty());
}

}  // namespace
