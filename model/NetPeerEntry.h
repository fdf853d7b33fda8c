#pragma once
// One participant as the list entry (group 01, code 000 of the lobby's
// class) describes it: player number (4 digits), company (4), name and
// company name (each a 2-digit length and the text), colour number (2),
// the is-you flag (1), the personal code (6 characters, blank-filled on
// the left) and the state (4). The game's lobby and the judgment network
// share it.

#include <string>

#include "model/NetRecordBytes.h"

struct SNetPeerEntry {
    int playerNumber = -1;
    int company = -1;
    std::string name;
    std::string companyName;
    int colour = -1;
    int isYou = 0;
    std::string code;
    int state = 0;
};

class CNetPeerEntry {
public:
    static constexpr int kGroup = 1;
    static constexpr int kCode = 0;
    // The longest name the 2-digit length can carry.
    static constexpr int kNameLimit = 99;
    static constexpr int kCodeWidth = 6;

    // False (error says why) when a field does not fit: such an entry is
    // never sent.
    static bool Build(int recordClass, const SNetPeerEntry& entry, NetRecordBytes& out,
                      std::string* error = nullptr);
    // False (failed names the field) when a field is malformed or runs past
    // the record; the entry is then untouched.
    static bool Read(const NetRecordBytes& record, SNetPeerEntry& entry,
                     std::string* failed = nullptr);
};
