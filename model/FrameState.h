#pragma once
// The main frame's part of the saved game: the network peer table, this
// seat's network roles and session state, and the player name from the
// set-up wizard. The game document stores and loads it at its place in the
// saved game; the main frame keeps it for the run and the network play
// reads and changes it.

#include <cstdint>
#include <string>
#include <vector>

#include "model/NetworkData.h"

class CArchive;

class CFrameState {
public:
    // Roles of a peer: 1 and 2 are the old forms of 3 and 4 and are taken
    // as those on load.
    static constexpr int kMaxRole = 4;
    // More peers than any game admits (every company's player and the
    // observers) are refused on load: each entry carries its channels' buffers.
    static constexpr int kMaxPeers = 256;
    // The session state a loaded game starts in, whatever was stored.
    static constexpr int kLoadedSessionState = 3;

    // One network player as the host knows him; the same record serves the
    // session for the run (channels, received orders), so the table exists
    // once.
    using SPeer = CNetworkData;

    // Loading checks every value and throws eMERCAVO_ERROR_CONTENTS at the
    // first bad one; this object is then left as it was.
    void Serialize(CArchive& ar);

    const std::vector<SPeer>& GetPeers() const { return m_peers; }
    std::vector<SPeer>& GetPeers() { return m_peers; }
    int IsNetworkGame() const { return m_networkGame; }
    int IsNetworkHost() const { return m_host; }
    int IsObserver() const { return m_observer; }
    int GetSessionState() const { return m_sessionState; }
    const std::string& GetPlayerName() const { return m_playerName; }
    void SetNetworkRoles(int networkGame, int host, int observer);
    void SetSessionState(int state) { m_sessionState = state; }
    void SetPlayerName(const std::string& name) { m_playerName = name; }
    // Derived on load: one above the largest player id, and the number of
    // peers of role 4.
    int GetNextPlayerId() const { return m_nextPlayerId; }
    // The host numbers every entry it makes from this counter.
    void SetNextPlayerId(int id) { m_nextPlayerId = id; }
    int GetRole4Count() const { return m_role4Count; }

private:
    void Store(CArchive& ar) const;
    void Load(CArchive& ar);
    static SPeer LoadPeer(CArchive& ar);

    std::vector<SPeer> m_peers;
    int m_networkGame = 0;
    int m_host = 0;
    int m_observer = 0;
    int m_sessionState = 0;
    std::string m_playerName;
    int m_nextPlayerId = 0;
    int m_role4Count = 0;
};
