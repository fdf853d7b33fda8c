#pragma once
// A connection whose outgoing bytes go through a queue: what the system does
// not take at once is kept, in order, and sent when the socket can send
// again, so that no byte is sent twice and nothing waits inside a send.

#include <string>

#include "platform/net/AsyncSocket.h"

class CQueuedSocket : public CAsyncSocket {
public:
    // Queues bytes behind those still waiting and sends what the system
    // takes now. False when the connection broke.
    bool QueueBytes(const char* data, int length);
    size_t PendingBytes() const { return m_pending.size() - m_sentOffset; }

protected:
    // Hands bytes to the system: their number, or SOCKET_ERROR.
    virtual int Transmit(const char* data, int length);
    // Sends from the queue until it is empty or the system takes no more.
    // False when the connection broke.
    bool Flush();

private:
    std::string m_pending;
    size_t m_sentOffset = 0;
};
