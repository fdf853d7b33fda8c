#include "platform/core/Archive.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <functional>

#include "platform/core/ArchiveException.h"

namespace {

std::vector<uint8_t> Store(const std::function<void(CArchive&)>& write) {
    CMemoryStream stream;
    CArchive ar(stream, CArchive::store);
    write(ar);
    return stream.Bytes();
}

CArchiveException::Cause LoadFailure(std::vector<uint8_t> bytes,
                                     const std::function<void(CArchive&)>& read) {
    CMemoryStream stream(std::move(bytes));
    CArchive ar(stream, CArchive::load);
    try {
        read(ar);
    } catch (const CArchiveException& e) {
        return e.GetCause();
    }
    ADD_FAILURE() << "no exception";
    return CArchiveException::writeFailed;
}

}  // namespace

TEST(Archive, NumbersAreLittleEndian) {
    auto bytes = Store([](CArchive& ar) {
        ar.WriteInt(-2);
        ar.WriteWord(0x1234);
        ar.WriteByte(0xAB);
        ar.WriteDouble(1.5);
    });
    std::vector<uint8_t> expected = {0xFE, 0xFF, 0xFF, 0xFF, 0x34, 0x12, 0xAB, 0,
                                     0,    0,    0,    0,    0,    0xF8, 0x3F};
    EXPECT_EQ(bytes, expected);

    CMemoryStream stream(bytes);
    CArchive ar(stream, CArchive::load);
    EXPECT_EQ(ar.ReadInt(), -2);
    EXPECT_EQ(ar.ReadWord(), 0x1234);
    EXPECT_EQ(ar.ReadByte(), 0xAB);
    EXPECT_EQ(ar.ReadDouble(), 1.5);
}

// Each text form with the exact bytes it stores and the text read back.
TEST(Archive, TextFormsStoreTheirExactBytesAndReadBack) {
    struct Case {
        const char* name;
        std::string text;
        std::function<void(CArchive&, const std::string&)> write;
        std::function<std::string(CArchive&)> read;
        std::vector<uint8_t> bytes;
    };
    auto record = [](CArchive& ar, const std::string& t) { ar.WriteRecordText(t); };
    auto readRecord = [](CArchive& ar) { return ar.ReadRecordText(); };
    auto record16 = [](CArchive& ar, const std::string& t) { ar.WriteRecordText16(t); };
    auto readRecord16 = [](CArchive& ar) { return ar.ReadRecordText16(); };
    auto company = [](CArchive& ar, const std::string& t) { ar.WriteCompanyText(t); };
    auto readCompany = [](CArchive& ar) { return ar.ReadCompanyText(); };
    auto str = [](CArchive& ar, const std::string& t) { ar.WriteString(t); };
    auto readStr = [](CArchive& ar) { return ar.ReadString(); };
    std::vector<Case> cases = {
        {"record", "Ab", record, readRecord, {2, 0, 0, 0, 'A', 'b', 0}},
        {"record empty", "", record, readRecord, {0, 0, 0, 0}},
        {"record16", "Ab", record16, readRecord16, {2, 0, 'A', 'b', 0}},
        {"record16 empty", "", record16, readRecord16, {0, 0}},
        {"company", "Ab", company, readCompany, {2, 0, 0, 0, 'A', 'b', 0}},
        {"company empty", "", company, readCompany, {0, 0, 0, 0, 0}},
        {"string", "Ab", str, readStr, {2, 'A', 'b'}},
        {"string empty", "", str, readStr, {0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto bytes = Store([&](CArchive& ar) { c.write(ar, c.text); });
        EXPECT_EQ(bytes, c.bytes);
        CMemoryStream stream(bytes);
        CArchive ar(stream, CArchive::load);
        EXPECT_EQ(c.read(ar), c.text);
        EXPECT_EQ(stream.Remaining(), 0u);
    }
}

TEST(Archive, ArchiveStringLengthPrefixGrowsWithTheText) {
    struct Case {
        size_t length;
        std::vector<uint8_t> prefix;
    };
    std::vector<Case> cases = {
        {0xFE, {0xFE}},
        {0xFF, {0xFF, 0xFF, 0x00}},
        {0xFFFE, {0xFF, 0xFE, 0xFF}},
        {0xFFFF, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00}},
        {70000, {0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.length);
        std::string text(c.length, 'x');
        auto bytes = Store([&](CArchive& ar) { ar.WriteString(text); });
        ASSERT_EQ(bytes.size(), c.prefix.size() + c.length);
        EXPECT_TRUE(std::equal(c.prefix.begin(), c.prefix.end(), bytes.begin()));
        CMemoryStream stream(bytes);
        CArchive ar(stream, CArchive::load);
        EXPECT_EQ(ar.ReadString(), text);
    }
}

TEST(Archive, ShortOrLyingDataThrowsWithoutAllocating) {
    using C = CArchiveException;
    EXPECT_EQ(LoadFailure({1, 2, 3}, [](CArchive& ar) { ar.ReadInt(); }), C::endOfFile);
    EXPECT_EQ(LoadFailure({1, 2, 3, 4, 5, 6, 7}, [](CArchive& ar) { ar.ReadDouble(); }),
              C::endOfFile);
    // A length that promises more than the data holds.
    EXPECT_EQ(LoadFailure({0xFF, 0xFF, 0xFF, 0x7F, 'a'}, [](CArchive& ar) { ar.ReadRecordText(); }),
              C::badLength);
    EXPECT_EQ(LoadFailure({5, 0, 0, 0, 'a', 'b'}, [](CArchive& ar) { ar.ReadRecordText(); }),
              C::endOfFile);
    // The terminating zero is part of the form.
    EXPECT_EQ(LoadFailure({2, 0, 0, 0, 'a', 'b'}, [](CArchive& ar) { ar.ReadRecordText(); }),
              C::endOfFile);
    EXPECT_EQ(LoadFailure({0xFF, 0xFF, 0xFF, 0xFF}, [](CArchive& ar) { ar.ReadRecordText(); }),
              C::badLength);
    EXPECT_EQ(LoadFailure({0, 0, 0, 0}, [](CArchive& ar) { ar.ReadCompanyText(); }), C::endOfFile);
    EXPECT_EQ(LoadFailure({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF},
                          [](CArchive& ar) { ar.ReadString(); }),
              C::badLength);
    EXPECT_EQ(LoadFailure({9, 'a'}, [](CArchive& ar) { ar.ReadString(); }), C::endOfFile);
    EXPECT_EQ(
        LoadFailure({3, 0, 0, 0, 'a', 'b', 'c', 0}, [](CArchive& ar) { ar.ReadRecordText(2); }),
        C::badLength);
}

TEST(Archive, FileStreamRoundTrip) {
    auto path = std::filesystem::temp_directory_path() / "mercavo_archive_test.bin";
    {
        CFileStream file;
        ASSERT_TRUE(file.Open(path.string(), CFileStream::modeWrite));
        CArchive ar(file, CArchive::store);
        ar.WriteInt(42);
        ar.WriteRecordText("hello");
        ASSERT_TRUE(file.Close());
    }
    CFileStream file;
    ASSERT_TRUE(file.Open(path.string(), CFileStream::modeRead));
    EXPECT_EQ(file.Remaining(), 4u + 4u + 6u);
    CArchive ar(file, CArchive::load);
    EXPECT_EQ(ar.ReadInt(), 42);
    EXPECT_EQ(ar.ReadRecordText(), "hello");
    EXPECT_THROW(ar.ReadByte(), CArchiveException);
    file.Close();
    std::filesystem::remove(path);

    CFileStream missing;
    EXPECT_FALSE(
        missing.Open((path.parent_path() / "no/such/file").string(), CFileStream::modeRead));
}

// Bytes handed over leave an empty stream behind that writes from the start
// again; room made beforehand changes nothing that is written.
TEST(Archive, MemoryStreamHandsOverItsBytes) {
    CMemoryStream stream;
    stream.Reserve(64);
    CArchive ar(stream, CArchive::store);
    ar.WriteInt(7);
    ar.WriteRecordText("ab");
    const std::vector<uint8_t> expected = {7, 0, 0, 0, 2, 0, 0, 0, 'a', 'b', 0};
    EXPECT_EQ(stream.TakeBytes(), expected);
    EXPECT_TRUE(stream.Bytes().empty());
    EXPECT_EQ(stream.Position(), 0u);
    ar.WriteByte(9);
    EXPECT_EQ(stream.Bytes(), std::vector<uint8_t>{9});
}
