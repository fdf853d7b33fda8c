#include "network/VClientSocket.h"

#include "network/SocketEvents.h"

CVClientSocket::CVClientSocket(int channel, ISocketEvents& events)
    : m_channel(channel), m_events(events) {}

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
