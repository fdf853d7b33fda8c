#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "fakes/FakeServices.h"
#include "fakes/TestPictures.h"
#include "model/BD.h"
#include "model/MercavoError.h"
#include "platform/core/Archive.h"
#include "platform/core/ArchiveException.h"

namespace {

// A type with every field set, effects and all eight pictures.
CBD MakeFullType(int effectCount = 3) {
    CBD type;
    type.SetTag(17);
    type.SetLandValue(120);
    type.SetFixedLandPrice(-4500);
    type.SetBasePrice(123456);
    type.SetValueFigure(40);
    type.SetPriceStep(12);
    type.SetDurability(300);
    type.SetFlags(1, 0, 1);
    type.SetTypeCode(55);
    for (int i = 0; i < 4; ++i) type.SetRevenueFigure(i, 10 * i - 5);
    std::vector<CEfct> effects;
    for (int i = 0; i < effectCount; ++i) effects.emplace_back(i * 2 - 1, 0.25 * i - 3.5);
    type.SetEffects(effects);
    type.SetEffectRadius(3);
    type.SetMonthFactors({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
    for (int d = 0; d < CBD::kDirections; ++d) {
        type.SetView(d, d, -d, {d * 3, -d}, {64 + d, 32 + d});
        type.GetFirstPicture(d) = CBM(MakeTestImageBlock(4 + d, 3, 8, 16, d));
        type.GetSecondPicture(d) = CBM(MakeTestImageBlock(2, 2 + d, 24, 0, 10 + d));
    }
    type.SetSize(3, 2);
    type.SetBonuses(5, -6, 7, 8);
    for (int i = 1; i <= 6; ++i) type.SetEffectValue(i, i * 100 - 350);
    type.SetName("Office Tower");
    type.SetSecondText("Annex");
    return type;
}

std::vector<uint8_t> Store(CBD& type) {
    CMemoryStream stream;
    CArchive ar(stream, CArchive::store);
    type.Serialize(ar);
    return stream.Bytes();
}

void Load(CBD& type, const std::vector<uint8_t>& bytes) {
    CMemoryStream stream(bytes);
    CArchive ar(stream, CArchive::load);
    type.Serialize(ar);
}

void Put32(std::vector<uint8_t>& bytes, size_t at, int32_t value) {
    std::memcpy(bytes.data() + at, &value, 4);
}

// A stored type without effects and pictures: where its fields lie.
constexpr size_t kEffectCountAt = 14 * 4;
constexpr size_t kSizeAt = 15 * 4 + 4 + 12 * 4 + 8 * 4 + 24 * 4;
constexpr size_t kNameAt = kSizeAt + 12 * 4;

class TypeTest : public ::testing::Test {
protected:
    CDetachedAppService app;
    CFakeFrameService frame;
    CFakeNetService net;
    CScopedService<IAppService> scopedApp = ScopedApp(&app);
    CScopedService<IFrameService> scopedFrame = ScopedFrame(&frame);
    CScopedService<INetService> scopedNet = ScopedNet(&net);
};

TEST_F(TypeTest, StoredTypeLoadsAndStoresAgainByteForByte) {
    CBD type = MakeFullType();
    std::vector<uint8_t> bytes = Store(type);
    CBD loaded;
    Load(loaded, bytes);
    EXPECT_EQ(Store(loaded), bytes);
    EXPECT_EQ(loaded.GetName(), "Office Tower");
    EXPECT_EQ(loaded.GetSecondText(), "Annex");
    EXPECT_EQ(loaded.GetEffects().size(), 3u);
    EXPECT_EQ(loaded.GetEffect(4), 0.25 * 2 - 3.5);
    EXPECT_EQ(loaded.GetSecondPicture(3).GetHeight(), 5);
    EXPECT_DOUBLE_EQ(loaded.GetEvenness(), type.GetEvenness());
    // The tag and the strip places are not part of the record.
    EXPECT_EQ(loaded.GetTag(), 0);
}

TEST_F(TypeTest, LoadingFeedsIntegersThenTextsToTheChecksum) {
    CBD type;
    type.SetTypeCode(17);
    type.SetName("Ab");
    std::vector<uint8_t> bytes = Store(type);
    Load(type, bytes);

    CDataChecksum expected;
    const int fields[] = {0, 0, 0, 0,  0, 0,  0, 1,  0, 17, 0, 0,  0, 0,
                          0, 1, 0, 10, 0, 10, 0, 10, 0, 10, 0, 10, 0, 10};
    for (int value : fields) expected.Add(value);
    for (int picture = 0; picture < 8; ++picture) expected.Add(0);
    for (int value = 0; value < 24; ++value) expected.Add(0);
    for (int value : {1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}) expected.Add(value);
    // Each text: its length as an integer when it is read, then its bytes.
    expected.Add(2).AddString("Ab");
    expected.Add(0).AddString("");
    EXPECT_EQ(app.DataChecksum().Get(), expected.Get());
}

TEST_F(TypeTest, TypeNameFeedsItsLengthAsAnIntegerAndThenItsBytes) {
    auto checksumOf = [this](const std::string& name) {
        CBD type;
        type.SetName(name);
        const std::vector<uint8_t> bytes = Store(type);
        app.DataChecksum().Reset();
        CBD loaded;
        Load(loaded, bytes);
        return app.DataChecksum().Get();
    };
    const std::string name = "Office Tower";
    ASSERT_EQ(name.size(), 12u);
    int byteSum = 0;
    for (char c : name) byteSum += static_cast<signed char>(c);
    ASSERT_EQ(byteSum, 1149);
    // The length 12 as an integer: (hundreds 0 + 1) x (tens 1 + 7) x units 2
    // = 16; then the byte sum 1149 as one value: (1 + 1) x (4 + 7) x 9 = 198.
    EXPECT_EQ(checksumOf(name), (checksumOf("") + 16 + 198) % 1000000);
}

TEST_F(TypeTest, StoredValuesOutOfRangeAreRefused) {
    CBD plain;
    const std::vector<uint8_t> bytes = Store(plain);
    struct {
        size_t at;
        int32_t value;
        bool accepted;
    } const cases[] = {
        {kEffectCountAt, -1, false}, {kEffectCountAt, 257, false}, {kSizeAt, 0, false},
        {kSizeAt, 4, false},         {kSizeAt, -1, false},         {kSizeAt + 4, 0, false},
        {kSizeAt + 4, 4, false},     {kSizeAt, 3, true},           {kSizeAt + 4, 3, true},
    };
    for (const auto& c : cases) {
        std::vector<uint8_t> damaged = bytes;
        Put32(damaged, c.at, c.value);
        CBD type;
        if (c.accepted) {
            EXPECT_NO_THROW(Load(type, damaged));
            continue;
        }
        try {
            Load(type, damaged);
            ADD_FAILURE() << "accepted " << c.value << " at " << c.at;
        } catch (eMERCAVO_ERROR e) {
            EXPECT_EQ(e, eMERCAVO_ERROR_CONTENTS);
        } catch (const CArchiveException&) {
            ADD_FAILURE() << "archive error for " << c.value << " at " << c.at;
        }
    }
}

TEST_F(TypeTest, FullEffectTableLoadsAndShortRecordThrows) {
    CBD type = MakeFullType(256);
    std::vector<uint8_t> bytes = Store(type);
    CBD loaded;
    Load(loaded, bytes);
    EXPECT_EQ(loaded.GetEffects().size(), 256u);
    bytes.pop_back();
    EXPECT_THROW(Load(loaded, bytes), CArchiveException);
}

TEST_F(TypeTest, NameLengthBelowOneLeavesNoNameNotTheDashes) {
    CBD plain;
    EXPECT_EQ(plain.GetName(), "-------------------");
    std::vector<uint8_t> bytes = Store(plain);
    ASSERT_EQ(bytes.size(), kNameAt + 4 + 20 + 4);
    for (int32_t length : {0, -5}) {
        std::vector<uint8_t> noName(bytes.begin(), bytes.begin() + kNameAt);
        noName.resize(kNameAt + 8);
        Put32(noName, kNameAt, length);
        CBD type;
        Load(type, noName);
        EXPECT_EQ(type.GetName(), "");
    }
    std::vector<uint8_t> tooLong(bytes.begin(), bytes.begin() + kNameAt + 4);
    Put32(tooLong, kNameAt, 1000);
    CBD type;
    EXPECT_THROW(Load(type, tooLong), CArchiveException);
}

TEST_F(TypeTest, EvennessOfTheMonthlyFactors) {
    EXPECT_DOUBLE_EQ(CBD().GetEvenness(), 0.5);
    struct {
        std::array<int32_t, 12> factors;
        double evenness;
    } const cases[] = {
        {{7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7}, 1.0},
        {{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 1.0},
        {{0, 10, 0, 10, 0, 10, 0, 10, 0, 10, 0, 10}, 0.5},
        // Mean 0 with spread: no division by it.
        {{-5, 5, -5, 5, -5, 5, -5, 5, -5, 5, -5, 5}, 1.0},
        {{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 12}, 1.0 - std::sqrt(11.0) / 2},
    };
    for (const auto& c : cases) {
        CBD type;
        type.SetMonthFactors(c.factors);
        EXPECT_DOUBLE_EQ(type.GetEvenness(), c.evenness);
        CBD loaded;
        Load(loaded, Store(type));
        EXPECT_DOUBLE_EQ(loaded.GetEvenness(), c.evenness);
    }
}

TEST_F(TypeTest, ViewSizeSwapsForDirectionsOneAndThree) {
    CBD type;
    type.SetSize(3, 2);
    const int expected[4][2] = {{3, 2}, {2, 3}, {3, 2}, {2, 3}};
    for (int d = 0; d < 4; ++d) {
        int w = 0, h = 0;
        type.GetViewSize(d, w, h);
        EXPECT_EQ(w, expected[d][0]);
        EXPECT_EQ(h, expected[d][1]);
    }
    for (int d : {-1, 4}) {
        int w = 99, h = 98;
        type.GetViewSize(d, w, h);
        EXPECT_EQ(w, 99);
        EXPECT_EQ(h, 98);
    }
}

TEST_F(TypeTest, EffectLookupTakesTheFirstMatchingEntry) {
    CBD type;
    type.SetEffects({{-1, 9.0}, {4, 1.5}, {4, 2.5}, {0, -0.5}});
    EXPECT_EQ(type.GetEffect(0), 0.0);
    EXPECT_EQ(type.GetEffect(5), 1.5);
    EXPECT_EQ(type.GetEffect(1), -0.5);
    EXPECT_EQ(type.GetEffect(2), 0.0);
}

TEST_F(TypeTest, TypeCodeQueries) {
    struct {
        int code;
        bool builtOver, destructible, is60Strict, is60, is71, is72;
    } const cases[] = {
        {0, true, true, false, false, false, false},
        {35, true, false, false, false, false, false},
        {45, false, false, false, false, false, false},
        {50, false, false, false, false, false, false},
        {51, false, false, false, false, false, false},
        {60, false, false, true, true, false, false},
        {61, false, false, false, true, false, false},
        {71, true, true, false, false, true, false},
        {72, true, true, false, false, false, true},
    };
    for (const auto& c : cases) {
        CBD type;
        type.SetTypeCode(c.code);
        EXPECT_EQ(type.CanBeBuiltOver(), c.builtOver) << c.code;
        EXPECT_EQ(type.IsDestructible(), c.destructible) << c.code;
        EXPECT_EQ(type.IsType60(true), c.is60Strict) << c.code;
        EXPECT_EQ(type.IsType60(false), c.is60) << c.code;
        EXPECT_EQ(type.IsType71(), c.is71) << c.code;
        EXPECT_EQ(type.IsType72(), c.is72) << c.code;
    }
}

TEST_F(TypeTest, MistakenConstructionPartnerFollowsACode71Type) {
    // A code-71 type is offered for building only when the next type is its
    // code-72 partner of the same size.
    CBD real = MakeFullType(), mistaken = MakeFullType();
    real.SetTypeCode(71);
    mistaken.SetTypeCode(72);
    CBD loaded;
    Load(loaded, Store(mistaken));
    EXPECT_TRUE(loaded.IsType72());
    int w1, h1, w2, h2;
    real.GetSize(w1, h1);
    loaded.GetSize(w2, h2);
    EXPECT_TRUE(real.IsType71() && w1 == w2 && h1 == h2);
}

TEST_F(TypeTest, AssignmentCopiesAllButACopyDropsEffectsAndName) {
    CBD source = MakeFullType();
    CBD assigned;
    assigned = source;
    EXPECT_EQ(Store(assigned), Store(source));
    EXPECT_EQ(assigned.GetTag(), 17);

    CBD copy(source);
    EXPECT_TRUE(copy.GetEffects().empty());
    EXPECT_EQ(copy.GetName(), "-------------------");
    EXPECT_EQ(copy.GetSecondText(), "Annex");
    EXPECT_EQ(copy.GetBasePrice(), 123456);
    EXPECT_TRUE(copy.GetFirstPicture(2).HasImage());
}

// ---- network records ----

std::string_view After(const std::string& record, size_t headerSize) {
    return std::string_view(record).substr(headerSize);
}

constexpr size_t kHead = 20;  // header word, class, group, code, table index

// Hands the records of SendAll to the receivers as the map's handler does.
void Deliver(const std::vector<CFakeNetService::Sent>& sent, CBD& target) {
    for (const auto& s : sent) {
        int code = std::stoi(s.record.substr(13, 3));
        std::string_view text = After(s.record, kHead);
        switch (code / 2 * 2) {
            case 40:
                target.ReceiveTypeRecord(text);
                break;
            case 42:
                target.ReceiveEffects(text);
                break;
            case 50:
                target.ReceivePicturePart(text.substr(1), text[0] - '0', 1);
                break;
            case 52:
                target.ReceivePicturePart(text.substr(1), text[0] - '0', 0);
                break;
            case 60:
                target.ReceiveTexts(text);
                break;
        }
    }
}

TEST_F(TypeTest, SentTypeIsReceivedWhole) {
    CBD type = MakeFullType(31);
    type.GetFirstPicture(1) = CBM(MakeTestImageBlock(40, 30, 8, 0));
    type.SendAll(3, 0, 12);
    for (const auto& s : net.sent) {
        EXPECT_EQ(s.player, 3);
        EXPECT_LE(s.record.size(), 511u);
        EXPECT_EQ(s.record.substr(0, 13), "_MERCAVO30003");
        EXPECT_EQ(s.record.substr(16, 4), "0012");
        EXPECT_EQ(std::stoi(s.record.substr(13, 3)) % 2, 1);  // a structure type
    }
    CBD received;
    Deliver(net.sent, received);
    EXPECT_EQ(Store(received), Store(type));
    EXPECT_EQ(received.GetTag(), 17);
    EXPECT_EQ(received.GetEvenness(), type.GetEvenness());
}

TEST_F(TypeTest, TypeRecordLayout) {
    CBD type = MakeFullType(2);
    type.SendTypeRecord(-1, 1, 7);
    ASSERT_EQ(net.sent.size(), 1u);
    const std::string& r = net.sent[0].record;
    EXPECT_EQ(r.substr(0, 20), "_MERCAVO300030400007");
    EXPECT_EQ(r.substr(20, 4), "0017");
    // After the 8 evenness bytes: land value, fixed price, base price ...
    EXPECT_EQ(r.substr(48, 6 + 8 + 8 + 6 + 4 + 6 + 3 + 4),
              "000120-0004500001234560000400012000300101"
              "0055");
    EXPECT_EQ(r.size(), 20u + 4 + 24 + 79 + 36 + 80 + 66);
}

TEST_F(TypeTest, EffectsGoInChunksOfFifteen) {
    CBD type = MakeFullType(31);
    type.SendEffects(-1, 1, 0);
    ASSERT_EQ(net.sent.size(), 3u);
    const char* ranges[] = {"00000014", "00150029", "00300030"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(net.sent[i].record.substr(13, 3), "042");
        EXPECT_EQ(net.sent[i].record.substr(kHead, 8), ranges[i]);
    }
    net.sent.clear();
    MakeFullType(0).SendEffects(-1, 1, 0);
    EXPECT_TRUE(net.sent.empty());
}

TEST_F(TypeTest, LongTextsAreCutToFitOneRecord) {
    CBD type;
    type.SetName(std::string(400, 'n'));
    type.SetSecondText(std::string(300, 's'));
    type.SendTexts(-1, 0, 1);
    ASSERT_EQ(net.sent.size(), 1u);
    CBD received;
    received.ReceiveTexts(After(net.sent[0].record, kHead));
    EXPECT_EQ(received.GetName(), std::string(400, 'n'));
    EXPECT_EQ(received.GetSecondText(), std::string(81, 's'));
    EXPECT_LE(net.sent[0].record.size(), 511u);
}

TEST_F(TypeTest, EmptyTextsArriveAsNoText) {
    CBD type;
    type.SetName("");
    type.SendTexts(-1, 0, 1);
    CBD received;
    received.ReceiveTexts(After(net.sent[0].record, kHead));
    EXPECT_EQ(received.GetName(), "");
    EXPECT_EQ(After(net.sent[0].record, kHead), "000000");
}

TEST_F(TypeTest, BadNetworkRecordsAreDropped) {
    CBD type = MakeFullType(2);
    type.SendTypeRecord(-1, 0, 0);
    type.SendEffects(-1, 0, 0);
    const std::string typeText(After(net.sent[0].record, kHead));
    const std::string effectText(After(net.sent[1].record, kHead));
    const size_t effectCountAt = 4 + 24 + 6 + 8 + 8 + 6 + 4 + 6 + 3 + 4 + 24;
    const size_t widthAt = typeText.size() - 66;

    CBD target = MakeFullType(1);
    const std::vector<uint8_t> before = Store(target);
    auto replaced = [](std::string text, size_t at, const std::string& field) {
        return text.replace(at, field.size(), field);
    };
    const std::string badTypes[] = {
        replaced(typeText, effectCountAt, "999999"), replaced(typeText, effectCountAt, "000257"),
        replaced(typeText, effectCountAt, "-00001"), replaced(typeText, widthAt, "004"),
        replaced(typeText, widthAt + 3, "000"),      replaced(typeText, 4, "256"),
        typeText.substr(0, typeText.size() - 1),
    };
    for (const auto& text : badTypes) target.ReceiveTypeRecord(text);
    const std::string badEffects[] = {
        replaced(effectText, 0, "00000005"), replaced(effectText, 0, "00010000"),
        replaced(effectText, 0, "-0010000"), effectText.substr(0, effectText.size() - 2),
        replaced(effectText, 12, "300"),
    };
    for (const auto& text : badEffects) target.ReceiveEffects(text);
    const std::string badTexts[] = {"005abc", "003abc004xyz", "-01abc", "00"};
    for (const auto& text : badTexts) target.ReceiveTexts(text);
    EXPECT_EQ(Store(target), before);
    EXPECT_EQ(target.GetName(), "Office Tower");

    EXPECT_EQ(target.ReceivePicturePart("0400010000100000000100", 0, 1), 0);
    EXPECT_EQ(target.ReceivePicturePart("-100010000100000000100", 1, 1), 0);
    EXPECT_EQ(target.ReceivePicturePart("0000010000100000000100", 2, 1), 0);
    EXPECT_EQ(target.ReceivePicturePart("0", 0, 1), 0);
    EXPECT_EQ(Store(target), before);
}

}  // namespace
