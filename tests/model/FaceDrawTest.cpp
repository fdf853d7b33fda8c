#include <gtest/gtest.h>

#include <vector>

#include "PersonFixtures.h"
#include "fakes/TestDrawing.h"

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kWhite = RGB(255, 255, 255);

// A 24-bit face of rows given top first.
std::vector<uint8_t> MakeFace(int width, int height, COLORREF left, COLORREF right) {
    SDibLayout layout;
    layout.width = width;
    layout.height = height;
    layout.bitCount = 24;
    std::vector<uint8_t> row;
    for (int x = 0; x < width; ++x) {
        COLORREF c = x < width / 2 ? left : right;
        row.insert(row.end(), {GetBValue(c), GetGValue(c), GetRValue(c)});
    }
    layout.rows.assign(static_cast<size_t>(height), row);
    return MakeDib(layout);
}

// A person with a tall red-and-blue young face (4 x 6) and a wide green
// middle-aged one (6 x 3), packed into face strip 0 as the document packs
// them: side by side from x = 0.
class FaceDrawTest : public PersonTest {
protected:
    void SetUp() override {
        PersonTest::SetUp();
        SRawPerson raw;
        raw.faces[0] = MakeFace(4, 6, kRed, kBlue);
        raw.faces[1] = MakeFace(6, 3, kGreen, kGreen);
        person = FromRaw(raw);
        stripDC.CreateCompatibleDC(nullptr);
        strip.CreateBitmap(10, 6);
        stripDC.SelectObject(&strip);
        person.GetFace(0).Draw(stripDC, 0, 0, 4, 6);
        person.GetFace(1).Draw(stripDC, 4, 0, 6, 3);
        person.SetFaceStrip(0);
        person.SetFaceOffset(0, 0);
        person.SetFaceOffset(1, 4);
        doc.faceStrips = {&strip};
    }

    CPersonData person;
    CDC stripDC;
    CBitmap strip;
};

TEST_F(FaceDrawTest, TallFaceFillsTheCentredNarrowedTarget) {
    CTestCanvas canvas(10, 10, kWhite);
    // 8 x 8 narrowed to the face's 2 : 3: 5 x 8 from x = 1.
    person.DrawFace(canvas.DC(), 0, 0, 8, 8, 0);
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 10; ++x) {
            SCOPED_TRACE(testing::Message() << "(" << x << ", " << y << ")");
            COLORREF pixel = canvas.At(x, y);
            if (x < 1 || x >= 6 || y >= 8) {
                EXPECT_EQ(pixel, kWhite);
            } else if (x == 1) {
                EXPECT_EQ(pixel, kRed);
            } else if (x == 5) {
                EXPECT_EQ(pixel, kBlue);
            } else {
                EXPECT_TRUE(pixel == kRed || pixel == kBlue);
            }
        }
    }
}

TEST_F(FaceDrawTest, WideFaceFromItsOffsetInTheStrip) {
    CTestCanvas canvas(10, 10, kWhite);
    // 9 x 9 narrowed to 9 x 4 from y = 2.
    person.DrawFace(canvas.DC(), 0, 0, 9, 9, 1);
    std::vector<COLORREF> expected(100, kWhite);
    for (int y = 2; y < 6; ++y) {
        for (int x = 0; x < 9; ++x) expected[size_t(y * 10 + x)] = kGreen;
    }
    EXPECT_EQ(canvas.Pixels(0, 0, 10, 10), expected);
}

TEST_F(FaceDrawTest, NothingIsDrawnForDegenerateTargetsOrMissingFaces) {
    struct Case {
        const char* name;
        int left, top, right, bottom, face, strip;
    };
    for (Case c : std::initializer_list<Case>{{"zero width", 5, 0, 5, 9, 0, 0},
                                              {"zero height", 0, 4, 9, 4, 0, 0},
                                              {"inverted", 9, 0, 0, 9, 0, 0},
                                              {"face not in the strip", 0, 0, 9, 9, 2, 0},
                                              {"no such face", 0, 0, 9, 9, 3, 0},
                                              {"no face strip", 0, 0, 9, 9, 0, -1},
                                              {"strip the document lacks", 0, 0, 9, 9, 0, 1}}) {
        SCOPED_TRACE(c.name);
        person.SetFaceStrip(c.strip);
        CTestCanvas canvas(10, 10, kWhite);
        person.DrawFace(canvas.DC(), c.left, c.top, c.right, c.bottom, c.face);
        EXPECT_EQ(canvas.Pixels(0, 0, 10, 10), std::vector<COLORREF>(100, kWhite));
    }
}

TEST_F(FaceDrawTest, DrawnFaceForALook) {
    CTestCanvas canvas(64, 48, kWhite);
    person.DrawFace(canvas.DC(), 2, 2, 30, 46, 0);
    person.DrawFace(canvas.DC(), 34, 2, 62, 46, 1);
    EXPECT_EQ(canvas.At(8, 24), kRed);
    canvas.SaveWhenAsked("person_faces");
}

}  // namespace
