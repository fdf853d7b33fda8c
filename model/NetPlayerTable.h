#pragma once
// The frame's table of network players: the peers of the frame state (what a
// saved game keeps, with the run's channels and received orders in the same
// records) seen through the operations the frame and the network code use.
//
// An entry index comes from a lookup that answers -1 when nothing matched,
// and channels come from peers' records, so every operation checks both:
// out of range, a getter answers a neutral value (-1 for numbers, 0 for
// flags, nullptr for a socket, "" for a text) and a setter changes nothing.

#include <string>
#include <vector>

#include "model/NetworkData.h"

class CFrameState;
class CVClientSocket;

class CNetPlayerTable {
public:
    explicit CNetPlayerTable(CFrameState& state) : m_state(state) {}
    CNetPlayerTable(const CNetPlayerTable&) = delete;
    CNetPlayerTable& operator=(const CNetPlayerTable&) = delete;

    // The peer code text of a new host entry: two random digits and the
    // player number's last four.
    static std::string MakeCode(int randomDigits, int playerNumber);

    int Count() const;
    bool IsIndex(int i) const;
    // The entry itself; nullptr out of range.
    CNetworkData* Entry(int i);
    const CNetworkData* Entry(int i) const;

    // ---- entries
    // Finds the entry with the id or appends one (on the host with the next
    // player number as its id and a new code, on a client with the given
    // id), then stores the texts, colour and role. The index, or -1 when
    // the table cannot grow.
    int AddNetPlayer(int id, const std::string& name, const std::string& companyName, int colour,
                     const std::string& login, int role, int self);
    // 0 when the id is unknown; the entry's sockets stay with their owner.
    int RemoveNetPlayer(int id);
    // 0 without change when i or the channel is out of range, else 1.
    int AttachNetPlayerSocket(int i, int channel, CVClientSocket* socket);
    // Role 4 when flag is non-zero, else 3.
    void SetNetPlayerLogin(int i, const std::string& login, int flag);
    void SetNetPlayerCode(int i, const std::string& code);

    // ---- fields of entry i
    int GetNetPlayerCompany(int i) const;
    void SetNetPlayerCompany(int i, int company);
    int IsNetPlayerReady(int i) const;
    void SetNetPlayerReady(int i, int flag);
    int GetNetPlayerId(int i) const;
    void SetNetPlayerNumber(int i, int number);
    int GetNetPlayerColor(int i) const;
    std::string GetNetPlayerName(int i) const;
    std::string GetNetPlayerCompanyName(int i) const;
    std::string GetNetPlayerLoginText(int i) const;
    std::string GetNetPlayerCode(int i) const;
    void SetNetPlayerLoginText(int i, const std::string& login);
    int GetNetPlayerRole(int i) const;
    void SetNetPlayerRole(int i, int role);
    int IsNetPlayerSelf(int i) const;

    // ---- channels of entry i
    void SetNetChannelFree(int i, int channel, int flag);
    // The flag of the current send channel.
    int IsNetChannelFree(int i) const;
    CVClientSocket* GetNetPlayerSocket(int i, int channel) const;
    void SetNetPlayerSocket(int i, int channel, CVClientSocket* socket);
    int GetSendChannel() const { return m_sendChannel; }
    void SetSendChannel(int channel);

    // ---- lookups: an index, or -1 when nothing matched
    int FindNetPlayerById(int id) const;
    int FindNetPlayerByNumber(int number) const;
    // Without a channel every channel of every entry is searched; with one,
    // only the channel it names, and it is set to -1 when nothing matched.
    int FindNetPlayerBySocket(const CVClientSocket* socket, int* channel = nullptr) const;
    int GetNetPlayerIdBySocket(const CVClientSocket* socket) const;
    int FindSelfNetPlayer() const;
    int CountNetPlayersByRole(int role) const;
    int CountBusyNetPlayers() const;

    // ---- players waiting for the game data (ids)
    std::vector<int>& AwaitingGameData() { return m_awaiting; }
    int IsAwaitingGameData(int id) const;

    // ---- answers the receive handlers collect; -1 outside the list
    std::vector<int>& Answers() { return m_answers; }
    std::vector<int>& QueryAnswers() { return m_queryAnswers; }
    int GetNetAnswer(int i) const;
    int GetNetQueryAnswer(int i) const;

    // ---- company control: who plays a company, by the company's player
    // number. A human-played company whose number matches no entry counts
    // as played elsewhere by a player who is away: its questions take
    // their defaults and nothing waits for him.
    // Whether the entry of the number is this program's own (false for
    // the computer's numbers -1 and -2 and for a number of no entry).
    bool IsLocallyPlayed(int playerNumber) const;
    bool IsRemotelyPlayed(int playerNumber, bool humanPlayed) const;
    // The player lost his connection (role 3) or still waits for the game
    // data.
    bool IsRemotePlayerAway(int playerNumber, bool humanPlayed) const;
    // The company of this program's own entry; -1 without one.
    int GetOwnCompany() const;

    // A company left the game: its player's entry (found by the company's
    // player id) becomes an observer without company, colour and company
    // name, and every company index from the company's on moves down by
    // one. 1 when the released entry is this program's own.
    int ReleaseCompany(int company, int playerId);

private:
    std::vector<CNetworkData>& Peers();
    const std::vector<CNetworkData>& Peers() const;

    CFrameState& m_state;
    int m_sendChannel = 0;
    std::vector<int> m_awaiting;
    std::vector<int> m_answers;
    std::vector<int> m_queryAnswers;
};
