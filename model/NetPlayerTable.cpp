#include "model/NetPlayerTable.h"

#include <algorithm>
#include <new>

#include "model/FrameState.h"
#include "model/Random.h"
#include "platform/core/TextFormat.h"

namespace {
constexpr int kCodeNumberModulo = 10000;
}  // namespace

std::vector<CNetworkData>& CNetPlayerTable::Peers() {
    return m_state.GetPeers();
}

const std::vector<CNetworkData>& CNetPlayerTable::Peers() const {
    return m_state.GetPeers();
}

std::string CNetPlayerTable::MakeCode(int randomDigits, int playerNumber) {
    return FormatText("%02d%04d", randomDigits, playerNumber % kCodeNumberModulo);
}

int CNetPlayerTable::Count() const {
    return static_cast<int>(Peers().size());
}

bool CNetPlayerTable::IsIndex(int i) const {
    return i >= 0 && i < Count();
}

CNetworkData* CNetPlayerTable::Entry(int i) {
    return IsIndex(i) ? &Peers()[static_cast<size_t>(i)] : nullptr;
}

const CNetworkData* CNetPlayerTable::Entry(int i) const {
    return IsIndex(i) ? &Peers()[static_cast<size_t>(i)] : nullptr;
}

// ---- entries

int CNetPlayerTable::AddNetPlayer(int id, const std::string& name, const std::string& companyName,
                                  int colour, const std::string& login, int role, int self) {
    int index = FindNetPlayerById(id);
    if (index < 0) {
        const int next = m_state.GetNextPlayerId();
        CNetworkData entry;
        if (m_state.IsNetworkHost()) {
            entry.playerNumber = next;
            entry.personalCode = MakeCode(Random(100), next);
        } else {
            entry.playerNumber = id;
        }
        entry.localFlag = self ? 1 : 0;
        try {
            Peers().push_back(std::move(entry));
        } catch (const std::bad_alloc&) {
            return -1;
        }
        m_state.SetNextPlayerId(next + 1);
        index = Count() - 1;
    }
    CNetworkData& entry = *Entry(index);
    entry.name = name;
    entry.companyName = companyName;
    entry.colour = colour;
    entry.loginText = login;
    entry.state = role;
    return index;
}

int CNetPlayerTable::RemoveNetPlayer(int id) {
    const int index = FindNetPlayerById(id);
    if (index < 0) return 0;
    Peers().erase(Peers().begin() + index);
    return 1;
}

int CNetPlayerTable::AttachNetPlayerSocket(int i, int channel, CVClientSocket* socket) {
    if (!IsIndex(i) || !IsValidChannel(channel)) return 0;
    Entry(i)->channels.sockets[static_cast<size_t>(channel)] = socket;
    return 1;
}

void CNetPlayerTable::SetNetPlayerLogin(int i, const std::string& login, int flag) {
    if (CNetworkData* e = Entry(i)) {
        e->loginText = login;
        e->state = flag ? CNetworkData::kObserverAbsent : CNetworkData::kPlayerAbsent;
    }
}

void CNetPlayerTable::SetNetPlayerCode(int i, const std::string& code) {
    if (CNetworkData* e = Entry(i)) e->personalCode = code;
}

// ---- fields

int CNetPlayerTable::GetNetPlayerCompany(int i) const {
    const CNetworkData* e = Entry(i);
    return e ? e->company : -1;
}

void CNetPlayerTable::SetNetPlayerCompany(int i, int company) {
    if (CNetworkData* e = Entry(i)) e->company = company;
}

int CNetPlayerTable::IsNetPlayerReady(int i) const {
    const CNetworkData* e = Entry(i);
    return e ? e->readyFlag : 0;
}

void CNetPlayerTable::SetNetPlayerReady(int i, int flag) {
    if (CNetworkData* e = Entry(i)) e->readyFlag = flag;
}

int CNetPlayerTable::GetNetPlayerId(int i) const {
    const CNetworkData* e = Entry(i);
    return e ? e->playerNumber : -1;
}

void CNetPlayerTable::SetNetPlayerNumber(int i, int number) {
    if (CNetworkData* e = Entry(i)) e->connectionNumber = number;
}

int CNetPlayerTable::GetNetPlayerColor(int i) const {
    const CNetworkData* e = Entry(i);
    return e ? e->colour : -1;
}

std::string CNetPlayerTable::GetNetPlayerName(int i) const {
    const CNetworkData* e = Entry(i);
    return e ? e->name : std::string();
}

std::string CNetPlayerTable::GetNetPlayerCompanyName(int i) const {
    const CNetworkData* e = Entry(i);
    return e ? e->companyName : std::string();
}

std::string CNetPlayerTable::GetNetPlayerLoginText(int i) const {
    const CNetworkData* e = Entry(i);
    return e ? e->loginText : std::string();
}

std::string CNetPlayerTable::GetNetPlayerCode(int i) const {
    const CNetworkData* e = Entry(i);
    return e ? e->personalCode : std::string();
}

void CNetPlayerTable::SetNetPlayerLoginText(int i, const std::string& login) {
    if (CNetworkData* e = Entry(i)) e->loginText = login;
}

int CNetPlayerTable::GetNetPlayerRole(int i) const {
    const CNetworkData* e = Entry(i);
    return e ? e->state : -1;
}

void CNetPlayerTable::SetNetPlayerRole(int i, int role) {
    if (CNetworkData* e = Entry(i)) e->state = role;
}

int CNetPlayerTable::IsNetPlayerSelf(int i) const {
    const CNetworkData* e = Entry(i);
    return e ? e->localFlag : 0;
}

// ---- channels

void CNetPlayerTable::SetNetChannelFree(int i, int channel, int flag) {
    CNetworkData* e = Entry(i);
    if (e && IsValidChannel(channel)) e->channels.freeFlags[static_cast<size_t>(channel)] = flag;
}

int CNetPlayerTable::IsNetChannelFree(int i) const {
    const CNetworkData* e = Entry(i);
    return e ? e->channels.freeFlags[static_cast<size_t>(m_sendChannel)] : 0;
}

CVClientSocket* CNetPlayerTable::GetNetPlayerSocket(int i, int channel) const {
    const CNetworkData* e = Entry(i);
    return e && IsValidChannel(channel) ? e->channels.sockets[static_cast<size_t>(channel)]
                                        : nullptr;
}

void CNetPlayerTable::SetNetPlayerSocket(int i, int channel, CVClientSocket* socket) {
    AttachNetPlayerSocket(i, channel, socket);
}

void CNetPlayerTable::SetSendChannel(int channel) {
    if (IsValidChannel(channel)) m_sendChannel = channel;
}

// ---- lookups

int CNetPlayerTable::FindNetPlayerById(int id) const {
    for (int i = 0; i < Count(); ++i)
        if (Entry(i)->playerNumber == id) return i;
    return -1;
}

int CNetPlayerTable::FindNetPlayerByNumber(int number) const {
    for (int i = 0; i < Count(); ++i)
        if (Entry(i)->connectionNumber == number) return i;
    return -1;
}

int CNetPlayerTable::FindNetPlayerBySocket(const CVClientSocket* socket, int* channel) const {
    if (!channel) {
        for (int i = 0; i < Count(); ++i)
            if (Entry(i)->channels.FindSocket(socket) >= 0) return i;
        return -1;
    }
    if (socket && IsValidChannel(*channel)) {
        for (int i = 0; i < Count(); ++i)
            if (Entry(i)->channels.sockets[static_cast<size_t>(*channel)] == socket) return i;
    }
    *channel = -1;
    return -1;
}

int CNetPlayerTable::GetNetPlayerIdBySocket(const CVClientSocket* socket) const {
    return GetNetPlayerId(FindNetPlayerBySocket(socket));
}

int CNetPlayerTable::FindSelfNetPlayer() const {
    for (int i = 0; i < Count(); ++i)
        if (Entry(i)->localFlag) return i;
    return -1;
}

int CNetPlayerTable::CountNetPlayersByRole(int role) const {
    return static_cast<int>(std::count_if(Peers().begin(), Peers().end(),
                                          [&](const CNetworkData& e) { return e.state == role; }));
}

int CNetPlayerTable::CountBusyNetPlayers() const {
    return static_cast<int>(std::count_if(Peers().begin(), Peers().end(),
                                          [](const CNetworkData& e) { return e.readyFlag == 0; }));
}

bool CNetPlayerTable::IsLocallyPlayed(int playerNumber) const {
    if (playerNumber < 0) return false;
    const CNetworkData* entry = Entry(FindNetPlayerById(playerNumber));
    return entry && entry->localFlag;
}

bool CNetPlayerTable::IsRemotelyPlayed(int playerNumber, bool humanPlayed) const {
    return humanPlayed && !IsLocallyPlayed(playerNumber);
}

bool CNetPlayerTable::IsRemotePlayerAway(int playerNumber, bool humanPlayed) const {
    if (!IsRemotelyPlayed(playerNumber, humanPlayed)) return false;
    const CNetworkData* entry = Entry(FindNetPlayerById(playerNumber));
    return !entry || entry->state == CNetworkData::kPlayerAbsent ||
           IsAwaitingGameData(playerNumber);
}

int CNetPlayerTable::GetOwnCompany() const {
    const CNetworkData* own = Entry(FindSelfNetPlayer());
    return own ? own->company : -1;
}

int CNetPlayerTable::IsAwaitingGameData(int id) const {
    return std::find(m_awaiting.begin(), m_awaiting.end(), id) != m_awaiting.end() ? 1 : 0;
}

int CNetPlayerTable::GetNetAnswer(int i) const {
    return i >= 0 && i < static_cast<int>(m_answers.size()) ? m_answers[static_cast<size_t>(i)]
                                                            : -1;
}

int CNetPlayerTable::GetNetQueryAnswer(int i) const {
    return i >= 0 && i < static_cast<int>(m_queryAnswers.size())
               ? m_queryAnswers[static_cast<size_t>(i)]
               : -1;
}

int CNetPlayerTable::ReleaseCompany(int company, int playerId) {
    int self = 0;
    if (CNetworkData* e = Entry(FindNetPlayerById(playerId))) {
        e->company = -1;
        e->state = CNetworkData::kObserver;
        e->colour = -1;
        e->companyName.clear();
        self = e->localFlag;
    }
    // The document's company indexes shift down behind the one that left;
    // an entry that still names the company itself would otherwise name its
    // neighbour.
    for (CNetworkData& e : Peers()) {
        if (e.company == company)
            e.company = -1;
        else if (e.company > company)
            --e.company;
    }
    return self;
}
