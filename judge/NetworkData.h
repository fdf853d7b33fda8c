#pragma once
// One participant of the judgment network, this program's own included.
// On the server it also holds the server's end of the participant's link
// (owned by the network, shared by the copies of the record) and what has
// arrived of its next record.

#include <string>

#include "judge/RecordStream.h"

namespace judge {

class CVClientSocket;

class CNetworkData {
public:
    enum { kConnecting = 0, kPlayer = 1, kObserver = 2, kPlayerAbsent = 3, kObserverAbsent = 4 };

    bool IsLoggedIn() const { return state == kPlayer || state == kObserver; }

    int playerNumber = -1;
    // The temporary record's number whose connection this record took over
    // at its login; -1 before a login and after a loss.
    int connectionNumber = -1;
    int company = -1;
    // 1: this participant has finished the announcement's current step.
    int stepDone = 1;
    std::string name;
    std::string companyName;
    int colour = -1;
    std::string loginText;
    int state = kConnecting;
    int localFlag = 0;
    std::string personalCode;
    // 1: the link may carry the next record that waits for an answer.
    int freeFlag = 1;
    CRecordStream received;
    CVClientSocket* socket = nullptr;
};

}  // namespace judge
