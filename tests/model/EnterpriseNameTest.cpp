// Company name records: the stored form, its checks and the absent text.

#include "model/EnterpriseName.h"

#include <gtest/gtest.h>

#include <vector>

#include "model/MercavoError.h"
#include "platform/core/Archive.h"
#include "platform/core/ArchiveException.h"

namespace {

std::vector<uint8_t> Store(CEnterpriseName name) {
    CMemoryStream stream;
    CArchive ar(stream, CArchive::store);
    name.Serialize(ar);
    return stream.Bytes();
}

CEnterpriseName Load(std::vector<uint8_t> bytes) {
    CMemoryStream stream(std::move(bytes));
    CArchive ar(stream, CArchive::load);
    CEnterpriseName name;
    name.Serialize(ar);
    EXPECT_EQ(stream.Remaining(), 0u);
    return name;
}

// Length, the given bytes as they stand, then the user.
std::vector<uint8_t> Stored(int32_t length, const std::string& bytes, int32_t user) {
    CMemoryStream stream;
    CArchive ar(stream, CArchive::store);
    ar.WriteInt(length);
    ar.Write(bytes.data(), bytes.size());
    ar.WriteInt(user);
    return stream.Bytes();
}

int LoadError(std::vector<uint8_t> bytes) {
    try {
        Load(std::move(bytes));
    } catch (eMERCAVO_ERROR e) {
        return e;
    }
    return -1;
}

}  // namespace

TEST(EnterpriseName, DefaultsAndRoundTrip) {
    CEnterpriseName name;
    EXPECT_FALSE(name.GetText().has_value());
    EXPECT_EQ(name.GetUser(), -1);

    name.SetText("Harbour Lights");
    name.SetUser(3);
    std::vector<uint8_t> bytes = Store(name);
    EXPECT_EQ(bytes, Stored(14, std::string("Harbour Lights", 15), 3));
    CEnterpriseName loaded = Load(bytes);
    EXPECT_EQ(loaded.GetText(), "Harbour Lights");
    EXPECT_EQ(loaded.GetUser(), 3);
}

TEST(EnterpriseName, EmptyAndAbsentTextsStoreOneZeroByte) {
    CEnterpriseName empty;
    empty.SetText("");
    std::vector<uint8_t> expected = Stored(0, std::string(1, '\0'), -1);
    EXPECT_EQ(Store(empty), expected);
    EXPECT_EQ(Store(CEnterpriseName()), expected);
    CEnterpriseName loaded = Load(expected);
    ASSERT_TRUE(loaded.GetText().has_value());
    EXPECT_EQ(*loaded.GetText(), "");
}

TEST(EnterpriseName, LoadChecks) {
    struct Case {
        const char* what;
        std::vector<uint8_t> bytes;
        int error;  // -1: loads
    };
    std::vector<Case> cases{
        {"user -1", Stored(1, std::string("A", 2), -1), -1},
        {"user -2", Stored(1, std::string("A", 2), -2), 3},
        {"negative length", Stored(-1, "", 0), 3},
        {"length 255", Stored(255, std::string(256, 'a'), 0), -1},
        {"length 256", Stored(256, std::string(257, 'a'), 0), 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(LoadError(c.bytes), c.error);
    }
    EXPECT_THROW(Load(Stored(40, "short", 0)), CArchiveException);
}

TEST(EnterpriseName, TextEndsAtItsFirstZeroAndLongTextsAreCut) {
    EXPECT_EQ(Load(Stored(3, std::string("A\0B", 4), 0)).GetText(), "A");
    EXPECT_EQ(Load(Stored(2, "ABC", 0)).GetText(), "AB");
    CEnterpriseName name;
    name.SetText(std::string(300, 'n'));
    EXPECT_EQ(name.GetText()->size(), 255u);
    EXPECT_EQ(Load(Store(name)).GetText(), name.GetText());
}
