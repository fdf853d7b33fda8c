#pragma once
// A network session: the host listens on twelve ports, every participant
// (the host's own program included) connects twelve channels to it, and
// 512-byte records go out either at once or queued, one per channel until
// that channel's acknowledgement. Queued records are handed on in sending
// order through a ring of twelve slots, whatever order the connections
// deliver them in; the dispatch passes each record to the handler of its
// class.
//
// Everything runs on the message loop. The session holds no process-wide
// state, so a host and clients can share one process and one loop.
//
// A peer whose stream is broken (a record without a known header word, a
// queued record for a ring slot that is still full, a record on a host
// socket of no participant) or whose channel stays unacknowledged for the
// acknowledgement time-out is dropped through the loss path.

#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "model/NetPorts.h"
#include "model/NetRecordBytes.h"
#include "model/services/NetService.h"
#include "model/NetTrace.h"
#include "model/NetworkData.h"
#include "network/SocketEvents.h"

class CAsyncSocket;
class CVSocket;
class CVClientSocket;
class CNetSessionWnd;
class INetFrameService;

// One received record as the dispatch hands it on.
struct SNetIncoming {
    const NetRecordBytes& record;
    int recordClass;
    int group;
    int code;
    CVClientSocket* socket;
    int channel;
    // The sending participant's player number on the host; -1 for records
    // from the host.
    int player;
    bool queued;
};

class CNetSession : public INetService, private ISocketEvents {
public:
    using RecordHandler = std::function<void(const SNetIncoming&)>;
    // Admission of an accepted connection: the player number of the
    // participant that gets it, or -1 to refuse it.
    using Admission = std::function<int(CVClientSocket& socket, int listeningIndex)>;
    // Makes the socket of a channel (tests give sockets with their own
    // sending).
    using SocketMaker = std::function<std::unique_ptr<CVClientSocket>(int channel, ISocketEvents&)>;

    static constexpr int kDefaultPortBase = kDefaultNetPortBase;
    static constexpr int kConnectTimeoutMs = 12000;
    static constexpr int kAckTimeoutMs = 10 * 60 * 1000;

    // The peer table is the caller's when given (the frame keeps it with
    // the saved game), else the session's own.
    explicit CNetSession(INetFrameService& frame, std::vector<CNetworkData>* peers = nullptr);
    ~CNetSession() override;
    CNetSession(const CNetSession&) = delete;
    CNetSession& operator=(const CNetSession&) = delete;

    // ---- set-up
    void SetHost(bool host) { m_host = host; }
    void SetHostAddress(const std::string& address) { m_hostAddress = address; }
    const std::string& GetHostAddress() const { return m_hostAddress; }
    void SetOwnPlayerNumber(int player) { m_ownPlayer = player; }
    int GetOwnPlayerNumber() const { return m_ownPlayer; }
    void SetAdmission(Admission admission) { m_admission = std::move(admission); }
    void SetSocketMaker(SocketMaker maker) { m_socketMaker = std::move(maker); }
    void SetClassHandler(int recordClass, RecordHandler handler);
    // While set, records of classes 300 to 600 are acknowledged but not
    // acted on.
    void SetHold(bool hold) { m_hold = hold; }
    // The game's ports: base + 1 .. base + 12 (MERCAVO_PORT_BASE, else 1112).
    static int PortBase();
    // A time-out as it really lasts: scaled by the clock, but never shorter
    // than min(ms, 5 s), so that peers can still answer at time scale 0.
    static int64_t ScaledTimeout(int64_t ms);

    // ---- opening and closing
    bool OpenNetwork();
    bool ConnectChannels();
    void CloseNetwork();
    bool IsOpen() const { return !m_hostAddress.empty(); }
    void KillConnectTimer();

    // ---- the peer table
    std::vector<CNetworkData>& Peers() { return m_peers; }
    int FindPeer(int playerNumber) const;
    // The table index of the participant that owns a socket (and its channel).
    int FindPeerBySocket(const CVClientSocket* socket, int* channel = nullptr) const;
    int AddNetPlayer(const CNetworkData& peer);
    void RemoveNetPlayer(int playerNumber, bool deleteSockets);
    void MarkPlayerAbsent(int playerNumber);
    // This program's own connection to the host.
    const CChannelState& ClientChannels() const { return m_client; }
    // Records refused by the sender and state checks.
    int RejectedCount() const { return m_rejected; }

    // ---- sending (records are texts of at most kNetRecordTextLimit bytes)
    bool SendRecordToHost(const std::string& record, bool markBusy);
    bool SendDirectToHost(const std::string& record);
    bool SendToPlayer(int playerNumber, const std::string& record, bool markBusy);
    bool SendDirectToPlayer(int playerNumber, const std::string& record);
    void BroadcastRecord(const std::string& record, bool markBusy, bool includeLocal);
    // Logs a refused or held field as a "]Send error:" line.
    void ReportSendError(const std::string& what) override;

    // ---- waits: they dispatch messages, block at most 10 ms a step, and end
    // when their condition holds, the participant is gone, the session
    // closes or the program is closing. True when the condition holds.
    bool WaitPlayerChannelFree(int playerNumber);
    bool WaitClientChannelFree();
    bool WaitChannelsFree();
    // condition: 1 holds, -1 can no longer hold (the participant is gone), 0
    // not yet.
    bool WaitUntil(const std::function<int()>& condition);

    // ---- INetService
    void SendRecord(int player, const std::string& record) override;
    bool SendToPlayer(int player, const std::string& record) override;
    bool SendToAll(const std::string& record) override;
    bool IsHost() const override { return m_host; }

    // Bytes received on a channel of this program's own connection, as if
    // read from its socket (the receive path's fuzz target drives it).
    void ReceiveClientBytes(int channel, const char* data, int length);
    // Checks every busy channel against the acknowledgement time-out.
    void CheckAckTimeouts();
    void OnTimer(unsigned id);

private:
    // Marks a socket notification in progress: sockets closed meanwhile are
    // deleted only once the outermost one has ended.
    class CEventScope {
    public:
        explicit CEventScope(CNetSession& session) : m_session(session) { ++session.m_eventDepth; }
        ~CEventScope() { m_session.LeaveEvent(); }
        CEventScope(const CEventScope&) = delete;
        CEventScope& operator=(const CEventScope&) = delete;

    private:
        CNetSession& m_session;
    };

    // ISocketEvents
    void OnPeerAccept(int listeningIndex) override;
    void OnRecordReceive(CVClientSocket* socket, int channel) override;
    void OnChannelConnect(CVClientSocket* socket, int channel) override;
    void OnPeerClose(CVClientSocket* socket, int channel) override;
    void OnSocketSend(CVClientSocket* socket) override;
    void OnSendFailed(CVClientSocket* socket, int channel) override;

    // Where a socket's records are kept: a participant's channels, this
    // program's own, or nowhere (nullptr).
    CChannelState* StateOf(const CVClientSocket* socket, int* player, bool* fromHost);
    void ProcessReceived(CVClientSocket* socket, int channel, CChannelState* state);
    bool TakeRecord(CVClientSocket* socket, int channel, const NetRecordBytes& record);
    void DrainRing(CVClientSocket* socket);
    void DispatchRecord(const NetRecordBytes& record, CVClientSocket* socket, int channel);
    void SendAck(CVClientSocket* socket);
    void OnAck(CVClientSocket* socket, int channel);

    bool SendRawRecord(CVClientSocket* socket, const NetRecordBytes& record);
    bool FrameText(const std::string& text, NetRecordBytes& record);
    bool SendQueued(CChannelState& state, const NetRecordBytes& record, bool markBusy);

    void DropPeer(CVClientSocket* socket, int channel, const std::string& reason);
    void LoseServer();
    void LosePeer(CVClientSocket* socket, int channel);
    void RemovePeerAt(int index, bool channelZero);
    void CloseSocketGracefully(CVClientSocket* socket);
    void RetireSocket(CVClientSocket* socket);
    void ForgetSocketsOf(CChannelState& state, bool graceful);
    std::unique_ptr<CVClientSocket> MakeSocket(int channel);
    ISocketEvents& Events() { return *this; }
    bool SetOptions(CAsyncSocket& socket, int bufferSize);
    void StartTimer(unsigned id, int64_t realMs);
    void Log(const std::string& line);
    void Trace(const char* direction, int player, int channel, const NetRecordBytes& record);
    int64_t NowMs() const;
    void LeaveEvent();

    INetFrameService& m_frame;
    bool m_host = false;
    std::string m_hostAddress;
    int m_ownPlayer = -1;
    bool m_hold = false;
    int m_rejected = 0;
    std::vector<CNetworkData> m_ownPeers;
    std::vector<CNetworkData>& m_peers;
    CChannelState m_client;
    std::vector<std::unique_ptr<CVSocket>> m_listeners;
    // Every channel socket of the session; closed ones wait here until no
    // handler of theirs can still be running.
    std::unordered_map<CVClientSocket*, std::unique_ptr<CVClientSocket>> m_sockets;
    std::vector<std::unique_ptr<CVClientSocket>> m_retired;
    int m_eventDepth = 0;
    // Bumped by CloseNetwork: a wait started before it ends.
    unsigned m_generation = 0;
    // The client's ring drain runs one record at a time.
    bool m_draining = false;
    // The server-lost box is shown once.
    bool m_serverLost = false;
    std::unordered_map<int, RecordHandler> m_handlers;
    Admission m_admission;
    SocketMaker m_socketMaker;
    std::unique_ptr<CNetSessionWnd> m_wnd;
    CNetTrace m_trace;
};
