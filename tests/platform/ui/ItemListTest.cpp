// The item store of list and combo boxes, and the scroll codes they share:
// the selection follows the items it points at, sorting and searching
// ignore case, and bad indexes are refused without touching anything.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/ui/ControlMessages.h"
#include "platform/ui/detail/ControlSupport.h"
#include "platform/ui/detail/ItemList.h"

namespace {

CItemList Make(const std::vector<std::string>& texts, int selected) {
    CItemList list;
    for (const std::string& t : texts) list.Insert(-1, t);
    list.Select(selected);
    return list;
}

std::vector<std::string> Texts(const CItemList& list) {
    std::vector<std::string> out;
    for (int i = 0; i < list.Count(); ++i) out.push_back(list.At(i).text);
    return out;
}

TEST(ItemListTest, SelectionFollowsItsItem) {
    struct Case {
        const char* what;
        bool insert;
        int index;
        int selectedAfter;
    };
    const Case cases[] = {
        {"insert before", true, 0, 2}, {"insert at the selection", true, 1, 2},
        {"insert after", true, 2, 1},  {"insert at the end", true, -1, 1},
        {"erase before", false, 0, 0}, {"erase the selection", false, 1, -1},
        {"erase after", false, 2, 1},
    };
    for (const Case& c : cases) {
        CItemList list = Make({"a", "b", "c"}, 1);
        if (c.insert) {
            EXPECT_GE(list.Insert(c.index, "new"), 0) << c.what;
        } else {
            EXPECT_TRUE(list.Erase(static_cast<UINT>(c.index))) << c.what;
        }
        EXPECT_EQ(list.Selected(), c.selectedAfter) << c.what;
    }
}

TEST(ItemListTest, BadIndexesChangeNothing) {
    CItemList list = Make({"a", "b"}, 0);
    EXPECT_EQ(list.Insert(3, "x"), -1);
    EXPECT_EQ(list.Insert(-2, "x"), -1);
    EXPECT_FALSE(list.Erase(2));
    EXPECT_FALSE(list.Erase(static_cast<UINT>(-1)));
    EXPECT_EQ(Texts(list), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(list.Selected(), 0);
    EXPECT_FALSE(list.Has(-1));
    EXPECT_FALSE(list.Has(2));
    EXPECT_EQ(list.Insert(2, "c"), 2);  // one past the last is the end

    list.Clear();
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.Selected(), -1);
}

TEST(ItemListTest, SortedPlaceIgnoresCaseAndFollowsEquals) {
    CItemList list = Make({"apple", "Fig", "pear"}, -1);
    EXPECT_EQ(list.SortedIndex("Banana"), 1);
    EXPECT_EQ(list.SortedIndex("fig"), 2);
    EXPECT_EQ(list.SortedIndex("zz"), 3);
    EXPECT_EQ(list.SortedIndex(""), 0);
}

TEST(ItemListTest, FindWrapsRoundAndIgnoresCase) {
    CItemList list = Make({"Alpha", "beta", "alps", "Gamma"}, -1);
    EXPECT_EQ(list.Find(-1, "AL"), 0);
    EXPECT_EQ(list.Find(0, "al"), 2);
    EXPECT_EQ(list.Find(2, "al"), 0);  // round the end
    EXPECT_EQ(list.Find(-1, "alphabet"), -1);
    EXPECT_EQ(list.Find(-1, ""), 0);
    EXPECT_EQ(list.Find(3, ""), 0);
    EXPECT_EQ(CItemList().Find(-1, "a"), -1);
}

TEST(ItemListTest, ScrollCodesGiveTheirTarget) {
    struct Case {
        UINT code;
        int target;
    };
    // From 5, a page of 3, the bottom at 9, the thumb at 7.
    const Case cases[] = {{SB_LINEUP, 4},   {SB_LINEDOWN, 6},   {SB_PAGEUP, 2},
                          {SB_PAGEDOWN, 8}, {SB_THUMBTRACK, 7}, {SB_THUMBPOSITION, 7},
                          {SB_TOP, 0},      {SB_BOTTOM, 9}};
    for (const Case& c : cases) {
        int target = -100;
        EXPECT_TRUE(CControlSupport::ScrollTarget(c.code, 7, 5, 3, 9, target)) << c.code;
        EXPECT_EQ(target, c.target) << c.code;
    }
    int untouched = -100;
    EXPECT_FALSE(CControlSupport::ScrollTarget(SB_ENDSCROLL, 7, 5, 3, 9, untouched));
    EXPECT_EQ(untouched, -100);
}

}  // namespace
