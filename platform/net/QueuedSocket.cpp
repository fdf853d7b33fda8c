#include "platform/net/QueuedSocket.h"

bool CQueuedSocket::QueueBytes(const char* data, int length) {
    if (length <= 0) return true;
    m_pending.append(data, static_cast<size_t>(length));
    return Flush();
}

int CQueuedSocket::Transmit(const char* data, int length) {
    return Send(data, length);
}

bool CQueuedSocket::Flush() {
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
