#pragma once
// The state of one participant's twelve channels: the sockets, whether each
// channel may carry the next queued record, the ring that puts queued
// records back into sending order, and the partial record of each channel.
// The host keeps one per participant (in its peer record); every program
// keeps one for its own connection to the host.

#include <array>
#include <cstdint>

#include "model/NetRecordBytes.h"

class CVClientSocket;

constexpr int kChannelCount = 12;
// A receive buffer holds at most one partial record plus one receipt of at
// most kNetRecordSize bytes: 1023 bytes.
constexpr int kReceiveBufferSize = 2 * kNetRecordSize;

class CChannelState {
public:
    CChannelState();

    bool HasSocket(int channel) const;
    bool HasAllSockets() const;
    // The channel of a socket of this state, or -1.
    int FindSocket(const CVClientSocket* socket) const;

    // Room for the next receipt on a channel (never less than a record).
    int ReceiveRoom(int channel) const;
    char* ReceiveEnd(int channel);
    void AddReceived(int channel, int count);
    // Takes the first complete record of a channel's buffer, if there is one.
    bool CutRecord(int channel, NetRecordBytes& record);

    // Keeps a queued record until its turn; false (and nothing changed) when
    // the channel's slot still holds an earlier one.
    bool PutInRing(int channel, const NetRecordBytes& record);
    // The next queued record in sending order, if it has arrived: the slot is
    // emptied and the read index advances.
    bool TakeFromRing(NetRecordBytes& record, int& slot);

    void MarkBusy(int channel, int64_t nowMs);
    void MarkFree(int channel);
    // Moves the current channel on to the next one that has a socket.
    void AdvanceChannel();
    // Frees every channel and forgets the rings and partial records (the
    // sockets are the caller's).
    void ResetTraffic();

    std::array<CVClientSocket*, kChannelCount> sockets{};
    std::array<int, kChannelCount> freeFlags{};
    // When each channel went busy with a sent record (real milliseconds, 0
    // while none awaits its acknowledgement), for the acknowledgement
    // time-out. A channel that is still connecting is busy without one.
    std::array<int64_t, kChannelCount> busySince{};
    int currentChannel = 0;
    int ringReadIndex = 0;
    std::array<NetRecordBytes, kChannelCount> ring{};
    std::array<int, kChannelCount> receiveCounts{};
    std::array<std::array<char, kReceiveBufferSize>, kChannelCount> receiveBuffers{};
};

bool IsValidChannel(int channel);
