// Receiving on the judgment network: the bytes of each link cut into
// records in stream order, the header check, the dispatch by class and the
// records' bounded readers.

#include <algorithm>
#include <cstring>

#include "judge/JudgeNetwork.h"
#include "judge/JudgeNetworkHost.h"
#include "judge/VClientSocket.h"
#include "model/NetAckRecord.h"
#include "model/NetLoginRecord.h"
#include "model/NetPeerEntry.h"
#include "model/NetRecordReader.h"
#include "model/NetSessionRecords.h"
#include "platform/core/TextFormat.h"

namespace judge {

namespace {

bool HasHeader(const NetRecordBytes& record, char mark) {
    return record[0] == mark && std::memcmp(record.data() + 1, kNetRecordHeader + 1, 7) == 0;
}

}  // namespace

void CJudgeNetwork::OnJudgeReceive(CVClientSocket* socket) {
    CEventScope scope(*this);
    char buffer[kNetRecordSize];
    const int received = socket->Receive(buffer, kNetRecordSize);
    if (received == SOCKET_ERROR && CAsyncSocket::GetLastError() == WSAEWOULDBLOCK) return;
    if (received <= 0) {
        const int error = CAsyncSocket::GetLastError();
        m_owner.NetLog(FormatText("]Receive error(%d):%s", received,
                                  CAsyncSocket::GetErrorText(error).c_str()),
                       -1);
        return;
    }
    Receive(socket, buffer, received);
}

void CJudgeNetwork::Receive(CVClientSocket* socket, const char* data, int length) {
    CEventScope scope(*this);
    if (m_dropped.count(socket)) return;
    if (socket == nullptr || socket == m_client) {
        m_clientStream.Append(data, length);
        TakeRecords(socket, m_clientStream);
        return;
    }
    const int index = FindPeerBySocket(socket);
    if (index < 0) return;
    m_peers[index].received.Append(data, length);
    // The handlers may change the table: the stream is looked up again for
    // each record.
    NetRecordBytes record;
    for (;;) {
        const int at = FindPeerBySocket(socket);
        if (at < 0 || !m_peers[at].received.Cut(record)) return;
        Dispatch(record, socket);
    }
}

void CJudgeNetwork::TakeRecords(CVClientSocket* socket, CRecordStream& stream) {
    NetRecordBytes record;
    while (stream.Cut(record)) {
        Dispatch(record, socket);
        // The link may have been closed by what the record did.
        if (socket && socket != m_client) return;
    }
}

void CJudgeNetwork::Dispatch(const NetRecordBytes& record, CVClientSocket* socket) {
    CEventScope scope(*this);
    const int index = FindPeerBySocket(socket);
    m_trace.Write("recv", index >= 0 ? m_peers[index].playerNumber : -1, 0, record);
    if (!HasHeader(record, kNetImmediateMark) && !HasHeader(record, kNetQueuedMark)) {
        ReceiveError("Without the data header of MERCAVO included");
        return;
    }
    int recordClass = 0, group = 0, code = 0;
    if (!CNetRecordReader::ReadKind(record, recordClass, group, code)) {
        ReceiveError("Malformed record kind");
        return;
    }
    switch (recordClass) {
        case CNetSessionRecords::kSessionClass:
            OnSessionRecord(socket, group, code, record);
            break;
        case CNetSessionRecords::kChatClass:
            OnChatRecord(socket, group, code, record);
            break;
        case kClass:
            OnJudgeRecord(socket, group, code, record);
            break;
        default:
            break;
    }
    m_owner.NetIndicate(1);
}

void CJudgeNetwork::ReceiveError(const std::string& what) {
    m_owner.NetLog("]Receive error:" + what, -1);
}

void CJudgeNetwork::OnSessionRecord(CVClientSocket* socket, int group, int code,
                                    const NetRecordBytes& record) {
    if (group == kAckGroup) {
        if (code == kAckCode) OnAck(socket);
        return;
    }
    SendAck(socket);
    std::string failed;
    if (group == CNetSessionRecords::kClearGroup) {
        std::vector<int> players;
        if (!CNetSessionRecords::ReadClearFlags(record, code, players, &failed)) {
            ReceiveError("step flags: " + failed);
            return;
        }
        for (CNetworkData& peer : m_peers) {
            const bool listed = players.empty()
                                    ? peer.company >= 0
                                    : std::find(players.begin(), players.end(),
                                                peer.playerNumber) != players.end();
            if (listed) peer.stepDone = 0;
        }
        m_owner.NetRefresh();
    } else if (group == CNetSessionRecords::kSetGroup) {
        int player = -1;
        if (!CNetSessionRecords::ReadSetFlag(record, player, &failed)) {
            ReceiveError("step flag: " + failed);
            return;
        }
        const int index = FindPeer(player);
        if (index >= 0) m_peers[index].stepDone = 1;
        m_owner.NetRefresh();
    }
}

void CJudgeNetwork::OnAck(CVClientSocket* socket) {
    if (m_host && socket && socket != m_client) {
        const int index = FindPeerBySocket(socket);
        if (index >= 0) m_peers[index].freeFlag = 1;
        return;
    }
    m_clientFree = true;
}

void CJudgeNetwork::OnChatRecord(CVClientSocket* socket, int group, int code,
                                 const NetRecordBytes& record) {
    std::string failed;
    if (group == CNetSessionRecords::kChatShowGroup) {
        SendAck(socket);
        int colour = -1;
        std::string text;
        if (!CNetSessionRecords::ReadChatShow(record, colour, text, &failed)) {
            ReceiveError("chat line: " + failed);
            return;
        }
        m_owner.NetLog(text, colour);
        return;
    }
    if (group != CNetSessionRecords::kChatRelayGroup) return;
    if (!m_host) ReceiveError("Message type is wrong");
    SNetChatLine line;
    if (!CNetSessionRecords::ReadChatRelay(record, code, line, &failed)) {
        ReceiveError("chat line: " + failed);
        return;
    }
    const int speaker = FindPeerBySocket(socket);
    const int colour = speaker >= 0 ? m_peers[speaker].colour : -1;
    NetRecordBytes shown{};
    if (!CNetSessionRecords::BuildChatShow(colour, line.text, shown)) return;
    if (line.recipients.empty()) {
        Broadcast(shown, true, true);
        return;
    }
    for (int recipient : line.recipients) SendToPeer(recipient, shown, true);
}

void CJudgeNetwork::OnJudgeRecord(CVClientSocket* socket, int group, int code,
                                  const NetRecordBytes& record) {
    SendAck(socket);
    switch (group) {
        case CNetLoginRecord::kGroup:
            if (code == CNetLoginRecord::kLoginCode) {
                if (m_host) CheckLogin(socket, record);
            } else if (!m_host) {
                OnLoginAnswer(code);
            }
            break;
        case CNetPeerEntry::kGroup:
            if (code == CNetPeerEntry::kCode) {
                OnPeerEntry(record);
            } else if (code == 1) {
                m_owner.NetLog(kStartText, -1);
            }
            break;
        case 2:
            if (code == 0 && !m_host) {
                m_started = kStarted;
                m_owner.NetStartAnnouncement();
            } else if (code == 1 && m_host) {
                OnPeerStepDone(socket);
            } else if (code == 2 && !m_host) {
                if (m_owner.NetNextPage()) m_started = kFinished;
            }
            break;
        case 3:
            if (!m_host) {
                RemovePeer(code, true);
                m_owner.NetRefresh();
            }
            break;
        default:
            break;
    }
}

void CJudgeNetwork::OnLoginAnswer(int code) {
    m_owner.NetKillRetryTimer();
    if (code == CNetLoginRecord::kAccepted) {
        m_owner.NetShowWindow();
        m_owner.NetLog(kWaitText, -1);
        return;
    }
    const char* text = RefusalText(code);
    if (!text) {
        ReceiveError(FormatText("Unknown login answer %d", code));
        return;
    }
    m_owner.NetMessageBox(text);
    Close();
    m_owner.NetCloseProgram();
}

void CJudgeNetwork::OnPeerEntry(const NetRecordBytes& record) {
    SNetPeerEntry entry;
    std::string failed;
    if (!CNetPeerEntry::Read(record, entry, &failed)) {
        ReceiveError("participant entry: " + failed);
        return;
    }
    if (entry.playerNumber < 0 || entry.state < CNetworkData::kConnecting ||
        entry.state > CNetworkData::kObserverAbsent) {
        ReceiveError("participant entry: out of range");
        return;
    }
    int index = FindPeer(entry.playerNumber);
    if (index < 0) {
        m_peers.emplace_back();
        index = static_cast<int>(m_peers.size()) - 1;
    }
    CNetworkData& peer = m_peers[index];
    peer.playerNumber = entry.playerNumber;
    peer.company = entry.company;
    peer.name = entry.name;
    peer.companyName = entry.companyName;
    peer.colour = entry.colour;
    peer.state = entry.state;
    peer.personalCode = entry.code;
    if (entry.isYou) {
        // One record of this program's own.
        for (CNetworkData& other : m_peers) other.localFlag = 0;
        peer.localFlag = 1;
        m_password = entry.code;
        m_observer = entry.state == CNetworkData::kObserver ||
                     entry.state == CNetworkData::kObserverAbsent;
    }
    m_owner.NetRefresh();
}

}  // namespace judge
