#pragma once
// One participant of a network session (a player or an observer, this
// program's own included): who it is, and on the host the state of its
// twelve channels. The peer table holds these by value; a record copied or
// moved within the table keeps its sockets (shared, owned by the session),
// flags, ring slots and partial records.

#include <string>
#include <vector>

#include "model/CmdSet.h"
#include "network/ChannelState.h"

class CNetworkData {
public:
    // Participant states.
    enum { kConnecting = 0, kPlayer = 1, kObserver = 2, kPlayerAbsent = 3, kObserverAbsent = 4 };

    int playerNumber = -1;
    // The player number under which a rejoining connection binds its
    // channels; -1 otherwise.
    int connectionNumber = -1;
    int company = -1;
    int readyFlag = 1;
    std::string name;
    std::string companyName;
    int colour = -1;
    std::string loginText;
    int state = kConnecting;
    int localFlag = 0;
    std::string personalCode;
    int boundFlag = 0;
    std::vector<CCmdSet> turnOrders;
    // Sockets, channel-free flags, current channel (-1 on the host: answered
    // the hand-over to the judgment), ring and receive buffers.
    CChannelState channels;
};
