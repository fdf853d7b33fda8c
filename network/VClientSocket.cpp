#include "network/VClientSocket.h"

#include "network/SocketEvents.h"

CVClientSocket::CVClientSocket(int channel, ISocketEvents& events)
    : m_channel(channel), m_events(events) {}

bool CVClientSocket::QueueBytes(const char* data, int length) {
    if (length <= 0) return true;
    m_pending.append(data, static_cast<size_t>(length));
    return Flush();
}

int CVClientSocket::Transmit(const char* data, int length) {
    return Send(data, length);
}

bool CVClientSocket::Flush() {
    while (m_sentOffset < m_pending.size()) {
        const int left = static_cast<int>(m_pending.size() - m_sentOffset);
        const int sent = Transmit(m_pending.data() + m_sentOffset, left);
        if (sent == SOCKET_ERROR) {
            // Would-block: the rest goes on the next OnSend.
            if (GetLastError() == WSAEWOULDBLOCK || GetLastError() == WSAENOTCONN) return true;
            return false;
        }
        if (sent <= 0) return true;
        m_sentOffset += static_cast<size_t>(sent);
    }
    m_pending.clear();
    m_sentOffset = 0;
    return true;
}

void CVClientSocket::OnReceive(int) {
    m_events.OnRecordReceive(this, m_channel);
}

void CVClientSocket::OnSend(int) {
    if (!Flush()) {
        m_events.OnSendFailed(this, m_channel);
        return;
    }
    m_events.OnSocketSend(this);
}

void CVClientSocket::OnConnect(int error) {
    // A failed connect is left to the connection time-out.
    if (error == 0) m_events.OnChannelConnect(this, m_channel);
}

void CVClientSocket::OnClose(int) {
    m_events.OnPeerClose(this, m_channel);
}
