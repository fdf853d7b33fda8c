// The 512-byte network record: how fields are written and read back, and
// which fields the builder and the reader refuse.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/FakeServices.h"
#include "model/FixedFieldFormat.h"
#include "model/NetAckRecord.h"
#include "model/NetRecordBuilder.h"
#include "model/NetRecordReader.h"

namespace {

NetRecordBytes RecordOf(const std::string& text) {
    NetRecordBytes record{};
    std::copy(text.begin(), text.end(), record.begin());
    return record;
}

std::string Payload(const CNetRecordBuilder& builder) {
    return builder.Text().substr(kNetPayloadStart);
}

}  // namespace

TEST(NetRecordBuilder, WritesEachFieldKindWithItsWidth) {
    struct Case {
        const char* name;
        CNetRecordBuilder builder;
        std::string payload;
    };
    std::vector<Case> cases = {
        {"minus one in four digits", std::move(CNetRecordBuilder(0, 0, 0).Int(-1, 4)), "-001"},
        {"zero-padded", std::move(CNetRecordBuilder(0, 0, 0).Int(42, 6)), "000042"},
        {"flag", std::move(CNetRecordBuilder(0, 0, 0).Int(1, 1)), "1"},
        {"empty length-prefixed text then a field",
         std::move(CNetRecordBuilder(0, 0, 0).Text("", 2, 99).Int(7, 2)), "0007"},
        {"length-prefixed text", std::move(CNetRecordBuilder(0, 0, 0).Text("Abc", 3, 999)),
         "003Abc"},
        {"four-character code in six", std::move(CNetRecordBuilder(0, 0, 0).FixedText("AB12", 6)),
         "  AB12"},
        {"raw bytes with a zero",
         std::move(CNetRecordBuilder(0, 0, 0).Raw(std::string("\x01\x00\x02", 3))),
         std::string("\x01\x00\x02", 3)},
        {"trailing text", std::move(CNetRecordBuilder(0, 0, 0).Int(3, 2).Trailing("hello")),
         "03hello"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(c.builder.Ok()) << c.builder.Error();
        EXPECT_EQ(Payload(c.builder), c.payload);
    }
}

TEST(NetRecordBuilder, HeaderCarriesClassGroupAndCode) {
    CNetRecordBuilder builder(300, 2, 100);
    EXPECT_EQ(builder.Text(), "_MERCAVO30002100");
    NetRecordBytes ack = MakeAckRecord();
    EXPECT_EQ(std::string(ack.data()), "_MERCAVO00000010");
}

TEST(NetRecordBuilder, TextOf511BytesEndsWithItsZeroByteAndZeroFill) {
    CNetRecordBuilder builder(100, 1, 0);
    builder.Trailing(std::string(kNetRecordTextLimit - kNetPayloadStart, 'a'));
    NetRecordBytes record;
    record.fill('x');
    ASSERT_TRUE(builder.Build(record)) << builder.Error();
    EXPECT_EQ(record[510], 'a');
    EXPECT_EQ(record[511], '\0');

    CNetRecordBuilder shorter(100, 1, 0);
    shorter.Trailing("hi");
    record.fill('x');
    ASSERT_TRUE(shorter.Build(record));
    for (int i = kNetPayloadStart + 2; i < kNetRecordSize; ++i) ASSERT_EQ(record[i], '\0') << i;
}

TEST(NetRecordBuilder, RefusesWhatDoesNotFit) {
    struct Case {
        const char* name;
        CNetRecordBuilder builder;
    };
    std::vector<Case> cases = {
        {"a text of 512 bytes", std::move(CNetRecordBuilder(100, 1, 0).Trailing(
                                    std::string(512 - kNetPayloadStart, 'a')))},
        {"a value one digit too wide", std::move(CNetRecordBuilder(0, 0, 0).Int(10000, 4))},
        {"a negative value one digit too wide",
         std::move(CNetRecordBuilder(0, 0, 0).Int(-1000, 4))},
        {"a negative flag", std::move(CNetRecordBuilder(0, 0, 0).Int(-1, 1))},
        {"a text beyond its limit", std::move(CNetRecordBuilder(0, 0, 0).Text("abcd", 2, 3))},
        {"a text beyond its prefix",
         std::move(CNetRecordBuilder(0, 0, 0).Text(std::string(100, 'a'), 2, 200))},
        {"a code wider than its field",
         std::move(CNetRecordBuilder(0, 0, 0).FixedText("1234567", 6))},
        {"a class beyond three digits", CNetRecordBuilder(1000, 0, 0)},
        {"a trailing text with a zero byte",
         std::move(CNetRecordBuilder(0, 0, 0).Trailing(std::string("a\0b", 3)))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(c.builder.Ok());
        EXPECT_FALSE(c.builder.Error().empty());
        NetRecordBytes record;
        record.fill('x');
        EXPECT_FALSE(c.builder.Build(record));
        EXPECT_EQ(record[0], 'x');
    }
}

TEST(NetRecordBuilder, CutsNamesAtCharacterBoundaries) {
    EXPECT_EQ(CNetRecordBuilder::CutText("abcdef", 4), "abcd");
    // "é" is two bytes: a cut in its middle drops it whole.
    EXPECT_EQ(CNetRecordBuilder::CutText("ab\xC3\xA9"
                                         "c",
                                         3),
              "ab");
    EXPECT_EQ(CNetRecordBuilder::CutText("ab\xC3\xA9"
                                         "c",
                                         4),
              "ab\xC3\xA9");
}

TEST(NetRecordReader, ReadsBackWhatTheBuilderWrote) {
    CNetRecordBuilder builder(200, 1, 0);
    builder.Int(-1, 4).Text("", 2, 99).Int(12, 3).FixedText("AB12", 6).Text("Zed", 2, 20);
    builder.Raw(std::string("\0\1\2\3", 4)).Trailing("chat line");
    NetRecordBytes record;
    ASSERT_TRUE(builder.Build(record));

    CNetRecordReader reader(record);
    int value = 0, count = 0;
    std::string empty = "x", code, name, raw, trailing;
    EXPECT_TRUE(reader.ReadInt(4, value, "number"));
    EXPECT_EQ(value, -1);
    EXPECT_TRUE(reader.ReadText(2, 99, empty, "company name"));
    EXPECT_EQ(empty, "");
    EXPECT_TRUE(reader.ReadInt(3, count, "count"));
    EXPECT_EQ(count, 12);
    EXPECT_TRUE(reader.ReadFixedText(6, code, "code"));
    EXPECT_EQ(code, "AB12");
    EXPECT_TRUE(reader.ReadText(2, 20, name, "name"));
    EXPECT_EQ(name, "Zed");
    EXPECT_TRUE(reader.ReadRaw(4, raw, "raw"));
    EXPECT_EQ(raw, std::string("\0\1\2\3", 4));
    EXPECT_TRUE(reader.ReadTrailingText(trailing, "text"));
    EXPECT_EQ(trailing, "chat line");
    EXPECT_TRUE(reader.Ok());

    int recordClass = 0, group = 0, kind = 0;
    ASSERT_TRUE(CNetRecordReader::ReadKind(record, recordClass, group, kind));
    EXPECT_EQ(recordClass, 200);
    EXPECT_EQ(group, 1);
    EXPECT_EQ(kind, 0);
}

TEST(NetRecordReader, RefusesMalformedFields) {
    struct Case {
        const char* name;
        std::string payload;
        // Reads a single field of the kind under test.
        bool (*read)(CNetRecordReader&);
    };
    auto int4 = [](CNetRecordReader& r) {
        int v = 0;
        return r.ReadInt(4, v, "field");
    };
    auto text2 = [](CNetRecordReader& r) {
        std::string t;
        return r.ReadText(2, 99, t, "field");
    };
    auto trailing = [](CNetRecordReader& r) {
        std::string t;
        return r.ReadTrailingText(t, "field");
    };
    auto beyond = [](CNetRecordReader& r) {
        std::string t;
        return r.ReadRaw(kNetRecordSize - kNetPayloadStart + 1, t, "field");
    };
    auto lastInt = [](CNetRecordReader& r) {
        std::string t;
        int v = 0;
        return r.ReadRaw(kNetRecordSize - kNetPayloadStart - 2, t, "skip") &&
               r.ReadInt(4, v, "field");
    };
    std::vector<Case> cases = {
        {"a blank", "0 12", int4},
        {"a leading blank", " 012", int4},
        {"a letter", "00a1", int4},
        {"an inner sign", "00-1", int4},
        {"a plus sign", "+001", int4},
        {"a negative zero", "-000", int4},
        {"a lone sign", "-",
         +[](CNetRecordReader& r) {
             int v = 0;
             return r.ReadInt(1, v, "field");
         }},
        {"the zero byte in a number", "12", int4},
        {"a count larger than the bytes left", "99abc", text2},
        {"a length with a letter", "1xabcdefghij", text2},
        {"a text with a zero byte", std::string("03a\0b", 5), text2},
        {"a trailing text without its zero byte",
         std::string(kNetRecordSize - kNetPayloadStart, 'a'), trailing},
        {"a read beyond byte 511", "", beyond},
        {"a number across byte 511", std::string(kNetRecordSize - kNetPayloadStart, '1'), lastInt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        NetRecordBytes record = RecordOf("_MERCAVO00000000");
        std::copy(c.payload.begin(), c.payload.end(), record.begin() + kNetPayloadStart);
        CNetRecordReader reader(record);
        EXPECT_FALSE(c.read(reader));
        EXPECT_FALSE(reader.Ok());
        EXPECT_EQ(reader.FailedField(), "field");
        int v = 0;
        EXPECT_FALSE(reader.ReadInt(1, v, "later")) << "a failed record stays failed";
        EXPECT_EQ(reader.FailedField(), "field");
    }
}

TEST(NetRecordReader, ALastFlagReadWiderGivesTheFlag) {
    NetRecordBytes record;
    ASSERT_TRUE(CNetRecordBuilder(0, 20, 0).Int(1, 1).Build(record));
    CNetRecordReader reader(record);
    int flag = -1;
    EXPECT_TRUE(reader.ReadInt(1, flag, "music flag"));
    EXPECT_EQ(flag, 1);
}

TEST(NetRecordReader, KindMustBeDigits) {
    for (const char* header : {"_MERCAVO0x0000000", "_MERCAVO-1000000", "_MERCAVO000 0000"}) {
        SCOPED_TRACE(header);
        int a, b, c;
        EXPECT_FALSE(CNetRecordReader::ReadKind(RecordOf(header), a, b, c));
    }
}

TEST(FormatFixedInt, AHeldValueIsReportedAsASendError) {
    CFakeNetService net;
    CScopedService<INetService> scopedNet = ScopedNet(&net);
    EXPECT_EQ(FormatFixedInt(-1, 4), "-001");
    EXPECT_TRUE(net.sendErrors.empty());
    EXPECT_EQ(FormatFixedInt(12345, 4), "9999");
    EXPECT_EQ(FormatFixedInt(-1000, 4), "-999");
    EXPECT_EQ(net.sendErrors.size(), 2u);
}
