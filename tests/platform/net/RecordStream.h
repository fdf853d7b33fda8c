#pragma once
// Numbered 512-byte records sent as fast as a socket takes them and checked
// on arrival: each record carries its number and a pattern made from it, so
// a lost, doubled, reordered or damaged record shows.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "platform/net/AsyncSocket.h"

constexpr int kRecordSize = 512;

inline void FillRecord(uint32_t number, uint8_t* record) {
    std::memcpy(record, &number, sizeof number);
    for (int i = sizeof number; i < kRecordSize; ++i) {
        record[i] = static_cast<uint8_t>(number * 31 + i);
    }
}

// Sends records 0..total-1, whatever the socket takes each time.
class CRecordSender {
public:
    explicit CRecordSender(uint32_t total) : m_total(total) {}

    // Sends until done or the socket would block; call again on OnSend.
    void Pump(CAsyncSocket& socket) {
        for (;;) {
            if (m_offset == m_staged.size() && !Stage()) return;
            const int wanted = static_cast<int>(m_staged.size() - m_offset);
            const int sent = socket.Send(m_staged.data() + m_offset, wanted);
            if (sent == SOCKET_ERROR) {
                EXPECT_EQ(CAsyncSocket::GetLastError(), WSAEWOULDBLOCK);
                ++m_blocked;
                return;
            }
            m_offset += static_cast<size_t>(sent);
            if (sent < wanted) {
                ++m_partial;
                return;
            }
        }
    }
    bool Done() const { return m_next == m_total && m_offset == m_staged.size(); }
    int Blocked() const { return m_blocked; }
    int Partial() const { return m_partial; }

private:
    bool Stage() {
        if (m_next == m_total) return false;
        const uint32_t count = std::min<uint32_t>(64, m_total - m_next);
        m_staged.resize(static_cast<size_t>(count) * kRecordSize);
        for (uint32_t i = 0; i < count; ++i) FillRecord(m_next++, &m_staged[i * kRecordSize]);
        m_offset = 0;
        return true;
    }

    uint32_t m_total;
    uint32_t m_next = 0;
    std::vector<uint8_t> m_staged;
    size_t m_offset = 0;
    int m_blocked = 0;
    int m_partial = 0;
};

// Receives and checks records, `chunk` bytes per Receive call.
class CRecordReceiver {
public:
    explicit CRecordReceiver(int chunk) : m_buffer(chunk) {}

    // One Receive, as a handler of OnReceive does it.
    void ReceiveOnce(CAsyncSocket& socket) {
        const int received = socket.Receive(m_buffer.data(), static_cast<int>(m_buffer.size()));
        if (received <= 0) return;
        m_pending.insert(m_pending.end(), m_buffer.begin(), m_buffer.begin() + received);
        size_t used = 0;
        for (; m_pending.size() - used >= kRecordSize; used += kRecordSize) Check(&m_pending[used]);
        m_pending.erase(m_pending.begin(), m_pending.begin() + static_cast<long>(used));
    }
    uint32_t Records() const { return m_records; }
    bool Intact() const { return m_intact; }

private:
    void Check(const uint8_t* record) {
        uint8_t expected[kRecordSize];
        FillRecord(m_records, expected);
        if (m_intact && std::memcmp(record, expected, kRecordSize) != 0) {
            ADD_FAILURE() << "record " << m_records << " is not the one sent";
            m_intact = false;
        }
        ++m_records;
    }

    std::vector<uint8_t> m_buffer;
    std::vector<uint8_t> m_pending;
    uint32_t m_records = 0;
    bool m_intact = true;
};
