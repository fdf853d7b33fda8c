#pragma once
// One participant of a network session (a player or an observer, this
// program's own included). The first fields are the ones a saved game keeps
// (the frame state's peer table, CFrameState); behind them what lives only
// for the run: the connection slot, the twelve channels and the orders
// received this month. The peer table holds these by value; a record copied
// or moved within the table keeps its sockets (shared, owned by the
// session), flags, ring slots and partial records.

#include <string>
#include <vector>

#include "model/ChannelState.h"
#include "model/CmdSet.h"

class CNetworkData {
public:
    // Participant states (the role): 1 player, 2 observer, 3 and 4 their
    // forms while logging in or absent.
    enum { kConnecting = 0, kPlayer = 1, kObserver = 2, kPlayerAbsent = 3, kObserverAbsent = 4 };

    // ---- stored with the game
    // The player id.
    int playerNumber = -1;
    int company = -1;
    int readyFlag = 1;
    std::string name;
    std::string companyName;
    int colour = -1;
    std::string loginText;
    int state = kConnecting;
    // This program's own entry.
    int localFlag = 0;
    std::string personalCode;

    // ---- for the run only
    // The player number under which a rejoining connection binds its
    // channels; -1 otherwise.
    int connectionNumber = -1;
    int boundFlag = 0;
    std::vector<CCmdSet> turnOrders;
    // Sockets, channel-free flags, current channel (-1 on the host: answered
    // the hand-over to the judgment), ring and receive buffers.
    CChannelState channels;

    // Compares what a saved game keeps.
    bool operator==(const CNetworkData& other) const {
        return playerNumber == other.playerNumber && company == other.company &&
               readyFlag == other.readyFlag && name == other.name &&
               companyName == other.companyName && colour == other.colour &&
               loginText == other.loginText && state == other.state &&
               localFlag == other.localFlag && personalCode == other.personalCode;
    }
};
