#pragma once
// The login a client sends when its connection is up (group 00, code 000 of
// the session class it logs into) and the answer that carries the result in
// its code. The game's lobby and the judgment network share the layout:
// protocol (4 digits), character data check number (8), map data check
// number (8), a reserved field of exactly 14 characters, the observer flag
// (1) and the password as the record's trailing text.

#include <string>

#include "model/NetRecordBytes.h"

struct SNetLogin {
    int protocol = 0;
    int characterCheck = 0;
    int mapCheck = 0;
    // Kept by the receiver as the participant's login text.
    std::string reserved;
    int observer = 0;
    std::string password;
};

class CNetLoginRecord {
public:
    static constexpr int kGroup = 0;
    static constexpr int kLoginCode = 0;
    static constexpr int kReservedWidth = 14;
    // The receiver compares no more of the password than this.
    static constexpr int kPasswordLimit = 8;
    // Answer codes (the login answer's code field).
    enum { kAccepted = 1, kBadProtocol = 2, kBadCharacters = 3, kBadMap = 4, kStarted = 6,
           kPlayersClosed = 7, kObserversClosed = 8, kBadPassword = 9 };

    // False (error says why) when a field does not fit; a short reserved
    // field is filled with blanks so that the later fields keep their place.
    static bool Build(int recordClass, const SNetLogin& login, NetRecordBytes& out,
                      std::string* error = nullptr);
    // Reads the fields behind the header; false (failed names the field)
    // when one is malformed. The password is cut to kPasswordLimit bytes.
    static bool Read(const NetRecordBytes& record, SNetLogin& login, std::string* failed = nullptr);

    static bool BuildAnswer(int recordClass, int result, NetRecordBytes& out);
};
