// A hostile or broken peer changes nothing: every record that fails one of
// the receivers' checks is refused whole, the client's game saves the same
// bytes as before, and the network log says so.

#include <gtest/gtest.h>

#include <algorithm>

#include "StateGameFixture.h"
#include "model/FixedFieldFormat.h"
#include "model/MapDoc.h"
#include "netpeer/HostileFrames.h"

namespace {

std::string H(int recordClass, int group, int code) {
    return FormatRecordHeader(recordClass, group, code);
}
std::string F(int value, int width) {
    return FormatFixedInt(value, width);
}
std::string Repeat(const std::string& text, int n) {
    std::string out;
    for (int i = 0; i < n; ++i) out += text;
    return out;
}

class StateChecksTest : public CStateGameFixture {
public:
    // A document header with the client's own values but those given.
    std::string Header(int recreate, int count, int personFlag = 0, int directors = -1,
                       int governors = -1, int flag = 1) {
        const CMapDoc& map = client.GetMap();
        std::string text = H(300, 0, 100) + F(0, 4) + F(0, 10) + F(10, 4) + F(0, 4) + F(0, 4) +
                           F(recreate, 1) + F(count, 4) + F(personFlag, 1) +
                           F(directors < 0 ? client.GetDirectorTableSize() : directors, 4) +
                           F(governors < 0 ? client.GetGovernorTableSize() : governors, 4) +
                           F(flag, 1) + F(12, 4) + F(map.GetCompanyNameCount(), 3);
        for (int i = 0; i < map.GetCompanyNameCount(); ++i) text += F(-1, 3);
        return text;
    }
    // Person-record head: table flag and person number.
    std::string Person(int code, int table, int person) {
        return H(300, 2, code) + F(table, 1) + F(person, 4);
    }
    std::string Area(int code, int area) { return H(300, 3, code) + F(area, 4); }
    std::string Company(int code, int company) { return H(300, 1, code) + F(company, 4); }
};

struct SCase {
    const char* check;
    std::function<std::string(StateChecksTest&)> text;
};

TEST_F(StateChecksTest, EveryCheckRefusesItsRecordAndChangesNothing) {
    NewGame(4);
    const int directors = client.GetDirectorTableSize();
    const std::string rowOk = Repeat(F(0, 10), 5);
    const std::vector<SCase> cases = {
        // ---- the document (00)
        {"company count below 0", [](StateChecksTest& t) { return t.Header(1, -1); }},
        {"company count beyond the map's", [](StateChecksTest& t) { return t.Header(1, 999); }},
        {"person counts of other data", [](StateChecksTest& t) { return t.Header(1, 4, 0, 3); }},
        {"governor count of other data", [](StateChecksTest& t) { return t.Header(1, 4, 0, -1, 99); }},
        {"person flag set", [](StateChecksTest& t) { return t.Header(1, 4, 1); }},
        {"document flag of another game", [](StateChecksTest& t) { return t.Header(1, 4, 0, -1, -1, 0); }},
        {"other count without re-creating", [](StateChecksTest& t) { return t.Header(0, 5); }},
        {"stock row -1", [&](StateChecksTest&) { return H(300, 0, 0) + F(-1, 4) + F(5, 3) + rowOk; }},
        {"stock row beyond", [&](StateChecksTest&) { return H(300, 0, 0) + F(4, 4) + F(5, 3) + rowOk; }},
        {"stock row of another size", [&](StateChecksTest&) { return H(300, 0, 0) + F(1, 4) + F(9, 3) + rowOk; }},
        {"negative shares", [](StateChecksTest&) { return H(300, 0, 0) + F(1, 4) + F(5, 3) + F(-5, 10) + Repeat(F(0, 10), 4); }},
        {"turn order of another count", [](StateChecksTest&) { return H(300, 0, 1) + F(3, 3) + F(0, 3) + F(1, 3) + F(2, 3); }},
        {"turn order beyond the companies", [](StateChecksTest&) { return H(300, 0, 1) + F(4, 3) + F(0, 3) + F(1, 3) + F(2, 3) + F(7, 3); }},
        {"turn order twice the same", [](StateChecksTest&) { return H(300, 0, 1) + F(4, 3) + F(0, 3) + F(1, 3) + F(1, 3) + F(2, 3); }},
        {"turn position beyond", [](StateChecksTest&) { return H(300, 0, 5) + F(4, 3) + F(0, 3) + F(1, 3) + F(2, 3) + F(3, 3); }},
        {"turn state twice the same", [](StateChecksTest&) { return H(300, 0, 5) + F(0, 3) + F(0, 3) + F(0, 3) + F(2, 3) + F(3, 3); }},
        {"land value of no area", [](StateChecksTest&) { return H(300, 0, 2) + F(2, 3) + F(1, 1) + F(5, 4); }},
        {"land value rise flag 2", [](StateChecksTest&) { return H(300, 0, 2) + F(0, 3) + F(2, 1) + F(5, 4); }},
        {"month 12", [](StateChecksTest&) { return H(300, 0, 3) + F(0, 4) + F(12, 4); }},
        {"year beyond the game", [](StateChecksTest&) { return H(300, 0, 3) + F(99, 4) + F(0, 4); }},
        {"interest rate 99", [](StateChecksTest&) { return H(300, 0, 4) + F(99, 4); }},
        {"amounts of more areas than the map's", [](StateChecksTest&) { return H(300, 0, 7) + F(3, 3) + Repeat(F(1, 10), 3); }},
        {"amounts beyond the record", [](StateChecksTest&) { return H(300, 0, 7) + F(2, 3) + F(1, 10); }},
        {"unknown document code", [](StateChecksTest&) { return H(300, 0, 9); }},
        // ---- companies (01)
        {"company -1", [](StateChecksTest& t) { return t.Company(3, -1) + F(1, 10) + F(0, 10); }},
        {"company beyond", [](StateChecksTest& t) { return t.Company(3, 4) + F(1, 10) + F(0, 10); }},
        {"negative funds", [](StateChecksTest& t) { return t.Company(3, 0) + F(-1, 10) + F(0, 10); }},
        {"full record of another area count", [](StateChecksTest& t) { return t.Company(100, 0) + F(-1, 4) + F(-1, 4) + F(5, 4); }},
        {"name longer than the record", [](StateChecksTest& t) { return t.Company(100, 0) + F(-1, 4) + F(-1, 4) + F(2, 4) + F(1, 2) + F(490, 3) + "ab"; }},
        {"staff count beyond the record", [](StateChecksTest& t) {
             return t.Company(100, 0) + F(-1, 4) + F(-1, 4) + F(2, 4) + F(1, 2) + F(0, 3) + F(0, 3) + F(0, 3) +
                    F(1, 10) + F(0, 10) + F(1, 8) + F(0, 10) + F(0, 1) + F(0, 6) + F(0, 8) + F(0, 8) + F(0, 6) + F(0, 8) + F(400, 4);
         }},
        {"staff index beyond the directors", [&](StateChecksTest& t) {
             return t.Company(7, 0) + F(1, 4) + F(directors, 3);
         }},
        {"advice of 17 items", [](StateChecksTest& t) { return t.Company(9, 0) + F(-1, 4) + F(0, 4) + F(0, 8) + F(17, 2) + Repeat("0", 26 * 17); }},
        {"negative past years", [](StateChecksTest& t) { return t.Company(10, 0) + F(-3, 4) + F(0, 4); }},
        {"more years than n", [](StateChecksTest& t) { return t.Company(10, 0) + F(1, 4) + F(2, 4) + Repeat(F(0, 10), 4); }},
        {"years from beyond", [](StateChecksTest& t) { return t.Company(11, 0) + F(5, 4) + F(6, 4) + Repeat(F(0, 10), 2); }},
        {"element beyond the areas", [](StateChecksTest& t) { return t.Company(21, 0) + F(3, 4) + Repeat("0", 200); }},
        {"negative history count", [](StateChecksTest& t) { return t.Company(24, 0) + F(-1, 4); }},
        {"history entries beyond the array", [](StateChecksTest& t) { return t.Company(25, 0) + F(0, 6) + F(5, 6) + "00000008" + F(0, 4); }},
        {"history parameters beyond the record", [](StateChecksTest& t) {
             // One entry to read, whose parameters run beyond the record.
             EXPECT_TRUE(t.ApplyText(t.client, t.Company(24, 0) + F(1, 4)));
             return t.Company(25, 0) + F(0, 6) + F(1, 6) + F(0, 5) + F(8, 3) + F(999, 4);
         }},
        {"relations of more directors than the staff", [](StateChecksTest& t) { return t.Company(26, 3) + F(5, 4) + Repeat(F(1, 4), 5); }},
        {"plan index beyond", [](StateChecksTest& t) { return t.Company(23, 0) + F(3, 4) + F(0, 3) + F(0, 4) + F(0, 3); }},
        {"unknown company code", [](StateChecksTest& t) { return t.Company(99, 0); }},
        // ---- persons (02)
        {"person beyond the directors", [&](StateChecksTest& t) { return t.Person(2, 0, directors) + F(5, 6); }},
        {"governor beyond the governors", [](StateChecksTest& t) { return t.Person(2, 1, 6) + F(5, 6); }},
        {"relations of more companies than the map's", [](StateChecksTest& t) { return t.Person(0, 0, 0) + F(40, 4) + Repeat(F(1, 4), 40); }},
        {"relations beyond the record", [](StateChecksTest& t) { return t.Person(0, 0, 0) + F(8, 4) + F(1, 4); }},
        {"employer beyond the companies", [](StateChecksTest& t) { return t.Person(1, 0, 0) + F(9, 3) + F(0, 5) + F(0, 1); }},
        {"task kind 15", [](StateChecksTest& t) { return t.Person(3, 0, 0) + F(0, 5) + F(15, 3) + F(0, 3) + F(0, 4) + F(0, 4); }},
        {"employment block backwards", [](StateChecksTest&) { return H(300, 2, 200) + F(2, 4) + F(1, 4); }},
        {"employment block of four", [](StateChecksTest&) { return H(300, 2, 200) + F(0, 4) + F(3, 4); }},
        {"employment block beyond the directors", [&](StateChecksTest&) { return H(300, 2, 200) + F(directors - 1, 4) + F(directors, 4); }},
        {"task progress of 51", [](StateChecksTest&) { return H(300, 2, 201) + F(51, 4) + Repeat(F(0, 4), 51); }},
        {"task progress of a director without work", [](StateChecksTest&) { return H(300, 2, 201) + F(1, 4) + F(0, 4); }},
        {"funds beyond the companies", [](StateChecksTest&) { return H(300, 2, 202) + F(3, 4) + F(4, 4) + Repeat(F(0, 10), 4); }},
        {"status beyond the governors", [](StateChecksTest&) { return H(300, 2, 203) + F(1, 1) + F(5, 4) + F(6, 4) + Repeat("000000000", 2); }},
        // ---- the map (03)
        {"area beyond the map", [](StateChecksTest& t) { return t.Area(70, 2); }},
        {"league 3", [](StateChecksTest&) { return H(300, 3, 20) + F(3, 2) + F(4, 4); }},
        {"league of 99 teams", [](StateChecksTest&) { return H(300, 3, 20) + F(0, 2) + F(99, 4) + "0005000000000000000000000000000000"; }},
        {"teams beyond the league", [](StateChecksTest&) { return H(300, 3, 22) + F(0, 2) + F(40, 4) + F(41, 4); }},
        {"area state of another size", [](StateChecksTest& t) { return t.Area(70, 0) + F(99, 4) + F(99, 4) + Repeat("0", 90); }},
        {"layer chunk beyond the layer", [](StateChecksTest& t) { return t.Area(88, 0) + F(100000, 8) + F(100399, 8) + Repeat("\x01", 400); }},
        {"layer value out of its range", [](StateChecksTest& t) { return t.Area(88, 0) + F(0, 8) + F(3, 8) + std::string("\x63\x00\x00\x00", 4); }},
        {"land value beyond the loader's", [](StateChecksTest& t) { return t.Area(89, 0) + F(0, 8) + F(3, 8) + "0000"; }},
        {"cell outside the grid", [](StateChecksTest& t) { return t.Area(110, 0) + "0000000010" + F(1, 4) + F(99, 4) + F(0, 4) + std::string(4, '\0'); }},
        {"negative project sizes", [](StateChecksTest& t) { return t.Area(72, 0) + F(0, 8) + F(-1, 4) + F(-5, 3) + F(0, 4); }},
        {"project sites beyond", [](StateChecksTest& t) { return t.Area(73, 0) + F(0, 4) + F(3, 4); }},
        {"pair list chunk beyond", [](StateChecksTest& t) { return t.Area(76, 0) + F(0, 4) + F(60, 4); }},
        {"unknown map code", [](StateChecksTest& t) { return t.Area(99, 0); }},
        // ---- broken buildings (400 02/053-054)
        {"broken cells without a report", [](StateChecksTest&) { return H(400, 2, 54) + F(0, 4) + F(1, 4) + F(1, 4) + F(1, 4); }},
        {"broken building of no area", [](StateChecksTest&) { return H(400, 2, 53) + F(2, 4) + F(1, 4); }},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.check);
        const std::string text = c.text(*this);
        const std::vector<uint8_t> before = client.SaveBytes();
        log.clear();
        EXPECT_FALSE(ApplyText(client, text));
        EXPECT_TRUE(client.SaveBytes() == before);
        ASSERT_EQ(log.size(), 1u);
        EXPECT_EQ(log[0].rfind("]Receive error:", 0), 0u) << log[0];
    }
}

// The broken-building report checks each block against the report: the
// cells come in order, within the count, inside the grid.
TEST_F(StateChecksTest, BrokenBuildingBlocksFollowTheirReport) {
    NewGame(2);
    const std::string head = H(400, 2, 53) + F(0, 4) + F(2, 4);
    const std::vector<std::pair<const char*, std::string>> cases = {
        {"a block that does not start at the cells received", H(400, 2, 54) + F(1, 4) + F(2, 4) + F(1, 4) + F(1, 4)},
        {"a block beyond the count", H(400, 2, 54) + F(0, 4) + F(3, 4) + Repeat(F(1, 4), 6)},
        {"a cell outside the grid", H(400, 2, 54) + F(0, 4) + F(1, 4) + F(1, 4) + F(99, 4)},
        {"an empty block", H(400, 2, 54) + F(0, 4) + F(0, 4)},
    };
    for (const auto& [check, text] : cases) {
        SCOPED_TRACE(check);
        ASSERT_TRUE(ApplyText(client, head));
        const std::vector<uint8_t> before = client.SaveBytes();
        EXPECT_FALSE(ApplyText(client, text));
        EXPECT_TRUE(client.SaveBytes() == before);
    }
    // A report of no cells is shown at once.
    frame.infoLines.clear();
    EXPECT_TRUE(ApplyText(client, H(400, 2, 53) + F(1, 4) + F(0, 4)));
    ASSERT_EQ(frame.infoLines.size(), 1u);
    EXPECT_EQ(frame.infoLines[0].rfind("The building broke in ", 0), 0u);
}

// The hostile peer's state records: each is applied or refused with its
// line, and after every one the client's game still saves and loads.
TEST_F(StateChecksTest, HostileStateRecordsLeaveAGameThatSavesAndLoads) {
    NewGame(4);
    CScopedService<IDocService> scoped = ScopedDoc(&client);
    CHostileFrames frames(7, CHostileFrames::EKinds::StateTransfer);
    int applied = 0, refused = 0;
    for (int i = 0; i < 1200; ++i) {
        const SHostileFrame frame = frames.Next();
        ASSERT_EQ(frame.bytes.size(), static_cast<size_t>(kNetRecordSize));
        NetRecordBytes record{};
        std::copy(frame.bytes.begin(), frame.bytes.end(), record.begin());
        log.clear();
        CNetDocState state(client, [this](const std::string& line) { log.push_back(line); });
        const bool ok = frame.bytes.compare(8, 3, "400") == 0 ? state.OnBuildingBrokeRecord(record)
                                                              : state.OnTransferRecord(record);
        ok ? ++applied : ++refused;
        EXPECT_EQ(log.size(), ok ? 0u : 1u) << frame.bytes.substr(0, 40);
        CVDoc check;
        CFrameState checkFrame;
        check.SetFrameState(&checkFrame);
        ASSERT_EQ(check.LoadBytes(client.SaveBytes()), -1) << frame.bytes.substr(0, 40);
    }
    // The frames reach both ends of the checks.
    EXPECT_GT(applied, 0);
    EXPECT_GT(refused, 0);
}

}  // namespace
