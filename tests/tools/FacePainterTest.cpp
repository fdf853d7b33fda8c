#include <gtest/gtest.h>

#include <vector>

#include "model/BM.h"
#include "tools/mkdata/FacePainter.h"

namespace {

using ESex = CFacePainter::ESex;

const CGamePalette& Palette() {
    static const CGamePalette palette;
    return palette;
}

double Similarity(const CCanvas& a, const CCanvas& b) {
    int same = 0;
    for (size_t i = 0; i < a.Pixels().size(); ++i) same += a.Pixels()[i] == b.Pixels()[i];
    return static_cast<double>(same) / static_cast<double>(a.Pixels().size());
}

TEST(FacePainter, EveryFaceHasTheOneSizeAndIsFullyPainted) {
    for (uint64_t seed : {0u, 1u, 77u})
        for (ESex sex : {ESex::Male, ESex::Female})
            for (int age = 0; age < CFacePainter::kAges; ++age) {
                CCanvas face = CFacePainter::Draw(seed, sex, age, Palette());
                ASSERT_EQ(face.Width(), CFacePainter::kWidth);
                ASSERT_EQ(face.Height(), CFacePainter::kHeight);
                for (int y = 0; y < face.Height(); ++y)
                    for (int x = 0; x < face.Width(); ++x) ASSERT_TRUE(face.IsCovered(x, y));
                CBM picture(CFacePainter::DrawBlock(seed, sex, age, Palette()));
                ASSERT_TRUE(picture.HasImage());
                EXPECT_EQ(picture.GetWidth(), CFacePainter::kWidth);
                EXPECT_EQ(picture.GetHeight(), CFacePainter::kHeight);
            }
}

TEST(FacePainter, SameSeedSameFace) {
    for (int age = 0; age < CFacePainter::kAges; ++age)
        EXPECT_EQ(CFacePainter::Draw(42, ESex::Female, age, Palette()).Pixels(),
                  CFacePainter::Draw(42, ESex::Female, age, Palette()).Pixels());
}

// Persons are told apart, and one person's three ages look more alike than
// two different persons do.
TEST(FacePainter, PersonsDifferAndAgesKeepTheirFeatures) {
    const int persons = 24;
    std::vector<std::vector<CCanvas>> faces(persons);
    for (int p = 0; p < persons; ++p)
        for (int age = 0; age < CFacePainter::kAges; ++age)
            faces[p].push_back(CFacePainter::Draw(
                static_cast<uint64_t>(p), p % 2 ? ESex::Female : ESex::Male, age, Palette()));
    double samePerson = 0.0;
    double otherPersons = 0.0;
    int otherPairs = 0;
    for (int p = 0; p < persons; ++p) {
        EXPECT_NE(faces[p][0].Pixels(), faces[p][1].Pixels()) << p;
        EXPECT_NE(faces[p][1].Pixels(), faces[p][2].Pixels()) << p;
        samePerson += Similarity(faces[p][0], faces[p][1]);
        for (int q = p + 1; q < persons; ++q) {
            EXPECT_LT(Similarity(faces[p][0], faces[q][0]), 0.95) << p << " and " << q;
            otherPersons += Similarity(faces[p][0], faces[q][0]);
            ++otherPairs;
        }
    }
    EXPECT_GT(samePerson / persons, otherPersons / otherPairs + 0.2);
}

}  // namespace
