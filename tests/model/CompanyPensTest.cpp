#include <gtest/gtest.h>

#include "model/ColorTable.h"
#include "model/CompanyPens.h"
#include "platform/gfx/SystemColors.h"

namespace {

TEST(CompanyPensTest, OnePenPairAndBrushPerColourAndNoneOutside) {
    CCompanyPens pens;
    ASSERT_TRUE(pens.Create());
    EXPECT_EQ(pens.GetGrayTextPen()->Color(), CSystemColors::Color(COLOR_GRAYTEXT));
    for (int colour : {0, 17, 31}) {
        SCOPED_TRACE(colour);
        EXPECT_EQ(pens.GetSolidPen(colour)->Color(), GetColorTableEntry(colour));
        EXPECT_EQ(pens.GetSolidPen(colour)->Style(), PS_SOLID);
        EXPECT_EQ(pens.GetDotPen(colour)->Color(), GetColorTableEntry(colour));
        EXPECT_EQ(pens.GetDotPen(colour)->Style(), PS_DOT);
        EXPECT_EQ(pens.GetBrush(colour)->Color(), GetColorTableEntry(colour));
    }
    for (int colour : {-1, 32}) {
        SCOPED_TRACE(colour);
        EXPECT_EQ(pens.GetSolidPen(colour), nullptr);
        EXPECT_EQ(pens.GetDotPen(colour), nullptr);
        EXPECT_EQ(pens.GetBrush(colour), nullptr);
    }
    pens.Release();
    EXPECT_FALSE(pens.GetBrush(0)->IsCreated());
}

}  // namespace
