// Advice records: defaults, copies and the 29-byte stored form with its
// kind check.

#include "model/AdvicePacket.h"

#include <gtest/gtest.h>

#include <vector>

#include "model/MercavoError.h"
#include "platform/core/Archive.h"
#include "platform/core/ArchiveException.h"

namespace {

std::vector<uint8_t> Store(CAdvicePacket advice) {
    CMemoryStream stream;
    CArchive ar(stream, CArchive::store);
    advice.Serialize(ar);
    return stream.Bytes();
}

CAdvicePacket Load(std::vector<uint8_t> bytes) {
    CMemoryStream stream(std::move(bytes));
    CArchive ar(stream, CArchive::load);
    CAdvicePacket advice;
    advice.Serialize(ar);
    EXPECT_EQ(stream.Remaining(), 0u);
    return advice;
}

std::vector<uint8_t> Stored(std::initializer_list<int32_t> ints, uint8_t flag) {
    CMemoryStream stream;
    CArchive ar(stream, CArchive::store);
    for (int32_t v : ints) ar.WriteInt(v);
    ar.WriteByte(flag);
    return stream.Bytes();
}

CAdvicePacket Populated() {
    CAdvicePacket advice;
    advice.SetKind(13);
    advice.SetValue(4);
    advice.SetPoint(17, 22);
    advice.SetParam1(2);
    advice.SetParam2(31);
    advice.SetParam3(-5);
    advice.SetDetailed(1);
    return advice;
}

}  // namespace

TEST(AdvicePacket, DefaultRecordStoresItsDefaultsIn29Bytes) {
    std::vector<uint8_t> bytes = Store(CAdvicePacket());
    EXPECT_EQ(bytes.size(), 29u);
    EXPECT_EQ(bytes, Stored({-1, -1, -1, -1, -1, -1, 0}, 0));
    EXPECT_EQ(Load(bytes), CAdvicePacket());
}

TEST(AdvicePacket, EveryFieldRoundTripsAndCopies) {
    CAdvicePacket advice = Populated();
    std::vector<uint8_t> bytes = Store(advice);
    EXPECT_EQ(bytes, Stored({13, 4, 17, 22, 2, 31, -5}, 1));
    CAdvicePacket loaded = Load(bytes);
    EXPECT_EQ(loaded, advice);
    EXPECT_EQ(loaded.GetPoint(), CCellPoint(17, 22));

    CAdvicePacket copy;
    copy = advice;
    EXPECT_EQ(copy, advice);
    copy = copy;
    EXPECT_EQ(copy, advice);
}

TEST(AdvicePacket, LoadChecksTheKindAndWidensTheFlag) {
    struct Case {
        int kind;
        uint8_t flag;
        int error;  // -1: loads
        int detailed;
    };
    for (Case c : std::initializer_list<Case>{{-1, 0, -1, 0},
                                              {0, 1, -1, 1},
                                              {19, 1, -1, 1},
                                              {5, 7, -1, 1},
                                              {20, 0, 3, 0},
                                              {-2, 0, 3, 0}}) {
        SCOPED_TRACE(c.kind);
        int error = -1;
        CAdvicePacket loaded;
        try {
            loaded = Load(Stored({c.kind, 1, 2, 3, 4, 5, 6}, c.flag));
        } catch (eMERCAVO_ERROR e) {
            error = e;
        }
        EXPECT_EQ(error, c.error);
        if (error == -1) {
            EXPECT_EQ(loaded.GetDetailed(), c.detailed);
        }
    }
    std::vector<uint8_t> shortRecord = Stored({1, 1, 2, 3, 4, 5, 6}, 0);
    shortRecord.pop_back();
    EXPECT_THROW(Load(shortRecord), CArchiveException);
}
