#include "model/ChannelState.h"

#include <algorithm>
#include <cstring>

bool IsValidChannel(int channel) {
    return channel >= 0 && channel < kChannelCount;
}

CChannelState::CChannelState() {
    freeFlags.fill(1);
}

bool CChannelState::HasSocket(int channel) const {
    return IsValidChannel(channel) && sockets[channel] != nullptr;
}

bool CChannelState::HasAllSockets() const {
    return std::all_of(sockets.begin(), sockets.end(), [](auto* s) { return s != nullptr; });
}

int CChannelState::FindSocket(const CVClientSocket* socket) const {
    if (!socket) return -1;
    for (int channel = 0; channel < kChannelCount; ++channel) {
        if (sockets[channel] == socket) return channel;
    }
    return -1;
}

int CChannelState::ReceiveRoom(int channel) const {
    return kReceiveBufferSize - 1 - receiveCounts[channel];
}

char* CChannelState::ReceiveEnd(int channel) {
    return receiveBuffers[channel].data() + receiveCounts[channel];
}

void CChannelState::AddReceived(int channel, int count) {
    receiveCounts[channel] = std::clamp(receiveCounts[channel] + count, 0, kReceiveBufferSize - 1);
}

bool CChannelState::CutRecord(int channel, NetRecordBytes& record) {
    int& count = receiveCounts[channel];
    if (count < kNetRecordSize) return false;
    char* buffer = receiveBuffers[channel].data();
    std::memcpy(record.data(), buffer, kNetRecordSize);
    std::memmove(buffer, buffer + kNetRecordSize, static_cast<size_t>(count - kNetRecordSize));
    count -= kNetRecordSize;
    return true;
}

bool CChannelState::PutInRing(int channel, const NetRecordBytes& record) {
    if (ring[channel][0] != '\0') return false;
    ring[channel] = record;
    return true;
}

bool CChannelState::TakeFromRing(NetRecordBytes& record, int& slot) {
    NetRecordBytes& next = ring[ringReadIndex];
    if (next[0] == '\0') return false;
    record = next;
    next[0] = '\0';
    slot = ringReadIndex;
    ringReadIndex = (ringReadIndex + 1) % kChannelCount;
    return true;
}

void CChannelState::MarkBusy(int channel, int64_t nowMs) {
    freeFlags[channel] = 0;
    busySince[channel] = nowMs;
}

void CChannelState::MarkFree(int channel) {
    freeFlags[channel] = 1;
    busySince[channel] = 0;
}

void CChannelState::AdvanceChannel() {
    for (int step = 0; step < kChannelCount; ++step) {
        currentChannel = (currentChannel + 1) % kChannelCount;
        if (sockets[currentChannel]) return;
    }
}

void CChannelState::ResetTraffic() {
    freeFlags.fill(1);
    busySince.fill(0);
    currentChannel = 0;
    ringReadIndex = 0;
    for (NetRecordBytes& slot : ring) slot[0] = '\0';
    receiveCounts.fill(0);
}
