#pragma once
// What the records need of the network layer: sending one record to one
// player or to every player. The network layer supplies the 512-byte frame
// (padding, channels, acknowledgement); the records build the text.

#include <string>

// Every record is this long on the wire; its text (header, fields and any raw
// bytes behind them) must leave room for the zero byte that follows it.
constexpr int kNetRecordSize = 512;
constexpr int kNetRecordTextLimit = kNetRecordSize - 1;
// The header word that every record begins with.
constexpr const char* kNetRecordHeader = "_MERCAVO";

class INetService {
public:
    virtual ~INetService() = default;
    // record: at most kNetRecordTextLimit bytes, which may include raw bytes
    // after the text. player -1 sends to every player.
    virtual void SendRecord(int player, const std::string& record) = 0;
    // Queued sending with the channel marked busy until the acknowledgement:
    // to one participant, or to every participant but this program's own.
    // False when the record was not sent (refused, or the participant is
    // gone).
    virtual bool SendToPlayer(int player, const std::string& record) = 0;
    virtual bool SendToAll(const std::string& record) = 0;
    // Whether this program hosts the network game.
    virtual bool IsHost() const = 0;
    // A field that did not fit its width and was held at its limit (the
    // last guard behind the record builder's checks): logged as a send
    // error.
    virtual void ReportSendError(const std::string& what) = 0;

    // ---- the gathering of a network game, as the set-up dialogs and the
    // start buttons drive it (the network play fills them in; without it
    // they do nothing)
    // A client's entry to its host: company name (empty for an observer),
    // player name and colour (-1 for an observer).
    virtual void SendEntryData(const std::string& /*company*/, const std::string& /*player*/,
                               int /*colour*/) {}
    // Ends the session and closes every connection.
    virtual void CloseNetwork() {}
    // 0 new game before the start .. 5 game ending.
    virtual void SetSessionState(int /*state*/) {}
    // 1 while the session state is not 0.
    virtual int IsSessionStarted() { return 0; }
    // Connected participants of a role (1 players, 2 observers).
    virtual int CountNetPlayersByRole(int /*role*/) { return 0; }
    // The host drops the participants that have not completed their entry.
    virtual void DropUnconnectedPlayers() {}
    // The loaded game's data to the participants that joined it.
    virtual void TransmitDataToJoiners() {}
    // Participant entries to participants; -1, -1: every entry to everybody.
    virtual void SendParticipantEntry(int /*entry*/, int /*target*/) {}
    virtual void SendGameStartNotice(int /*code*/) {}
};
