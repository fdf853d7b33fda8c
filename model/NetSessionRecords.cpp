#include "model/NetSessionRecords.h"

#include "model/NetRecordBuilder.h"
#include "model/NetRecordReader.h"

namespace {

constexpr int kNumberWidth = 4;

bool Succeeded(const CNetRecordReader& reader, std::string* failed) {
    if (reader.Ok()) return true;
    if (failed) *failed = reader.FailedField();
    return false;
}

}  // namespace

bool CNetSessionRecords::BuildClearFlags(const std::vector<int>& players, NetRecordBytes& out) {
    if (players.size() > static_cast<size_t>(kMaxListed)) return false;
    CNetRecordBuilder builder(kSessionClass, kClearGroup, static_cast<int>(players.size()));
    for (int player : players) builder.Int(player, kNumberWidth);
    return builder.Build(out);
}

bool CNetSessionRecords::ReadNumbers(const NetRecordBytes& record, int count,
                                     std::vector<int>& numbers, std::string* trailing,
                                     std::string* failed) {
    CNetRecordReader reader(record);
    if (count < 0 || count > kMaxListed || count * kNumberWidth > reader.Remaining()) {
        if (failed) *failed = "count";
        return false;
    }
    std::vector<int> read(static_cast<size_t>(count));
    for (int& number : read) reader.ReadInt(kNumberWidth, number, "player number");
    std::string text;
    if (trailing) reader.ReadTrailingText(text, "text");
    if (!Succeeded(reader, failed)) return false;
    numbers = std::move(read);
    if (trailing) *trailing = std::move(text);
    return true;
}

bool CNetSessionRecords::ReadClearFlags(const NetRecordBytes& record, int code,
                                        std::vector<int>& players, std::string* failed) {
    return ReadNumbers(record, code, players, nullptr, failed);
}

bool CNetSessionRecords::BuildSetFlag(int player, NetRecordBytes& out) {
    return CNetRecordBuilder(kSessionClass, kSetGroup, 0).Int(player, kNumberWidth).Build(out);
}

bool CNetSessionRecords::ReadSetFlag(const NetRecordBytes& record, int& player,
                                     std::string* failed) {
    CNetRecordReader reader(record);
    int read = 0;
    reader.ReadInt(kNumberWidth, read, "player number");
    if (!Succeeded(reader, failed)) return false;
    player = read;
    return true;
}

bool CNetSessionRecords::BuildChatRelay(const SNetChatLine& line, NetRecordBytes& out) {
    if (line.recipients.size() > static_cast<size_t>(kMaxListed)) return false;
    CNetRecordBuilder builder(kChatClass, kChatRelayGroup, static_cast<int>(line.recipients.size()));
    for (int player : line.recipients) builder.Int(player, kNumberWidth);
    builder.Trailing(line.text);
    return builder.Build(out);
}

bool CNetSessionRecords::ReadChatRelay(const NetRecordBytes& record, int code, SNetChatLine& line,
                                       std::string* failed) {
    return ReadNumbers(record, code, line.recipients, &line.text, failed);
}

bool CNetSessionRecords::BuildChatShow(int colour, const std::string& text, NetRecordBytes& out) {
    return CNetRecordBuilder(kChatClass, kChatShowGroup, 0)
        .Int(colour, kNumberWidth)
        .Trailing(text)
        .Build(out);
}

bool CNetSessionRecords::ReadChatShow(const NetRecordBytes& record, int& colour, std::string& text,
                                      std::string* failed) {
    CNetRecordReader reader(record);
    int readColour = 0;
    std::string readText;
    reader.ReadInt(kNumberWidth, readColour, "colour");
    reader.ReadTrailingText(readText, "text");
    if (!Succeeded(reader, failed)) return false;
    colour = readColour;
    text = std::move(readText);
    return true;
}
