#include "network/NetRecordKinds.h"

unsigned CNetRecordKinds::States(std::initializer_list<int> states) {
    unsigned mask = 0;
    for (int state : states) mask |= 1u << state;
    return mask;
}

const std::vector<SNetRecordKind>& CNetRecordKinds::All() {
    using S = ENetSender;
    constexpr unsigned all = kAllStates;
    // The running game: new game running, schedules complete, with joiners.
    static const unsigned running = States({1, 2, 4});
    static const std::vector<SNetRecordKind> kinds = {
        {0, 0, 0, 0, S::Host, all, "connection refused"},
        {0, 0, 10, 10, S::Either, all, "acknowledgement"},
        {0, 10, 0, 1, S::Host, all, "ready flags cleared"},
        {0, 11, 0, 0, S::Host, all, "ready flag set"},
        {0, 20, 0, 1, S::Host, all, "music and sound"},
        {0, 30, 0, 2, S::Host, all, "input finished, phase texts"},
        {0, 30, 3, 3, S::Either, all, "progress step"},
        {0, 30, 4, 4, S::Host, all, "progress step"},
        {0, 30, 6, 6, S::Host, all, "progress step"},
        {0, 40, 0, 0, S::Host, all, "end of input now"},
        {0, 50, 0, 0, S::Host, all, "go to the judgment"},
        {0, 50, 1, 1, S::Client, States({5}), "ready to go to the judgment"},
        {100, 0, 0, 999, S::Client, all, "chat line to send"},
        {100, 1, 0, 0, S::Host, all, "chat line as shown"},
        {200, 0, 0, 13, S::Either, all, "login, answers, binding"},
        {200, 1, 0, 2, S::Either, all, "participant entries"},
        {200, 2, 0, 0, S::Host, all, "participant removed"},
        {200, 3, 0, 4, S::Host, all, "game setup and start"},
        {200, 4, 0, 2, S::Either, all, "founding schedules"},
        {200, 10, 0, 999, S::Host, all, "founding steps"},
        {200, 11, 0, 999, S::Host, all, "founding steps"},
        {200, 12, 0, 999, S::Host, all, "founding results"},
        {200, 13, 0, 999, S::Host, all, "end of the founding phase"},
        {200, 14, 0, 0, S::Host, all, "start for a returning participant"},
        {200, 15, 0, 999, S::Host, all, "start of the game"},
        {300, 0, 0, 999, S::Host, all, "document state"},
        {300, 1, 0, 999, S::Host, all, "company state"},
        {300, 2, 0, 999, S::Host, all, "person state"},
        {300, 3, 0, 999, S::Host, all, "map state"},
        {400, 0, 0, 999, S::Either, all, "orders and actions"},
        {400, 1, 0, 999, S::Either, all, "questions and answers"},
        {400, 2, 0, 999, S::Either, all, "task results and events"},
        {400, 3, 0, 999, S::Either, all, "land purchase"},
        {500, 0, 0, 0, S::Host, all, "input phase begins"},
        {500, 0, 1, 1, S::Client, running, "input done"},
        {600, 0, 1, 5, S::Host, all, "screen synchronisation"},
    };
    return kinds;
}

const SNetRecordKind* CNetRecordKinds::Find(int recordClass, int group, int code) {
    for (const SNetRecordKind& kind : All()) {
        if (kind.recordClass == recordClass && kind.group == group && code >= kind.firstCode &&
            code <= kind.lastCode) {
            return &kind;
        }
    }
    return nullptr;
}

bool CNetRecordKinds::Takes(const SNetRecordKind& kind, bool fromHost, int sessionState) {
    if (kind.sender == ENetSender::Host && !fromHost) return false;
    if (kind.sender == ENetSender::Client && fromHost) return false;
    if (sessionState < 0 || sessionState > 5) return false;
    return (kind.states >> sessionState) & 1u;
}

bool CNetRecordKinds::IsAcknowledged(int recordClass, int group, int code) {
    switch (recordClass) {
        case 0:
            return group != 0;
        case 100:
            return group == 1;
        case 200:
            return !(group == 0 && code >= 2 && code <= 9);
        case 300:
        case 400:
        case 500:
        case 600:
            return true;
        default:
            return false;
    }
}
