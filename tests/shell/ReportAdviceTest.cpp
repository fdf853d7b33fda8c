// The adviser's advice: every kind in its general and its targeted form,
// the area and cell each line is tagged with, the items of a stored or
// received list whose indexes do not hold, and the box without advice.

#include "ReportFixture.h"
#include "model/AdvicePacket.h"

namespace {

class AdviceTest : public ReportTest {
public:
    void SetUp() override {
        ReportTest::SetUp();
        CEnterprise& company = *doc->GetEnterprise(0);
        // Company 0's only director becomes its adviser.
        for (int i = 0; i < 500 && company.GetAdviser() != roles[0]; ++i) company.FindAdviser();
        ASSERT_EQ(company.GetAdviser(), roles[0]);
    }
    static CAdvicePacket Item(int kind, int detailed, int value = -1, int p1 = -1, int p2 = -1,
                              int p3 = 0, CCellPoint point = CCellPoint(-1, -1)) {
        CAdvicePacket item;
        item.SetKind(kind);
        item.SetDetailed(detailed);
        item.SetValue(value);
        item.SetParam1(p1);
        item.SetParam2(p2);
        item.SetParam3(p3);
        item.SetPoint(point.x, point.y);
        return item;
    }
    // Shows the items as company 0's advice.
    SResult Show(const std::vector<CAdvicePacket>& items) {
        doc->GetEnterprise(0)->GetAdvice() = items;
        return RunBoth([](CSetDrawMes& m) { m.ShowAdvice(0); });
    }
    static std::string Tags(const SShownBox& box) {
        std::string s;
        for (const CMyMessageDlg::SLineTag& tag : box.tags) {
            if (!s.empty()) s += " ";
            s += std::to_string(tag.area);
            if (tag.cell.x >= 0 || tag.cell.y >= 0)
                s += "@" + std::to_string(tag.cell.x) + "," + std::to_string(tag.cell.y);
        }
        return s;
    }
};

struct SAdviceRow {
    const char* name;
    CAdvicePacket item;
    std::vector<std::string> lines;
    // Each line's area (and cell).
    const char* tags;
};

TEST_F(AdviceTest, EveryKindInItsGeneralAndTargetedForm) {
    const int office = TypeOfCode(60);
    const std::string t = "{T" + std::to_string(office) + "}";
    const CCellPoint cell(3, 2);
    const int p1 = roles[1], p2 = roles[2];
    const std::string sport0 = doc->GetMap().GetLeague(0).IsRankedByRate() ? "Baseball" : "Football";
    const std::vector<SAdviceRow> rows = {
        {"0 general", Item(0, 0, 1), {R"(0: "We should develop in " [{A1}] ".")"}, "1"},
        {"0 targeted", Item(0, 1, 1, -1, -1, office),
         {R"(0: "I recommend developing a " [)" + t + "]", R"(1: "in " [{A1}] ".")"}, "1 1"},
        {"1 general", Item(1, 0, 1), {R"(0: "We should invest in city project.")"}, "-1"},
        {"1 targeted", Item(1, 1, 1),
         {R"(0: "I recommend invest in city project in " [{A1}] ".")"}, "-1"},
        {"2 general", Item(2, 0, 1), {R"(0: "We should purchase the land in " [{A1}] ".")"}, "1"},
        {"2 targeted", Item(2, 1, 1), {R"(0: "We should purchase the land in " [{A1}] ".")"}, "1"},
        {"3 general", Item(3, 0, 1), {R"(0: "I endorse advertising in " [{A1}] ".")"}, "1"},
        {"3 targeted", Item(3, 1, 0), {R"(0: "I endorse advertising in " [{A0}] ".")"}, "0"},
        {"4 general", Item(4, 0, 1), {R"(0: "We should facilitate disaster prevention support.")"}, "-1"},
        {"4 targeted", Item(4, 1, 1),
         {R"(0: "I advise promoting disaster prevention support in " [{A1}] "  ")"}, "1"},
        {"5 general", Item(5, 0, -1, 2), {R"(0: "I advocate buying stock.")"}, "-1"},
        {"5 targeted", Item(5, 1, -1, 2), {R"(0: "I advocate buying " {C2} " stock.")"}, "-1"},
        {"6 general", Item(6, 0, -1, 2), {R"(0: "I urge selling stock.")"}, "-1"},
        {"6 targeted", Item(6, 1, -1, 2), {R"(0: "I urge selling " {C2} " stock.")"}, "-1"},
        {"7 general", Item(7, 0), {R"(0: "I propose getting a bank loan.")"}, "-1"},
        {"7 targeted", Item(7, 1, 1), {R"(0: "I propose getting a bank loan.")"}, "-1"},
        {"8 general", Item(8, 0), {R"(0: "I endorse repaying the bank loan.")"}, "-1"},
        {"8 targeted", Item(8, 1, 1), {R"(0: "I endorse repaying the bank loan.")"}, "-1"},
        {"9 general", Item(9, 0, 1), {R"(0: "I encourage expanding into a new area.")"}, "-1"},
        {"9 targeted", Item(9, 1, 1), {R"(0: "I encourage expanding into " [{A1}] ".")"}, "1"},
        {"10 general", Item(10, 0), {R"(0: "We should recruit new employees.")"}, "-1"},
        {"10 targeted", Item(10, 1, 1), {R"(0: "We should recruit new employees.")"}, "-1"},
        {"11 general", Item(11, 0), {R"(0: "We need more upper management.")"}, "-1"},
        {"11 targeted", Item(11, 1, 1), {R"(0: "We need more upper management.")"}, "-1"},
        {"12 general", Item(12, 0, -1, -1, p2),
         {R"(0: "Talented personel exist in another company.")"}, "-1"},
        {"12 targeted", Item(12, 1, -1, -1, p2),
         {R"(0: "A very talented " [{P2}] " works in " {C1} ".")"}, "-1"},
        {"13 reinforce", Item(13, 0, 1, -1, -1, 1, cell),
         {R"(0: "I encourage reinforcing the " [{A1}] " building.")"}, "1@3,2"},
        {"13 demolish", Item(13, 1, 1, -1, -1, 0, cell),
         {R"(0: "The collapsed " [{A1}] " building must be demolished.")"}, "1@3,2"},
        {"14 general", Item(14, 0, -1, -1, -1, 12), {R"(0: "Advertising budget needs adjusting.")"}, "-1"},
        {"14 by 12", Item(14, 1, -1, -1, -1, 12),
         {R"(0: "We should " "generously raise" " the advertising budget.")"}, "-1"},
        {"14 by 3", Item(14, 1, -1, -1, -1, 3),
         {R"(0: "We should " "raise" " the advertising budget.")"}, "-1"},
        {"14 by 0", Item(14, 1, -1, -1, -1, 0),
         {R"(0: "We should " "reduce" " the advertising budget.")"}, "-1"},
        {"14 by -3", Item(14, 1, -1, -1, -1, -3),
         {R"(0: "We should " "reduce" " the advertising budget.")"}, "-1"},
        {"14 by -12", Item(14, 1, -1, -1, -1, -12),
         {R"(0: "We should " "sharply reduce" " the advertising budget.")"}, "-1"},
        {"15 general", Item(15, 0, -1, -1, -1, 1), {R"(0: "Employee salary requires adjusting.")"}, "-1"},
        {"15 raise", Item(15, 1, -1, -1, -1, 1),
         {R"(0: "Employee salary requires a " "raise.")"}, "-1"},
        {"15 reduce", Item(15, 1, -1, -1, -1, 0),
         {R"(0: "Employee salary requires a " "reduction.")"}, "-1"},
        {"16 general", Item(16, 0, -1, -1, p1, 1),
         {R"(0: [{P1}] "'s salary requires adjusting.")"}, "-1"},
        {"16 raise", Item(16, 1, -1, -1, p1, 1),
         {R"(0: "We should " "raise " [{P1}] "'s salary.")"}, "-1"},
        {"16 reduce", Item(16, 1, -1, -1, p1, -1),
         {R"(0: "We should " "reduce " [{P1}] "'s salary.")"}, "-1"},
        {"17 general", Item(17, 0, 1),
         {R"(0: "Attracting EXPO participants is a good investment.")"}, "-1"},
        {"17 targeted", Item(17, 1, 1),
         {R"(0: "I recommend attracting " [{A1}] " EXPO participants.")"}, "1"},
        {"18 general", Item(18, 0, 1), {R"(0: "Governor contribution is encouraged.")"}, "-1"},
        {"18 targeted", Item(18, 1, 1), {R"(0: [{A1}] " Governor contribution is encouraged.")"}, "1"},
        {"19 general", Item(19, 0, -1, -1, 0, 1),
         {R"(0: "Let's purchase a professional sports team.")"}, "-1"},
        {"19 targeted", Item(19, 1, -1, -1, 0, 1),
         {R"(0: "We should buy the professional " [)" + sport0 + R"(] " team, " [{B0.1}] ".")"},
         "-1"},
    };
    for (const SAdviceRow& row : rows) {
        SCOPED_TRACE(row.name);
        const SResult result = Show({row.item});
        EXPECT_EQ(result.settings, Expand("Advice face {i0} quiet"));
        EXPECT_EQ(result.localClose, 0);
        EXPECT_EQ(result.networkClose, 0);
        EXPECT_EQ(result.box.adviceList, 1);
        std::vector<std::string> expected;
        for (const std::string& line : row.lines) expected.push_back(Expand(line));
        EXPECT_EQ(result.lines, expected);
        EXPECT_EQ(Tags(result.box), row.tags);
    }
}

TEST_F(AdviceTest, IndexesThatDoNotHoldGiveTheGeneralSentenceWithoutAPlace) {
    const int office = TypeOfCode(60);
    const std::vector<SAdviceRow> rows = {
        {"0: structure type", Item(0, 1, 1, -1, -1, 999),
         {R"(0: "We should develop in " [{A1}] ".")"}, "-1"},
        {"0: area", Item(0, 1, 7, -1, -1, office), {R"(0: "We should develop in " [] ".")"}, "-1"},
        {"0 general: area", Item(0, 0, -2), {R"(0: "We should develop in " [] ".")"}, "-1"},
        {"2: area", Item(2, 0, 50), {R"(0: "We should purchase the land in " [] ".")"}, "-1"},
        {"9: area", Item(9, 1, -1), {R"(0: "I encourage expanding into a new area.")"}, "-1"},
        {"5: company", Item(5, 1, -1, 99), {R"(0: "I advocate buying stock.")"}, "-1"},
        {"6: company", Item(6, 1, -1, -1), {R"(0: "I urge selling stock.")"}, "-1"},
        {"12: person", Item(12, 1, -1, -1, 99999),
         {R"(0: "Talented personel exist in another company.")"}, "-1"},
        {"12: no employer", Item(12, 1, -1, -1, roles[3]),
         {R"(0: "Talented personel exist in another company.")"}, "-1"},
        {"13: area", Item(13, 1, -1, -1, -1, 0, CCellPoint(3, 2)),
         {R"(0: "The collapsed " [] " building must be demolished.")"}, "-1"},
        {"16: person", Item(16, 1, -1, -1, -5, 1), {R"(0: [] "'s salary requires adjusting.")"}, "-1"},
        {"19: league", Item(19, 1, -1, -1, 5, 0),
         {R"(0: "Let's purchase a professional sports team.")"}, "-1"},
        {"19: team", Item(19, 1, -1, -1, 0, 999),
         {R"(0: "Let's purchase a professional sports team.")"}, "-1"},
        // No text: no line for the tag to go with.
        {"a kind beyond the table", Item(20, 1, 1), {}, ""},
    };
    for (const SAdviceRow& row : rows) {
        SCOPED_TRACE(row.name);
        const SResult result = Show({row.item});
        std::vector<std::string> expected;
        for (const std::string& line : row.lines) expected.push_back(Expand(line));
        EXPECT_EQ(result.lines, expected);
        EXPECT_EQ(Tags(result.box), row.tags);
    }
}

TEST_F(AdviceTest, ItemsFollowEachOtherWithTheirTags) {
    const int office = TypeOfCode(60);
    // Three items: lines 0-1, 2 and 3.
    const SResult three = Show({Item(0, 1, 1, -1, -1, office), Item(1, 1, 0), Item(3, 0, 0)});
    ASSERT_EQ(three.lines.size(), 4u);
    EXPECT_EQ(three.lines[2], R"(2: "I recommend invest in city project in " [)" +
                                  doc->GetAreaName(0) + R"(] ".")");
    EXPECT_EQ(three.lines[3].substr(0, 2), "3:");
    EXPECT_EQ(Tags(three.box), "1 1 -1 0");
    const SResult result = Show({Item(0, 1, 1, -1, -1, office), Item(7, 0), Item(20, 0),
                                 Item(9, 1, 0)});
    // Two lines for the development, one for the loan, an empty one for
    // the unknown kind, then the expansion. A line is tagged once the text
    // reaches it: the empty line goes with the item after it.
    EXPECT_EQ(result.lines.size(), 4u);
    EXPECT_EQ(result.lines[2], R"(2: "I propose getting a bank loan.")");
    EXPECT_EQ(result.lines[3].substr(0, 2), "4:");
    EXPECT_EQ(Tags(result.box), "1 1 -1 0 0");
}

TEST_F(AdviceTest, NoAdviceShowsTheCompanyPanelAlone) {
    const std::vector<std::string> noAdvice = {R"(1: "No advice.")"};
    struct Case {
        const char* name;
        std::function<void(AdviceTest&)> prepare;
    };
    const std::vector<Case> cases = {
        {"an empty list", [](AdviceTest& t) { t.doc->GetEnterprise(0)->GetAdvice().clear(); }},
        {"an adviser employed elsewhere",
         [](AdviceTest& t) {
             t.doc->GetEnterprise(0)->GetAdvice() = {Item(7, 0)};
             t.Role(0)->SetEmployer(3);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.prepare(*this);
        const SResult result = RunBoth([](CSetDrawMes& m) { m.ShowAdvice(0); });
        EXPECT_EQ(result.settings, "Advice panel 0 style 0 quiet");
        EXPECT_EQ(result.lines, noAdvice);
        EXPECT_EQ(result.box.adviceList, 0);
    }
    // A company without adviser.
    doc->GetEnterprise(3)->GetAdvice() = {Item(7, 0)};
    ASSERT_LT(doc->GetEnterprise(3)->GetAdviser(), 0);
    const SResult result = RunBoth([](CSetDrawMes& m) { m.ShowAdvice(3); });
    EXPECT_EQ(result.settings, "Advice panel 3 style 0 quiet");
    EXPECT_EQ(result.lines, noAdvice);
}

}  // namespace
