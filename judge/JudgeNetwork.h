#pragma once
// The judgment network: after a network game the judgment programs of all
// participants announce in step. The program on the game host's machine is
// the server (listening on the port base, 1112 by default); every program,
// the server's own included, connects to it and logs in with its personal
// code. The server starts the announcement when everyone is in (or on its
// START button) and moves every machine to the next page only when every
// participant has finished the current one.
//
// Every record from a peer is read through the bounded readers of the
// shared layouts: one that fails is not applied, is still acknowledged and
// is reported with a "]Receive error:" line.

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "judge/JudgeSocketEvents.h"
#include "judge/NetworkData.h"
#include "judge/RecordStream.h"
#include "judge/VClientSocket.h"
#include "model/FrameState.h"
#include "model/NetRecordBytes.h"
#include "model/NetTrace.h"

namespace judge {

class IJudgeNetworkHost;
class CVSocket;

class CJudgeNetwork : public IJudgeSocketEvents {
public:
    static constexpr int kClass = 700;
    static constexpr int kProtocol = 102;
    static constexpr int kBacklog = 5;
    static constexpr int kRetryTimer = 100;
    static constexpr int kRetryMs = 5000;
    static constexpr int kConnectTries = 6;
    static constexpr int kBufferSize = 525;
    // The step of the waits for a free link.
    static constexpr int kLinkPollMs = 10;
    enum { kNotStarted = 0, kStarted = 1, kFinished = 2 };

    static constexpr const char* kListenFailedText = "接続ｴﾗｰ";
    static constexpr const char* kRetriesFailedText = "Can not to connect to server.";
    static constexpr const char* kServerLostText = "The connection with the server cut.";
    static constexpr const char* kWaitText = "]Please wait to get started.";
    static constexpr const char* kStartText = "]Start judgement.";
    static const char* RefusalText(int code);

    explicit CJudgeNetwork(IJudgeNetworkHost& host);
    ~CJudgeNetwork() override;
    CJudgeNetwork(const CJudgeNetwork&) = delete;
    CJudgeNetwork& operator=(const CJudgeNetwork&) = delete;

    // The peer table and roles of the judgment data file, and the check
    // numbers a login must match.
    void Load(const CFrameState& frame, int characterCheck, int mapCheck);
    // The server address and the password of M_NINFO.DAT in folder; a short
    // or malformed file is reported, a missing one is not. Either way what
    // was known before stays.
    bool ReadNetworkInfo(const std::string& folder);
    void SetServer(const std::string& address, const std::string& password);

    // The start (0x564): the server opens, every program connects.
    void Start(const std::string& folder);
    bool OpenServer();
    bool ConnectServer();
    void OnRetryTimer();
    void Close();

    // ---- the announcement's side
    bool IsNotStarted() const { return m_started == kNotStarted; }
    int GetStarted() const { return m_started; }
    void SetFinished() { m_started = kFinished; }
    // This machine finished the current step (the prompt was pressed).
    void SendStepDone();
    // The START button: the server starts with those who are in.
    void StartJudgment();
    void SendChat(const std::vector<int>& recipients, const std::string& text);

    // ---- what the window and the tests read
    bool IsHost() const { return m_host; }
    bool IsObserver() const { return m_observer; }
    const std::vector<CNetworkData>& Peers() const { return m_peers; }
    const std::string& ServerAddress() const { return m_serverAddress; }
    const std::string& Password() const { return m_password; }
    std::string Title() const;
    int GetTries() const { return m_tries; }
    bool IsClientLinkFree() const { return m_clientFree; }

    // ---- receiving, for the sockets and for tests that feed bytes
    void Receive(CVClientSocket* socket, const char* data, int length);
    // One record as it came on socket (nullptr: the client's link).
    void Dispatch(const NetRecordBytes& record, CVClientSocket* socket);

    // ---- IJudgeSocketEvents
    void OnJudgeAccept() override;
    void OnJudgeReceive(CVClientSocket* socket) override;
    void OnJudgeConnect(CVClientSocket* socket, int error) override;
    void OnJudgeClose(CVClientSocket* socket) override;
    void OnJudgeSend(CVClientSocket* socket, bool ok) override;

    // The port of the server: the network programs' port base.
    static int Port();

    // ---- test seams
    // Records go to the hook instead of the sockets (true: sent).
    using SendHook = std::function<bool(CVClientSocket*, const NetRecordBytes&)>;
    void SetSendHook(SendHook hook) { m_sendHook = std::move(hook); }
    // A connection taken as if just accepted, without a system socket.
    CVClientSocket* AdoptConnection();

private:
    // Deletes retired sockets once no handler of theirs runs: a socket may
    // be retired inside its own notification.
    class CEventScope {
    public:
        explicit CEventScope(CJudgeNetwork& network) : m_network(network) {
            ++m_network.m_eventDepth;
        }
        ~CEventScope() {
            if (--m_network.m_eventDepth == 0) m_network.m_retired.clear();
        }

    private:
        CJudgeNetwork& m_network;
    };

    // ---- sending (JudgeNetworkSend.cpp)
    bool SendRecord(CVClientSocket* socket, const NetRecordBytes& record, int player);
    void SendAck(CVClientSocket* socket);
    void SendToServer(const NetRecordBytes& record, bool busy);
    int SendToPeer(int playerNumber, const NetRecordBytes& record, bool busy);
    void Broadcast(const NetRecordBytes& record, bool busy, bool includeLocal);
    void SendPeerList(int to, int about);
    void SendLeave(int playerNumber);
    void ClearStepDone();
    bool Build(int group, int code, NetRecordBytes& out);

    // ---- receiving (JudgeNetworkReceive.cpp)
    void TakeRecords(CVClientSocket* socket, CRecordStream& stream);
    void OnSessionRecord(CVClientSocket* socket, int group, int code, const NetRecordBytes& r);
    void OnChatRecord(CVClientSocket* socket, int group, int code, const NetRecordBytes& r);
    void OnJudgeRecord(CVClientSocket* socket, int group, int code, const NetRecordBytes& r);
    void OnAck(CVClientSocket* socket);
    void OnLoginAnswer(int code);
    void OnPeerEntry(const NetRecordBytes& record);
    void ReceiveError(const std::string& what);

    // ---- the server's participants (JudgeNetworkPeers.cpp)
    void CheckLogin(CVClientSocket* socket, const NetRecordBytes& record);
    void OnPeerStepDone(CVClientSocket* socket);
    void CheckAllDone();
    void AdvanceAll();
    void StartForPeers();
    void OnConnectionLost(CVClientSocket* socket);
    void OnPeerLost(int playerNumber);
    void OnServerLost();
    void RemovePeer(int playerNumber, bool deleteSocket);
    bool AllLoggedIn() const;
    int LowestFreeNumber() const;
    bool IsOwnConnection(CVClientSocket* accepted) const;
    void DropRefused(CVClientSocket* socket);

    int FindPeer(int playerNumber) const;
    int FindPeerBySocket(const CVClientSocket* socket) const;
    int FindLocal() const;
    CVClientSocket* NewSocket();
    void RetireSocket(CVClientSocket* socket);
    void CloseSocketGracefully(CVClientSocket* socket);

    IJudgeNetworkHost& m_owner;
    std::vector<CNetworkData> m_peers;
    bool m_host = false;
    bool m_observer = false;
    int m_characterCheck = 0;
    int m_mapCheck = 0;
    std::string m_serverAddress;
    std::string m_password;
    std::unique_ptr<CVSocket> m_listen;
    CVClientSocket* m_client = nullptr;
    bool m_clientFree = false;
    CRecordStream m_clientStream;
    // Refused connections whose answer is still on its way.
    std::set<CVClientSocket*> m_dropped;
    int m_started = kNotStarted;
    int m_tries = 0;
    bool m_serverLostShown = false;
    // Every socket the network made; retired ones wait for deletion.
    std::vector<std::unique_ptr<CVClientSocket>> m_sockets;
    std::vector<std::unique_ptr<CVClientSocket>> m_retired;
    int m_eventDepth = 0;
    CNetTrace m_trace;
    SendHook m_sendHook;
};

}  // namespace judge
