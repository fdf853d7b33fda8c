// Order records: the month stamp, copies, the empty stored form and the
// network text with its field widths.

#include "model/CmdSet.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>

#include "fakes/FakeServices.h"
#include "model/MercavoError.h"
#include "platform/core/Archive.h"

namespace {

class CmdSetTest : public testing::Test {
protected:
    CFakeDocService doc;
    CScopedService<IDocService> scopedDoc = ScopedDoc(&doc);
};

// A land purchase as the catalogue would build it: director, area, cell,
// price.
CCmdSet LandPurchase() {
    CCmdSet order;
    order.Init(3, 29);
    order.AddKind(12);
    order.AddParam(4);
    order.AddPoint(CCellPoint(7, 11));
    order.AddValue(2500000);
    order.AddValue(-1);
    order.AddValue(0);
    return order;
}

int ErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (eMERCAVO_ERROR e) {
        return e;
    }
    return -1;
}

}  // namespace

TEST_F(CmdSetTest, InitTakesTheCurrentMonthForMinusOne) {
    doc.currentMonthIndex = 2 * 12 + 5;
    CCmdSet order;
    order.Init(9, -1);
    EXPECT_EQ(order.GetOrderType(), 9);
    EXPECT_EQ(order.GetMonthIndex(), 29);
    order.Init(9, 40);
    EXPECT_EQ(order.GetMonthIndex(), 40);
}

TEST_F(CmdSetTest, ListsAppendAndReadBack) {
    CCmdSet order = LandPurchase();
    EXPECT_EQ(order.AddKind(30), 1);
    EXPECT_EQ(order.GetKind(0), 12);
    EXPECT_EQ(order.GetKind(1), 30);
    EXPECT_EQ(order.GetParam(0), 4);
    EXPECT_EQ(order.GetValue(0), 2500000);
    CCellPoint point;
    EXPECT_EQ(order.GetPoint(point, 0), CCellPoint(7, 11));
    EXPECT_EQ(point, CCellPoint(7, 11));
    EXPECT_THROW(order.GetKind(2), std::out_of_range);
    EXPECT_THROW(order.GetParam(-1), std::out_of_range);
    EXPECT_THROW(order.GetValue(3), std::out_of_range);
    EXPECT_THROW(order.GetPoint(point, 1), std::out_of_range);
}

TEST_F(CmdSetTest, AssignmentCopiesExactlyTheSourceLists) {
    CCmdSet target;
    target.Init(20, 1);
    for (int i = 0; i < 5; ++i) {
        target.AddKind(i);
        target.AddParam(i);
        target.AddPoint(CCellPoint(i, i));
        target.AddValue(i);
    }
    CCmdSet source = LandPurchase();
    target = source;
    EXPECT_EQ(target.GetKindCount(), 1);
    EXPECT_EQ(target.GetParamCount(), 1);
    EXPECT_EQ(target.GetPointCount(), 1);
    EXPECT_EQ(target.GetValueCount(), 3);
    EXPECT_EQ(target, source);

    CCmdSet& self = target;
    target = self;
    EXPECT_EQ(target, source);
    CCmdSet copy(source);
    EXPECT_EQ(copy, source);
}

TEST_F(CmdSetTest, SerializeWritesAndReadsNothing) {
    CMemoryStream stream;
    CArchive out(stream, CArchive::store);
    CCmdSet order = LandPurchase();
    order.Serialize(out);
    EXPECT_TRUE(stream.Bytes().empty());

    CMemoryStream data(std::vector<uint8_t>{1, 2, 3, 4});
    CArchive in(data, CArchive::load);
    order.Serialize(in);
    EXPECT_EQ(data.Position(), 0u);
    EXPECT_EQ(order, LandPurchase());
}

TEST_F(CmdSetTest, NetworkTextFieldsAndRoundTrip) {
    std::string text = "prefix";
    ASSERT_TRUE(LandPurchase().AppendText(text, 512));
    EXPECT_EQ(text,
              "prefix"
              "00030029"
              "001"
              "0012"
              "001"
              "0004"
              "001"
              "00070011"
              "003"
              "00002500000"
              "-0000000001"
              "00000000000");

    CCmdSet received;
    received.Init(1, 1);
    received.AddValue(9);
    std::string body = text.substr(6);
    EXPECT_EQ(received.ReadText(body + std::string(30, '\0')), body.size());
    EXPECT_EQ(received, LandPurchase());
}

TEST_F(CmdSetTest, ValuesOfAnySizeSurviveTheTrip) {
    CCmdSet order;
    order.Init(23, 9999);
    order.AddKind(-999);
    order.AddPoint(CCellPoint(-1, -1));
    for (int value : {INT_MIN, INT_MAX, 10000, -1000, 123456789}) order.AddValue(value);
    std::string text;
    ASSERT_TRUE(order.AppendText(text, 512));
    CCmdSet received;
    received.ReadText(text);
    EXPECT_EQ(received, order);
}

TEST_F(CmdSetTest, AnOrderWhoseFieldsDoNotFitIsNotWritten) {
    struct Case {
        const char* what;
        std::function<void(CCmdSet&)> spoil;
    };
    std::vector<Case> cases{
        {"order type", [](CCmdSet& o) { o.Init(10000, 29); }},
        {"month index", [](CCmdSet& o) { o.Init(3, 10000); }},
        {"negative month index", [](CCmdSet& o) { o.Init(3, -1000); }},
        {"person", [](CCmdSet& o) { o.AddKind(10000); }},
        {"area", [](CCmdSet& o) { o.AddParam(-1000); }},
        {"cell x", [](CCmdSet& o) { o.AddPoint(CCellPoint(10000, 0)); }},
        {"cell y", [](CCmdSet& o) { o.AddPoint(CCellPoint(0, -1000)); }},
        {"list of 1000",
         [](CCmdSet& o) {
             for (int i = 0; i < 1000; ++i) o.AddValue(i);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CCmdSet order = LandPurchase();
        c.spoil(order);
        std::string text = "kept";
        EXPECT_FALSE(order.AppendText(text, 100000));
        EXPECT_EQ(text, "kept");
    }
    std::string text;
    std::string full;
    ASSERT_TRUE(LandPurchase().AppendText(full, 512));
    EXPECT_FALSE(LandPurchase().AppendText(text, full.size() - 1));
    EXPECT_TRUE(text.empty());
    EXPECT_TRUE(LandPurchase().AppendText(text, full.size()));
}

TEST_F(CmdSetTest, BadNetworkTextIsRefusedAndLeavesTheRecord) {
    std::string good;
    ASSERT_TRUE(LandPurchase().AppendText(good, 512));
    std::vector<std::string> texts{
        "",
        "00030029",
        good.substr(0, good.size() - 1),    // last value cut short
        good.substr(0, 8 + 3 + 4 + 3 + 2),  // inside the params
        "00030029-01",                      // negative count
        "00030029999" + std::string(100, '1'),
    };
    for (const std::string& text : texts) {
        SCOPED_TRACE(text);
        CCmdSet order;
        order.Init(5, 6);
        order.AddValue(7);
        CCmdSet before = order;
        EXPECT_EQ(ErrorOf([&] { order.ReadText(text); }), 3);
        EXPECT_EQ(order, before);
    }
}
