// Company history entries: the adders, the stored form with its checks and
// the network text with its packing into records.

#include "model/History.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <vector>

#include "fakes/FakeServices.h"
#include "model/MercavoError.h"
#include "platform/core/Archive.h"
#include "platform/core/ArchiveException.h"

namespace {

class HistoryTest : public testing::Test {
protected:
    void SetUp() override { doc.currentMonthIndex = 29; }

    CFakeDocService doc;
    CScopedService<IDocService> scopedDoc = ScopedDoc(&doc);
};

std::vector<int> Params(const CHistory& entry) {
    std::vector<int> params;
    for (int i = 0; i < entry.GetParamCount(); ++i) params.push_back(entry.GetParam(i));
    return params;
}

std::vector<uint8_t> Ints(std::initializer_list<int32_t> values) {
    CMemoryStream stream;
    CArchive ar(stream, CArchive::store);
    for (int32_t v : values) ar.WriteInt(v);
    return stream.Bytes();
}

CHistory Load(std::vector<uint8_t> bytes) {
    CMemoryStream stream(std::move(bytes));
    CArchive ar(stream, CArchive::load);
    CHistory entry;
    entry.Serialize(ar);
    return entry;
}

std::vector<uint8_t> Store(CHistory entry) {
    CMemoryStream stream;
    CArchive ar(stream, CArchive::store);
    entry.Serialize(ar);
    return stream.Bytes();
}

int ErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (eMERCAVO_ERROR e) {
        return e;
    }
    return -1;
}

CHistory Entry(int kind, std::vector<int> params) {
    // Built through the stored form so that any kind and count can be made.
    std::vector<int32_t> ints{7, kind, static_cast<int32_t>(params.size())};
    ints.insert(ints.end(), params.begin(), params.end());
    CMemoryStream stream;
    CArchive ar(stream, CArchive::store);
    for (int v : ints) ar.WriteInt(v);
    return Load(stream.Bytes());
}

}  // namespace

TEST_F(HistoryTest, AddersStampMonthKindAndParameters) {
    struct Case {
        std::function<int(CHistory&)> add;
        int kind;
        std::vector<int> params;
    };
    std::vector<Case> cases{
        {[](CHistory& h) { return h.SetEnteredMarket(4); }, 1, {4}},
        {[](CHistory& h) { return h.SetLandPurchased(5); }, 2, {5}},
        {[](CHistory& h) { return h.SetSalesTarget(2); }, 3, {2}},
        {[](CHistory& h) { return h.SetEmployeesPassed(0); }, 4, {0}},
        {[](CHistory& h) { return h.SetDirectorChange(17, true); }, 5, {17, 0}},
        {[](CHistory& h) { return h.SetDirectorChange(17, false); }, 5, {17, 1}},
        {[](CHistory& h) { return h.SetStrike(2); }, 6, {2}},
        {[](CHistory& h) { return h.SetConstructionOutsourced(3, 41); }, 7, {3, 41}},
        {[](CHistory& h) { return h.SetDisaster(3, 41, 1); }, 8, {3, 41, 1}},
        {[](CHistory& h) { return h.SetExhibition(6, true); }, 9, {6, 0}},
        {[](CHistory& h) { return h.SetExhibition(6, false); }, 9, {6, 1}},
        {[](CHistory& h) { return h.SetDonationScandal(6, 12); }, 10, {6, 12}},
        {[](CHistory& h) { return h.SetTeamTrade(1, 4, true); }, 11, {1, 4, 0}},
        {[](CHistory& h) { return h.SetTeamTrade(1, 4, false); }, 11, {1, 4, 1}},
        {[](CHistory& h) { return h.SetChampions(2, 5, 3); }, 12, {2, 5, 3}},
        {[](CHistory& h) { return h.SetCompanyName("Abc", 0); }, 13, {65, 98, 99}},
        {[](CHistory& h) { return h.SetCompanyName("\xE9x", 1); }, 14, {-23, 120}},
        {[](CHistory& h) { return h.SetMerger("Abc", "Delta"); },
         15,
         {3, 5, 65, 98, 99, 68, 101, 108, 116, 97}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        CHistory entry = Entry(9, {1, 2, 3, 4});  // an adder replaces what was there
        EXPECT_EQ(c.add(entry), 1);
        EXPECT_EQ(entry.GetMonthIndex(), 29);
        EXPECT_EQ(entry.GetKind(), c.kind);
        EXPECT_EQ(Params(entry), c.params);
    }
}

TEST_F(HistoryTest, DefaultEntryAndParameterBounds) {
    CHistory entry;
    EXPECT_EQ(entry.GetKind(), 0);
    EXPECT_EQ(entry.GetParamCount(), 0);
    entry.SetChampions(0, 1, 2);
    EXPECT_THROW(entry.GetParam(3), std::out_of_range);
    EXPECT_THROW(entry.GetParam(-1), std::out_of_range);
}

TEST_F(HistoryTest, StoredFormRoundTrip) {
    CHistory entry;
    entry.SetMerger("Abc", "Delta");
    std::vector<uint8_t> bytes = Store(entry);
    EXPECT_EQ(bytes, Ints({29, 15, 10, 3, 5, 65, 98, 99, 68, 101, 108, 116, 97}));
    CHistory loaded = Load(bytes);
    EXPECT_EQ(loaded.GetMonthIndex(), 29);
    EXPECT_EQ(loaded.GetKind(), 15);
    EXPECT_EQ(Params(loaded), Params(entry));
}

TEST_F(HistoryTest, LoadChecks) {
    struct Case {
        const char* what;
        std::vector<uint8_t> bytes;
        int error;  // -1: loads
    };
    std::vector<Case> cases{
        {"kind 15 loads", Ints({0, 15, 0}), -1},
        {"kind 0 loads", Ints({0, 0, 0}), -1},
        {"kind 16", Ints({0, 16, 0}), 3},
        {"kind -1", Ints({0, -1, 0}), 3},
        {"negative month", Ints({-1, 1, 0}), 3},
        {"negative count", Ints({0, 1, -1}), 3},
        {"count above the bound", Ints({0, 1, CHistory::kMaxParamCount + 1}), 3},
        {"huge count", Ints({0, 1, INT_MAX}), 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(ErrorOf([&] { Load(c.bytes); }), c.error);
    }
    // A count the data does not hold ends in the archive's end-of-data error.
    EXPECT_THROW(Load(Ints({0, 1, 3, 5})), CArchiveException);
}

TEST_F(HistoryTest, NetworkTextCarriesRawParameters) {
    CHistory entry;
    entry.SetStrike(1);
    std::string text;
    entry.AppendText(text);
    EXPECT_EQ(text, std::string("00029006") + "0001" + std::string("\x01\x00\x00\x00", 4));

    CHistory copy;
    copy.SetDisaster(1, 2, 0);
    EXPECT_EQ(copy.ReadText(text + "trailing"), text.size());
    EXPECT_EQ(copy.GetMonthIndex(), 29);
    EXPECT_EQ(copy.GetKind(), 6);
    EXPECT_EQ(Params(copy), std::vector<int>{1});
}

TEST_F(HistoryTest, NetworkTextKeepsZeroBytesAndNegativeValues) {
    CHistory entry = Entry(13, {0, -1, INT_MIN, INT_MAX, 256});
    std::string text;
    entry.AppendText(text);
    EXPECT_EQ(text.size(), 12u + 5 * 4);
    CHistory copy;
    copy.ReadText(text);
    EXPECT_EQ(Params(copy), Params(entry));
}

TEST_F(HistoryTest, BadNetworkTextIsRefusedAndLeavesTheEntry) {
    std::string one("\x01\x00\x00\x00", 4);
    struct Case {
        const char* what;
        std::string text;
    };
    std::vector<Case> cases{
        {"empty", ""},
        {"short head", "0002900"},
        {"negative month", "-000101000000"},
        {"kind 16", "000290160000"},
        {"negative count", "00029006-001"},
        {"count beyond the text", "000290060002" + one},
        {"count above the bound", "000290061025" + std::string(1025 * 4, 'x')},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CHistory entry;
        entry.SetChampions(1, 2, 3);
        EXPECT_EQ(ErrorOf([&] { entry.ReadText(c.text); }), 3);
        EXPECT_EQ(entry.GetKind(), 12);
        EXPECT_EQ(Params(entry), (std::vector<int>{1, 2, 3}));
    }
}

TEST_F(HistoryTest, PackedRecordsCarryEveryEntryWithinTheLimit) {
    std::vector<CHistory> entries(60);
    for (size_t i = 0; i < entries.size(); ++i) {
        doc.currentMonthIndex = static_cast<int>(i);
        if (i % 3 == 0)
            entries[i].SetMerger("Northwind Freight", "Harbour Lights");
        else
            entries[i].SetDisaster(static_cast<int>(i), 7, 2);
    }
    std::vector<CHistory> received(entries.size());
    size_t first = 0;
    int records = 0;
    while (first < entries.size()) {
        std::string payload;
        size_t next = CHistory::PackEntries(entries, first, payload);
        ASSERT_GT(next, first);
        EXPECT_LE(payload.size(), CHistory::kMaxPayload);
        // The record is zero-padded after the payload.
        CHistory::ReadEntries(payload + std::string(40, '\0'), received);
        first = next;
        ++records;
    }
    EXPECT_GT(records, 1);
    for (size_t i = 0; i < entries.size(); ++i) {
        EXPECT_EQ(received[i].GetMonthIndex(), entries[i].GetMonthIndex());
        EXPECT_EQ(received[i].GetKind(), entries[i].GetKind());
        EXPECT_EQ(Params(received[i]), Params(entries[i]));
    }
}

TEST_F(HistoryTest, AnEntryTooLongForARecordIsCutAndTheSenderMovesOn) {
    std::vector<CHistory> entries(3);
    entries[0].SetEnteredMarket(1);
    entries[1].SetMerger(std::string(200, 'a'), std::string(200, 'b'));
    entries[2].SetEnteredMarket(2);

    std::vector<CHistory> received(3);
    std::vector<size_t> stops;
    for (size_t first = 0; first < entries.size();) {
        std::string payload;
        first = CHistory::PackEntries(entries, first, payload);
        EXPECT_LE(payload.size(), CHistory::kMaxPayload);
        CHistory::ReadEntries(payload, received);
        stops.push_back(first);
    }
    EXPECT_EQ(stops, (std::vector<size_t>{1, 2, 3}));
    EXPECT_EQ(received[1].GetKind(), 15);
    EXPECT_EQ(received[1].GetParamCount(), (CHistory::kMaxPayload - 24) / 4);
    EXPECT_EQ(received[1].GetParam(0), 200);
    EXPECT_EQ(Params(received[2]), std::vector<int>{2});
}

TEST_F(HistoryTest, ReceivedIndexesMustLieWithinTheHistory) {
    std::vector<CHistory> received(2);
    for (const char* payload : {"000001000003", "000002000001", "-00001000001", "00000"}) {
        SCOPED_TRACE(payload);
        EXPECT_EQ(ErrorOf([&] { CHistory::ReadEntries(payload, received); }), 3);
    }
    // An index range with no entries is a record with nothing to read.
    EXPECT_NO_THROW(CHistory::ReadEntries("000002000002", received));
}
