// The record layouts and the network information file that the game's
// network and the judgment network share: what one side builds the other
// reads back, and what a peer may send wrong is refused whole.

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "fakes/TempFolder.h"
#include "model/NetLoginRecord.h"
#include "model/NetPeerEntry.h"
#include "model/NetRecordReader.h"
#include "model/NetSessionRecords.h"
#include "model/NetworkInfoFile.h"

namespace {

NetRecordBytes RecordOf(const std::string& text) {
    NetRecordBytes record{};
    std::memcpy(record.data(), text.data(), std::min(text.size(), record.size()));
    return record;
}

TEST(NetLoginRecordTest, BuildsThePositionsAndReadsThemBack) {
    SNetLogin login{102, 12345678, 87654321, "reserved", 1, "123456"};
    NetRecordBytes record{};
    ASSERT_TRUE(CNetLoginRecord::Build(700, login, record));
    EXPECT_STREQ(record.data(), "_MERCAVO7000000001021234567887654321reserved      1123456");
    SNetLogin read;
    ASSERT_TRUE(CNetLoginRecord::Read(record, read));
    EXPECT_EQ(read.protocol, 102);
    EXPECT_EQ(read.mapCheck, 87654321);
    EXPECT_EQ(read.reserved, "reserved      ");
    EXPECT_EQ(read.observer, 1);
    EXPECT_EQ(read.password, "123456");
    // A check number wider than its field is never sent.
    login.mapCheck = 123456789;
    std::string error;
    EXPECT_FALSE(CNetLoginRecord::Build(700, login, record, &error));
    EXPECT_FALSE(error.empty());
}

TEST(NetLoginRecordTest, MalformedLoginsAreRefused) {
    const std::string head = "_MERCAVO70000000";
    for (const std::string& payload : {
             std::string("01x212345678876543210123456789012301"),  // a letter in the protocol
             std::string("0102123456788765432"),                   // cut inside a check number
             std::string("010212345678876543210123456789"),        // cut inside the reserved field
         }) {
        SCOPED_TRACE(payload);
        SNetLogin read;
        EXPECT_FALSE(CNetLoginRecord::Read(RecordOf(head + payload), read));
    }
    // The password is compared on its first eight bytes only.
    SNetLogin read;
    ASSERT_TRUE(CNetLoginRecord::Read(
        RecordOf(head + "01021234567887654321abcdefghijklmn0" + "123456789012"), read));
    EXPECT_EQ(read.password, "12345678");
}

TEST(NetPeerEntryTest, RoundTripAndTheLimitsOfItsFields) {
    SNetPeerEntry entry{3, 1, "Alice", "Acme", -1, 1, "123456", 4};
    NetRecordBytes record{};
    ASSERT_TRUE(CNetPeerEntry::Build(700, entry, record));
    EXPECT_STREQ(record.data(), "_MERCAVO70001000000300010" "5Alice04Acme-11123456" "0004");
    SNetPeerEntry read;
    ASSERT_TRUE(CNetPeerEntry::Read(record, read));
    EXPECT_EQ(read.name, "Alice");
    EXPECT_EQ(read.companyName, "Acme");
    EXPECT_EQ(read.colour, -1);
    EXPECT_EQ(read.code, "123456");
    EXPECT_EQ(read.state, 4);
    // An empty name keeps its field.
    entry.name.clear();
    ASSERT_TRUE(CNetPeerEntry::Build(700, entry, record));
    ASSERT_TRUE(CNetPeerEntry::Read(record, read));
    EXPECT_EQ(read.name, "");
    // A player number of five digits would shift every later field.
    entry.playerNumber = 10000;
    EXPECT_FALSE(CNetPeerEntry::Build(700, entry, record));
}

TEST(NetPeerEntryTest, ALengthBeyondTheRecordIsRefusedAndChangesNothing) {
    const std::string head = "_MERCAVO70001000";
    struct SCase {
        const char* why;
        std::string payload;
    };
    std::string longName(495, 'x');
    const std::vector<SCase> cases = {
        {"name length beyond the record", "00010001" "99" + longName},
        {"letters for a length", "00010001" "AB" "xx"},
        {"company name cut", "00010001" "01x" "09abc"},
        {"code cut", "00010001" "01x" "01y" "011" "12"},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.why);
        SNetPeerEntry read;
        read.name = "kept";
        std::string failed;
        EXPECT_FALSE(CNetPeerEntry::Read(RecordOf(head + c.payload), read, &failed));
        EXPECT_EQ(read.name, "kept");
        EXPECT_FALSE(failed.empty());
    }
}

TEST(NetSessionRecordsTest, FlagListsAndChatLinesRoundTrip) {
    NetRecordBytes record{};
    ASSERT_TRUE(CNetSessionRecords::BuildClearFlags({2, 15}, record));
    EXPECT_STREQ(record.data(), "_MERCAVO00010002" "00020015");
    std::vector<int> players;
    ASSERT_TRUE(CNetSessionRecords::ReadClearFlags(record, 2, players));
    EXPECT_EQ(players, (std::vector<int>{2, 15}));
    ASSERT_TRUE(CNetSessionRecords::BuildClearFlags({}, record));
    EXPECT_STREQ(record.data(), "_MERCAVO00010000");

    ASSERT_TRUE(CNetSessionRecords::BuildSetFlag(7, record));
    int player = -1;
    ASSERT_TRUE(CNetSessionRecords::ReadSetFlag(record, player));
    EXPECT_EQ(player, 7);

    ASSERT_TRUE(CNetSessionRecords::BuildChatRelay({{1, 3}, "hello all"}, record));
    EXPECT_STREQ(record.data(), "_MERCAVO10000002" "00010003hello all");
    SNetChatLine line;
    ASSERT_TRUE(CNetSessionRecords::ReadChatRelay(record, 2, line));
    EXPECT_EQ(line.recipients, (std::vector<int>{1, 3}));
    EXPECT_EQ(line.text, "hello all");

    ASSERT_TRUE(CNetSessionRecords::BuildChatShow(-1, "]Start judgement.", record));
    EXPECT_STREQ(record.data(), "_MERCAVO10001000-001]Start judgement.");
    int colour = 0;
    std::string text;
    ASSERT_TRUE(CNetSessionRecords::ReadChatShow(record, colour, text));
    EXPECT_EQ(colour, -1);
    EXPECT_EQ(text, "]Start judgement.");
}

TEST(NetSessionRecordsTest, CountsBeyondTheRecordAreRefused) {
    // 999 numbers of four digits cannot fit behind the header.
    std::vector<int> players;
    EXPECT_FALSE(CNetSessionRecords::ReadClearFlags(RecordOf("_MERCAVO00010999" "0001"), 999,
                                                    players));
    EXPECT_FALSE(CNetSessionRecords::ReadClearFlags(RecordOf("_MERCAVO00010002" "0001"), 2,
                                                    players));
    EXPECT_FALSE(CNetSessionRecords::ReadClearFlags(RecordOf("_MERCAVO00010001" "00x1"), 1,
                                                    players));
    SNetChatLine line;
    line.text = "kept";
    EXPECT_FALSE(CNetSessionRecords::ReadChatRelay(RecordOf("_MERCAVO10000500" "0001hi"), 500,
                                                   line));
    EXPECT_EQ(line.text, "kept");
    // A list of 200 numbers still fits (16 + 800 > 511 does not): refused too.
    EXPECT_FALSE(CNetSessionRecords::ReadChatRelay(
        RecordOf("_MERCAVO10000200" + std::string(496, '1')), 200, line));
    // The most that fit: 123 numbers and no text.
    ASSERT_TRUE(CNetSessionRecords::ReadChatRelay(
        RecordOf("_MERCAVO10000123" + std::string(492, '1')), 123, line));
    EXPECT_EQ(line.recipients.size(), 123u);
}

TEST(NetworkInfoFileTest, ReadsGoodFilesAndRefusesBadOnes) {
    CTempFolder folder;
    const std::string path = folder.Folder() + CNetworkInfoFile::kFileName;
    auto writeBytes = [&](const std::string& text, size_t size) {
        std::string bytes = text;
        bytes.resize(size, '\0');
        std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<long>(bytes.size()));
    };
    using R = CNetworkInfoFile::EResult;
    struct SCase {
        const char* why;
        std::string text;
        size_t size;
        R expected;
    };
    const std::vector<SCase> cases = {
        {"512 good bytes", "009127.0.0.1006123456", 512, R::Ok},
        {"511 bytes", "009127.0.0.1006123456", 511, R::Bad},
        {"address length 600", "600127.0.0.1006123456", 512, R::Bad},
        {"address length -1", "-01127.0.0.1006123456", 512, R::Bad},
        {"password running past byte 511", "009127.0.0.1503", 512, R::Bad},
        {"the longest that fits", "000" + std::string("505") + std::string(505, 'p'), 512, R::Ok},
        {"one more leaves no zero byte", "000" + std::string("506") + std::string(506, 'p'),
         512, R::Bad},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.why);
        writeBytes(c.text, c.size);
        SNetworkInfo info{"before", "before"};
        EXPECT_EQ(CNetworkInfoFile::Read(path, info), c.expected);
        if (c.expected == R::Bad) EXPECT_EQ(info.serverAddress, "before");
    }
    SNetworkInfo info;
    writeBytes("009127.0.0.1006123456", 512);
    ASSERT_EQ(CNetworkInfoFile::Read(path, info), R::Ok);
    EXPECT_EQ(info.serverAddress, "127.0.0.1");
    EXPECT_EQ(info.password, "123456");
    std::filesystem::remove(path);
    EXPECT_EQ(CNetworkInfoFile::Read(path, info), R::Missing);
}

TEST(NetworkInfoFileTest, WritesWhatItReads) {
    CTempFolder folder;
    const std::string path = folder.Folder() + CNetworkInfoFile::kFileName;
    ASSERT_TRUE(CNetworkInfoFile::Write(path, {"host.example", "004512"}));
    EXPECT_EQ(std::filesystem::file_size(path), 512u);
    SNetworkInfo info;
    ASSERT_EQ(CNetworkInfoFile::Read(path, info), CNetworkInfoFile::EResult::Ok);
    EXPECT_EQ(info.serverAddress, "host.example");
    EXPECT_EQ(info.password, "004512");
    // Texts that leave no room for the zero byte are not written.
    EXPECT_FALSE(CNetworkInfoFile::Write(path, {std::string(300, 'a'), std::string(206, 'b')}));
}

}  // namespace
