#include "model/FrameState.h"

#include <algorithm>
#include <climits>

#include "model/ColorTable.h"
#include "model/MercavoError.h"
#include "model/StoredForm.h"
#include "platform/core/Archive.h"

namespace {
// Every text of the table travelled in one network record.
constexpr uint32_t kMaxTextLength = 511;
// The smallest stored peer: seven ints and four empty strings.
constexpr uint64_t kMinPeerBytes = 7 * 4 + 4;

std::string ReadText(CArchive& ar) {
    return ar.ReadString(kMaxTextLength);
}
}  // namespace

void CFrameState::SetNetworkRoles(int networkGame, int host, int observer) {
    m_networkGame = networkGame ? 1 : 0;
    m_host = host ? 1 : 0;
    m_observer = observer ? 1 : 0;
}

void CFrameState::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        Store(ar);
        return;
    }
    CFrameState loaded;
    loaded.Load(ar);
    *this = std::move(loaded);
}

void CFrameState::Store(CArchive& ar) const {
    ar.WriteInt(static_cast<int32_t>(m_peers.size()));
    for (const SPeer& peer : m_peers) {
        ar.WriteInt(peer.playerNumber);
        ar.WriteInt(peer.company);
        ar.WriteInt(peer.readyFlag);
        ar.WriteString(peer.name);
        ar.WriteString(peer.companyName);
        ar.WriteInt(peer.colour);
        ar.WriteString(peer.loginText);
        ar.WriteInt(peer.state);
        ar.WriteInt(peer.localFlag);
        ar.WriteString(peer.personalCode);
    }
    ar.WriteInt(m_networkGame);
    ar.WriteInt(m_host);
    ar.WriteInt(m_observer);
    ar.WriteInt(m_sessionState);
    ar.WriteString(m_playerName);
}

void CFrameState::Load(CArchive& ar) {
    int count = ReadChecked(ar, 0, kMaxPeers);
    // A count the rest of the file cannot hold is refused before anything
    // is sized for it.
    CheckFits(ar, count, kMinPeerBytes);
    m_peers.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        SPeer peer = LoadPeer(ar);
        m_nextPlayerId = std::max(m_nextPlayerId, peer.playerNumber + 1);
        if (peer.state == 4) ++m_role4Count;
        m_peers.push_back(std::move(peer));
    }
    m_networkGame = ReadChecked(ar, 0, 1);
    m_host = ReadChecked(ar, 0, 1);
    m_observer = ReadChecked(ar, 0, 1);
    ReadChecked(ar, 0, INT_MAX);
    m_sessionState = kLoadedSessionState;
    m_playerName = ReadText(ar);
}

CFrameState::SPeer CFrameState::LoadPeer(CArchive& ar) {
    SPeer peer;
    peer.playerNumber = ReadChecked(ar, -1, INT_MAX - 1);
    peer.company = ReadChecked(ar, -1, INT_MAX);
    ReadChecked(ar, 0, 1);
    // Everybody of a loaded game counts as ready until he says otherwise.
    peer.readyFlag = 1;
    peer.name = ReadText(ar);
    peer.companyName = ReadText(ar);
    // The colour picks a table entry, a pen and a mark cell.
    peer.colour = ReadChecked(ar, -1, kColorTableSize - 1);
    peer.loginText = ReadText(ar);
    peer.state = ReadChecked(ar, 0, kMaxRole);
    if (peer.state == 1 || peer.state == 2) peer.state += 2;
    peer.localFlag = ReadChecked(ar, 0, 1);
    peer.personalCode = ReadText(ar);
    peer.connectionNumber = -1;
    return peer;
}
