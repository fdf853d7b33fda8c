#pragma once
// The small session records that the game's network and the judgment
// network share: the ready (or step-done) flags of class 000 and the chat
// lines of class 100.
//
//   000 10/000  every participant with a company: flag cleared (no payload)
//   000 10/nnn  the nnn listed participants: flag cleared (nnn x 4 digits)
//   000 11/000  one participant: flag set (4 digits)
//   100 00/nnn  a line for the host to relay to nnn participants (nnn x 4
//               digits, then the text; nnn = 0: to everyone)
//   100 01/000  a line to show: the speaker's colour (4 digits, -001 for the
//               host's own lines) and the text
//
// Every reader checks the count against the bytes that remain before it
// reads the numbers.

#include <string>
#include <vector>

#include "model/NetRecordBytes.h"

struct SNetChatLine {
    std::vector<int> recipients;
    std::string text;
};

class CNetSessionRecords {
public:
    static constexpr int kSessionClass = 0;
    static constexpr int kClearGroup = 10;
    static constexpr int kSetGroup = 11;
    static constexpr int kChatClass = 100;
    static constexpr int kChatRelayGroup = 0;
    static constexpr int kChatShowGroup = 1;
    // The most player numbers a code of three digits can count.
    static constexpr int kMaxListed = 999;

    // 10/000 for an empty list, else 10/nnn with the numbers.
    static bool BuildClearFlags(const std::vector<int>& players, NetRecordBytes& out);
    // The numbers of 10/nnn (count = code); empty for 10/000.
    static bool ReadClearFlags(const NetRecordBytes& record, int code, std::vector<int>& players,
                               std::string* failed = nullptr);
    static bool BuildSetFlag(int player, NetRecordBytes& out);
    static bool ReadSetFlag(const NetRecordBytes& record, int& player,
                            std::string* failed = nullptr);

    static bool BuildChatRelay(const SNetChatLine& line, NetRecordBytes& out);
    static bool ReadChatRelay(const NetRecordBytes& record, int code, SNetChatLine& line,
                              std::string* failed = nullptr);
    static bool BuildChatShow(int colour, const std::string& text, NetRecordBytes& out);
    static bool ReadChatShow(const NetRecordBytes& record, int& colour, std::string& text,
                             std::string* failed = nullptr);

private:
    static bool ReadNumbers(const NetRecordBytes& record, int count, std::vector<int>& numbers,
                            std::string* trailing, std::string* failed);
};
