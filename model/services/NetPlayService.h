#pragma once
// Network play: who plays where, and the state the host sends to the players. Part of what the
// records need of the game document (see DocService.h).

#include <vector>

#include "model/CellPoint.h"

class CPersonData;

// The parts of a person's state that the network host sends to the players.
enum ePERSON_STATE {
    ePERSON_RELATIONS,
    ePERSON_STATUS,
    ePERSON_SALARY,
    ePERSON_EXPERIENCE,
    ePERSON_RECORD
};

// The parts of a company's state that the network host sends to the players.
enum eCOMPANY_STATE {
    eCOMPANY_AREA_GRADES,
    eCOMPANY_STAFF_FIGURES,
    eCOMPANY_DIRECTOR_RELATIONS,
    eCOMPANY_AREA_RECORDS,
    eCOMPANY_TEAM_HOLDINGS,
    eCOMPANY_FUNDS_AND_DEBT,
    eCOMPANY_MONTHLY_SERIES,
    eCOMPANY_MONTHLY_TABLE
};

class INetPlayService {
public:
    virtual ~INetPlayService() = default;
    // Whether this program plays in a network game.
    virtual bool IsNetworkGame() = 0;
    // Whether this program hosts a network game; only the host sends state.
    virtual bool IsNetworkHost() = 0;
    // Whether the company's player sits at this machine, and whether its
    // remote player is away (questions to it count as no).
    virtual bool IsLocallyPlayed(int company) = 0;
    virtual bool IsRemotePlayerAway(int company) = 0;
    // The host sends part of a person's state to every player.
    virtual void SendPersonState(const CPersonData& person, ePERSON_STATE what) = 0;
    // The host sends a company's director list to every player.
    virtual void SendDirectorList(int company) = 0;
    // The host asks every player to refresh the information pages.
    virtual void SendRefreshInfo() = 0;
    // The host tells the players a company's processed flag.
    virtual void SendProcessedFlag(int company, int flag) = 0;
    // The host sends part of a company's state to every player.
    virtual void SendCompanyState(int company, eCOMPANY_STATE what) = 0;
    // The host sends an area's owner layer to every player.
    virtual void SendAreaOwners(int area) = 0;
    // Structures that broke (their anchor cells): the host first reports
    // them to every player; every program then shows them the same way
    // (the owners' history, the demolition, the blinking cells).
    virtual void ReportBuildingBroke(int /*area*/, const std::vector<CCellPoint>& /*cells*/) {}
};
