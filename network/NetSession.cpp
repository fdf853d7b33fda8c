#include "network/NetSession.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "model/NetPorts.h"
#include "model/NetRecordBuilder.h"
#include "network/NetFrameService.h"
#include "network/NetSessionWnd.h"
#include "network/VClientSocket.h"
#include "network/VSocket.h"
#include "platform/core/Clock.h"
#include "platform/core/TextFormat.h"
#include "platform/ui/MessageLoop.h"

namespace {

constexpr unsigned kConnectTimer = 100;
constexpr unsigned kAckCheckTimer = 110;
// How often busy channels are checked against the acknowledgement time-out.
constexpr int64_t kAckCheckPeriodMs = 250;
constexpr int kListenBacklog = 5;
constexpr int kListenBufferSize = 525;
constexpr int kChannelBufferSize = 546;
// The longest real time a time-out may shrink to under the time scale.
constexpr int64_t kTimeoutFloorMs = 5000;

}  // namespace

CNetSession::CNetSession(INetFrameService& frame, std::vector<CNetworkData>* peers)
    : m_frame(frame), m_peers(peers ? *peers : m_ownPeers), m_wnd(std::make_unique<CNetSessionWnd>(*this)) {}

CNetSession::~CNetSession() {
    if (m_wnd && m_wnd->IsWindow()) m_wnd->DestroyWindow();
    m_listeners.clear();
    m_retired.clear();
    m_sockets.clear();
}

int CNetSession::PortBase() {
    return NetPortBase();
}

int64_t CNetSession::ScaledTimeout(int64_t ms) {
    return std::max(CClock::Scale(ms), std::min(ms, kTimeoutFloorMs));
}

int64_t CNetSession::NowMs() const {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void CNetSession::SetClassHandler(int recordClass, RecordHandler handler) {
    m_handlers[recordClass] = std::move(handler);
}

void CNetSession::Log(const std::string& line) {
    std::fprintf(stderr, "%s\n", line.c_str());
    m_frame.AddLogLine(line);
}

void CNetSession::ReportSendError(const std::string& what) {
    Log("]Send error:" + what);
}

void CNetSession::StartTimer(unsigned id, int64_t realMs) {
    if (m_wnd && m_wnd->IsWindow()) CMessageLoop::SetTimer(m_wnd.get(), id, realMs);
}

void CNetSession::KillConnectTimer() {
    if (m_wnd) m_wnd->KillTimer(kConnectTimer);
}

void CNetSession::OnTimer(unsigned id) {
    if (id == kAckCheckTimer) {
        CheckAckTimeouts();
        return;
    }
    if (id != kConnectTimer) return;
    KillConnectTimer();
    CloseNetwork();
    m_frame.ShowMessageBox("Connection refused.");
    m_frame.PostNetworkFailure();
}

// ---- opening and closing

bool CNetSession::SetOptions(CAsyncSocket& socket, int bufferSize) {
    const int one = 1;
    socket.SetSockOpt(SO_RCVBUF, &bufferSize, sizeof bufferSize);
    socket.SetSockOpt(SO_SNDBUF, &bufferSize, sizeof bufferSize);
    socket.SetSockOpt(SO_DONTROUTE, &one, sizeof one);
    socket.SetSockOpt(SO_DEBUG, &one, sizeof one);
    // Read back as the game always did; the system raises small buffers to
    // its own minimum, and nothing uses the values.
    int value = 0;
    int length = sizeof value;
    socket.GetSockOpt(SO_RCVBUF, &value, &length);
    length = sizeof value;
    socket.GetSockOpt(SO_SNDBUF, &value, &length);
    length = sizeof value;
    socket.GetSockOpt(SO_OOBINLINE, &value, &length);
    return true;
}

bool CNetSession::OpenNetwork() {
    m_serverLost = false;
    if (m_host) {
        m_listeners.clear();
        for (int i = 0; i < kChannelCount; ++i) {
            auto listener = std::make_unique<CVSocket>(i, Events());
            const bool listening = listener->Create(static_cast<UINT>(PortBase() + 1 + i),
                                                    SOCK_STREAM, FD_ALL_EVENTS) &&
                                   SetOptions(*listener, kListenBufferSize) &&
                                   listener->Listen(kListenBacklog);
            if (!listening) {
                m_listeners.clear();
                m_frame.ShowMessageBox("Connection error");
                m_frame.CloseProgram(false);
                return false;
            }
            m_listeners.push_back(std::move(listener));
        }
    }
    return ConnectChannels();
}

std::unique_ptr<CVClientSocket> CNetSession::MakeSocket(int channel) {
    if (m_socketMaker) return m_socketMaker(channel, Events());
    return std::make_unique<CVClientSocket>(channel, Events());
}

bool CNetSession::ConnectChannels() {
    for (int i = 0; i < kChannelCount; ++i) {
        std::unique_ptr<CVClientSocket> socket = MakeSocket(i);
        bool started = socket->Create(0, SOCK_STREAM, FD_ALL_EVENTS) &&
                       SetOptions(*socket, kChannelBufferSize);
        if (started &&
            !socket->Connect(m_hostAddress.c_str(), static_cast<UINT>(PortBase() + 1 + i))) {
            started = CAsyncSocket::GetLastError() == WSAEWOULDBLOCK;
        }
        if (!started) {
            ForgetSocketsOf(m_client, false);
            return false;
        }
        m_client.sockets[i] = socket.get();
        m_sockets[socket.get()] = std::move(socket);
    }
    if (!m_host) StartTimer(kConnectTimer, ScaledTimeout(kConnectTimeoutMs));
    m_client.freeFlags.fill(0);
    m_client.currentChannel = 0;
    StartTimer(kAckCheckTimer, kAckCheckPeriodMs);
    return true;
}

void CNetSession::CloseNetwork() {
    ++m_generation;
    if (m_host) {
        for (CNetworkData& peer : m_peers) ForgetSocketsOf(peer.channels, true);
    }
    m_peers.clear();
    m_hostAddress.clear();
    m_ownPlayer = -1;
    for (auto& listener : m_listeners) listener->Close();
    m_listeners.clear();
    ForgetSocketsOf(m_client, false);
    m_client.ResetTraffic();
    m_client.freeFlags.fill(0);
    // Sockets of no participant (refused ones on their way out).
    std::vector<CVClientSocket*> rest;
    for (auto& entry : m_sockets) rest.push_back(entry.first);
    for (CVClientSocket* socket : rest) RetireSocket(socket);
    if (m_wnd) {
        m_wnd->KillTimer(kConnectTimer);
        m_wnd->KillTimer(kAckCheckTimer);
    }
}

void CNetSession::CloseSocketGracefully(CVClientSocket* socket) {
    if (!socket || !m_sockets.count(socket)) return;
    socket->ShutDown(CAsyncSocket::sends);
    // What is pending is read and dropped; a would-block ends the reading.
    char block[kNetRecordSize];
    while (socket->Receive(block, sizeof block) > 0) {
    }
    socket->ShutDown(CAsyncSocket::both);
    RetireSocket(socket);
}

void CNetSession::RetireSocket(CVClientSocket* socket) {
    auto it = m_sockets.find(socket);
    if (it == m_sockets.end()) return;
    socket->Close();
    m_retired.push_back(std::move(it->second));
    m_sockets.erase(it);
    if (m_eventDepth == 0) m_retired.clear();
}

void CNetSession::ForgetSocketsOf(CChannelState& state, bool graceful) {
    for (CVClientSocket*& socket : state.sockets) {
        if (graceful)
            CloseSocketGracefully(socket);
        else
            RetireSocket(socket);
        socket = nullptr;
    }
}

void CNetSession::LeaveEvent() {
    if (--m_eventDepth == 0) m_retired.clear();
}

// ---- the peer table

int CNetSession::FindPeer(int playerNumber) const {
    for (size_t i = 0; i < m_peers.size(); ++i) {
        if (m_peers[i].playerNumber == playerNumber) return static_cast<int>(i);
    }
    return -1;
}

int CNetSession::FindPeerBySocket(const CVClientSocket* socket, int* channel) const {
    if (!socket) return -1;
    for (size_t i = 0; i < m_peers.size(); ++i) {
        const int found = m_peers[i].channels.FindSocket(socket);
        if (found >= 0) {
            if (channel) *channel = found;
            return static_cast<int>(i);
        }
    }
    return -1;
}

int CNetSession::AddNetPlayer(const CNetworkData& peer) {
    const int found = FindPeer(peer.playerNumber);
    if (found >= 0) return found;
    m_peers.push_back(peer);
    return static_cast<int>(m_peers.size()) - 1;
}

void CNetSession::RemoveNetPlayer(int playerNumber, bool deleteSockets) {
    const int index = FindPeer(playerNumber);
    if (index < 0) return;
    if (deleteSockets) ForgetSocketsOf(m_peers[index].channels, false);
    m_peers.erase(m_peers.begin() + index);
}

void CNetSession::CheckAckTimeouts() {
    const int64_t limit = ScaledTimeout(kAckTimeoutMs);
    const int64_t now = NowMs();
    auto expired = [&](const CChannelState& state) {
        for (int channel = 0; channel < kChannelCount; ++channel) {
            if (state.sockets[channel] && state.freeFlags[channel] == 0 &&
                state.busySince[channel] != 0 && now - state.busySince[channel] >= limit) {
                return channel;
            }
        }
        return -1;
    };
    if (!m_host) {
        const int channel = expired(m_client);
        if (channel >= 0 && IsOpen()) {
            Log(FormatText("]No acknowledgement from the server on channel %d.", channel));
            LoseServer();
        }
        return;
    }
    std::vector<int> players;
    for (const CNetworkData& peer : m_peers) players.push_back(peer.playerNumber);
    for (int player : players) {
        const int index = FindPeer(player);
        if (index < 0) continue;
        const int channel = expired(m_peers[index].channels);
        if (channel < 0) continue;
        DropPeer(m_peers[index].channels.sockets[channel], channel,
                 FormatText("]No acknowledgement from player %d on channel %d.", player, channel));
    }
}
