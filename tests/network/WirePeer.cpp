#include "network/WirePeer.h"

#include <algorithm>

#include "model/NetAckRecord.h"
#include "model/NetRecordBuilder.h"

class CWirePeer::CWireSocket : public CAsyncSocket {
public:
    CWireSocket(CWirePeer& peer, int channel) : m_peer(peer), m_channel(channel) {}
    bool connected = false;
    bool closed = false;

protected:
    void OnConnect(int error) override { connected = error == 0; }
    void OnReceive(int) override {
        char buffer[4096];
        const int count = Receive(buffer, sizeof buffer);
        if (count > 0) m_peer.OnBytes(m_channel, buffer, count);
    }
    void OnClose(int) override { closed = true; }

private:
    CWirePeer& m_peer;
    int m_channel;
};

CWirePeer::CWirePeer() = default;
CWirePeer::~CWirePeer() = default;

bool CWirePeer::Connect(const char* host, int portBase) {
    for (int channel = 0; channel < kChannelCount; ++channel) {
        auto socket = std::make_unique<CWireSocket>(*this, channel);
        if (!socket->Create()) return false;
        if (!socket->Connect(host, static_cast<UINT>(portBase + 1 + channel)) &&
            CAsyncSocket::GetLastError() != WSAEWOULDBLOCK) {
            return false;
        }
        m_sockets[channel] = std::move(socket);
    }
    return true;
}

bool CWirePeer::AllConnected() const {
    return std::all_of(m_sockets.begin(), m_sockets.end(),
                       [](const auto& socket) { return socket && socket->connected; });
}

bool CWirePeer::AnyClosed() const {
    return std::any_of(m_sockets.begin(), m_sockets.end(),
                       [](const auto& socket) { return socket && socket->closed; });
}

std::vector<unsigned> CWirePeer::LocalPorts() const {
    std::vector<unsigned> ports;
    for (const auto& socket : m_sockets) {
        std::string address;
        UINT port = 0;
        if (socket && socket->GetSockName(address, port)) ports.push_back(port);
    }
    return ports;
}

void CWirePeer::SendBytes(int channel, const std::string& bytes) {
    if (!m_sockets[channel]) return;
    size_t sent = 0;
    // Loopback takes these small amounts at once; a refusal ends the try.
    while (sent < bytes.size()) {
        const int count =
            m_sockets[channel]->Send(bytes.data() + sent, static_cast<int>(bytes.size() - sent));
        if (count <= 0) return;
        sent += static_cast<size_t>(count);
    }
}

void CWirePeer::SendRecord(int channel, const NetRecordBytes& record) {
    SendBytes(channel, std::string(record.data(), record.size()));
}

void CWirePeer::SendAck(int channel) {
    SendRecord(channel, MakeAckRecord());
}

void CWirePeer::CloseAll() {
    for (auto& socket : m_sockets) socket.reset();
}

void CWirePeer::OnBytes(int channel, const char* data, int length) {
    bytesReceived[channel] += static_cast<size_t>(length);
    std::string& partial = m_partial[channel];
    partial.append(data, static_cast<size_t>(length));
    while (partial.size() >= static_cast<size_t>(kNetRecordSize)) {
        SReceived received{channel, {}};
        std::copy_n(partial.begin(), kNetRecordSize, received.record.begin());
        partial.erase(0, kNetRecordSize);
        records.push_back(received);
        if (autoAck && received.record[0] == kNetQueuedMark) SendAck(channel);
        if (onRecord) onRecord(received);
    }
}

NetRecordBytes MakeRecord(int recordClass, int group, int code, const std::string& payload,
                          char mark) {
    NetRecordBytes record{};
    CNetRecordBuilder builder(recordClass, group, code);
    builder.Raw(payload);
    builder.Build(record);
    record[0] = mark;
    return record;
}
