// The judgment network's life: loading the participants, the network
// information, opening the server, connecting with retries, admitting
// connections and closing.

#include "judge/JudgeNetwork.h"

#include <algorithm>

#include "judge/JudgeNetworkHost.h"
#include "judge/VClientSocket.h"
#include "judge/VSocket.h"
#include "model/NetLoginRecord.h"
#include "model/NetPorts.h"
#include "model/NetworkInfoFile.h"

namespace judge {

const char* CJudgeNetwork::RefusalText(int code) {
    switch (code) {
        case CNetLoginRecord::kBadProtocol:
            return "Connection refused. Inconsistent server and version.";
        case CNetLoginRecord::kBadCharacters:
            return "Inconsistent character data file(ORIGINAL.MQP) and server.";
        case CNetLoginRecord::kBadMap:
            return "Inconsistent map data file(ORIGINAL.MQM) and server.";
        case CNetLoginRecord::kStarted:
            return "Connection refused until Judging procedure is finished. ";
        case CNetLoginRecord::kPlayersClosed:
            return "Connection refused.  New participant acceptance closed.";
        case CNetLoginRecord::kObserversClosed:
            return "Connection refused.  New observer acceptance closed.";
        case CNetLoginRecord::kBadPassword:
            return "Connection refused.  Incorrect password.";
        default:
            return nullptr;
    }
}

CJudgeNetwork::CJudgeNetwork(IJudgeNetworkHost& owner) : m_owner(owner) {}

CJudgeNetwork::~CJudgeNetwork() {
    // No notification reaches the network while it is taken apart.
    m_listen.reset();
    m_retired.clear();
    m_sockets.clear();
}

int CJudgeNetwork::Port() {
    return NetPortBase();
}

void CJudgeNetwork::Load(const CFrameState& frame, int characterCheck, int mapCheck) {
    m_peers.clear();
    for (const CFrameState::SPeer& stored : frame.GetPeers()) {
        CNetworkData peer;
        peer.playerNumber = stored.playerNumber;
        peer.company = stored.company;
        peer.name = stored.name;
        peer.companyName = stored.companyName;
        peer.colour = stored.colour;
        peer.loginText = stored.loginText;
        // The file holds everyone as absent until this session's login.
        peer.state = stored.state;
        peer.localFlag = stored.localFlag;
        peer.personalCode = stored.personalCode;
        m_peers.push_back(std::move(peer));
    }
    m_host = frame.IsNetworkHost() != 0;
    m_observer = frame.IsObserver() != 0;
    m_characterCheck = characterCheck;
    m_mapCheck = mapCheck;
    const int local = FindLocal();
    if (local >= 0 && m_password.empty()) m_password = m_peers[local].personalCode;
}

bool CJudgeNetwork::ReadNetworkInfo(const std::string& folder) {
    SNetworkInfo info;
    switch (CNetworkInfoFile::Read(folder + CNetworkInfoFile::kFileName, info)) {
        case CNetworkInfoFile::EResult::Ok:
            SetServer(info.serverAddress, info.password);
            return true;
        case CNetworkInfoFile::EResult::Bad:
            m_owner.NetMessageBox(CNetworkInfoFile::kReadFailedText);
            return false;
        case CNetworkInfoFile::EResult::Missing:
            return false;
    }
    return false;
}

void CJudgeNetwork::SetServer(const std::string& address, const std::string& password) {
    m_serverAddress = address;
    m_password = password;
}

void CJudgeNetwork::Start(const std::string& folder) {
    CEventScope scope(*this);
    ReadNetworkInfo(folder);
    if (m_host) {
        if (!OpenServer()) return;
        m_owner.NetShowWindow();
    }
    if (!ConnectServer()) {
        // Nothing is under way: the try counts as failed, and the retry
        // timer ends it as it ends a connect that never answers.
        if (!m_host) m_owner.NetSetRetryTimer(kRetryMs);
    }
    m_owner.NetRefresh();
}

bool CJudgeNetwork::OpenServer() {
    auto listen = std::make_unique<CVSocket>(*this);
    bool ok = listen->Create(static_cast<UINT>(Port())) != FALSE;
    if (ok) {
        const int size = kBufferSize;
        listen->SetSockOpt(SO_RCVBUF, &size, sizeof size);
        listen->SetSockOpt(SO_SNDBUF, &size, sizeof size);
        const int on = 1;
        // Recorded by the platform, not given to the system.
        listen->SetSockOpt(SO_DONTROUTE, &on, sizeof on);
        listen->SetSockOpt(SO_DEBUG, &on, sizeof on);
        ok = listen->Listen(kBacklog) != FALSE;
    }
    if (!ok) {
        m_owner.NetMessageBox(kListenFailedText);
        m_owner.NetCloseProgram();
        return false;
    }
    m_listen = std::move(listen);
    return true;
}

bool CJudgeNetwork::ConnectServer() {
    CVClientSocket* socket = NewSocket();
    m_clientStream.Clear();
    bool started = !m_serverAddress.empty() && socket->Create() != FALSE;
    if (started && !socket->Connect(m_serverAddress.c_str(), static_cast<UINT>(Port())))
        started = CAsyncSocket::GetLastError() == WSAEWOULDBLOCK;
    if (!started) {
        RetireSocket(socket);
        return false;
    }
    m_client = socket;
    if (!m_host) m_owner.NetSetRetryTimer(kRetryMs);
    m_clientFree = false;
    return true;
}

void CJudgeNetwork::OnRetryTimer() {
    CEventScope scope(*this);
    m_owner.NetKillRetryTimer();
    Close();
    if (++m_tries >= kConnectTries) {
        m_owner.NetMessageBox(kRetriesFailedText);
        m_owner.NetCloseProgram();
        return;
    }
    m_owner.NetPostStart();
}

void CJudgeNetwork::Close() {
    CEventScope scope(*this);
    for (CNetworkData& peer : m_peers) {
        if (peer.socket) CloseSocketGracefully(peer.socket);
        peer.socket = nullptr;
    }
    // A client without participants closes without the close question.
    m_peers.clear();
    for (CVClientSocket* socket : m_dropped) CloseSocketGracefully(socket);
    m_dropped.clear();
    m_listen.reset();
    if (m_client) RetireSocket(m_client);
    m_client = nullptr;
    m_clientFree = false;
    m_clientStream.Clear();
}

// ---------------------------------------------------------------- events

void CJudgeNetwork::OnJudgeAccept() {
    CEventScope scope(*this);
    if (!m_listen) return;
    CVClientSocket* socket = NewSocket();
    if (!m_listen->Accept(*socket)) {
        RetireSocket(socket);
        return;
    }
    const int local = FindLocal();
    if (local >= 0 && !m_peers[local].socket && IsOwnConnection(socket)) {
        CNetworkData& own = m_peers[local];
        own.socket = socket;
        if (own.state >= CNetworkData::kPlayerAbsent) own.state -= 2;
        own.freeFlag = 1;
        own.stepDone = 1;
        m_password = own.personalCode;
        m_owner.NetRefresh();
        if (AllLoggedIn() && m_started == kNotStarted) StartJudgment();
        return;
    }
    CNetworkData temporary;
    temporary.playerNumber = LowestFreeNumber();
    temporary.socket = socket;
    m_peers.push_back(std::move(temporary));
    m_owner.NetRefresh();
}

CVClientSocket* CJudgeNetwork::AdoptConnection() {
    CVClientSocket* socket = NewSocket();
    CNetworkData temporary;
    temporary.playerNumber = LowestFreeNumber();
    temporary.socket = socket;
    m_peers.push_back(std::move(temporary));
    return socket;
}

bool CJudgeNetwork::IsOwnConnection(CVClientSocket* accepted) const {
    if (!m_client) return false;
    std::string peerAddress, ownAddress;
    UINT peerPort = 0, ownPort = 0;
    return accepted->GetPeerName(peerAddress, peerPort) && m_client->GetSockName(ownAddress, ownPort) &&
           peerPort == ownPort && peerAddress == ownAddress;
}

void CJudgeNetwork::OnJudgeConnect(CVClientSocket* socket, int error) {
    CEventScope scope(*this);
    if (socket != m_client || error != 0) return;
    m_clientFree = true;
    if (m_host) return;
    SNetLogin login;
    login.protocol = kProtocol;
    login.characterCheck = m_characterCheck;
    login.mapCheck = m_mapCheck;
    login.reserved = std::string(CNetLoginRecord::kReservedWidth, '0');
    login.observer = m_observer ? 1 : 0;
    login.password = m_password;
    NetRecordBytes record{};
    std::string refused;
    if (!CNetLoginRecord::Build(kClass, login, record, &refused)) {
        m_owner.NetLog("]Send error:" + refused, -1);
        return;
    }
    SendToServer(record, true);
}

void CJudgeNetwork::OnJudgeClose(CVClientSocket* socket) {
    CEventScope scope(*this);
    OnConnectionLost(socket);
}

void CJudgeNetwork::OnJudgeSend(CVClientSocket* socket, bool ok) {
    CEventScope scope(*this);
    if (!ok) {
        OnConnectionLost(socket);
        return;
    }
    if (m_dropped.count(socket) && socket->PendingBytes() == 0) DropRefused(socket);
}

// ---------------------------------------------------------------- sockets

CVClientSocket* CJudgeNetwork::NewSocket() {
    m_sockets.push_back(std::make_unique<CVClientSocket>(*this));
    return m_sockets.back().get();
}

void CJudgeNetwork::RetireSocket(CVClientSocket* socket) {
    if (!socket) return;
    auto it = std::find_if(m_sockets.begin(), m_sockets.end(),
                           [&](const auto& owned) { return owned.get() == socket; });
    if (it == m_sockets.end()) return;
    socket->Close();
    m_dropped.erase(socket);
    m_retired.push_back(std::move(*it));
    m_sockets.erase(it);
    if (m_eventDepth == 0) m_retired.clear();
}

void CJudgeNetwork::CloseSocketGracefully(CVClientSocket* socket) {
    if (!socket) return;
    socket->ShutDown(CAsyncSocket::sends);
    RetireSocket(socket);
}

void CJudgeNetwork::DropRefused(CVClientSocket* socket) {
    m_dropped.erase(socket);
    CloseSocketGracefully(socket);
}

int CJudgeNetwork::FindPeer(int playerNumber) const {
    for (size_t i = 0; i < m_peers.size(); ++i)
        if (m_peers[i].playerNumber == playerNumber) return static_cast<int>(i);
    return -1;
}

int CJudgeNetwork::FindPeerBySocket(const CVClientSocket* socket) const {
    if (!socket) return -1;
    for (size_t i = 0; i < m_peers.size(); ++i)
        if (m_peers[i].socket == socket) return static_cast<int>(i);
    return -1;
}

int CJudgeNetwork::FindLocal() const {
    for (size_t i = 0; i < m_peers.size(); ++i)
        if (m_peers[i].localFlag) return static_cast<int>(i);
    return -1;
}

int CJudgeNetwork::LowestFreeNumber() const {
    for (int number = 0;; ++number)
        if (FindPeer(number) < 0) return number;
}

bool CJudgeNetwork::AllLoggedIn() const {
    return std::all_of(m_peers.begin(), m_peers.end(),
                       [](const CNetworkData& peer) { return peer.IsLoggedIn(); });
}

std::string CJudgeNetwork::Title() const {
    std::string title = "MERCAVO-NETWORK";
    if (!m_password.empty() && !m_host) title += " [Password " + m_password + "]";
    if (!m_serverAddress.empty()) title += " <Connection " + m_serverAddress + ">";
    return title;
}

}  // namespace judge
