#pragma once
// A listening socket of the host: one per channel, on port base + 1 + index.

#include "platform/net/AsyncSocket.h"

class ISocketEvents;

class CVSocket : public CAsyncSocket {
public:
    CVSocket(int listeningIndex, ISocketEvents& events);
    int GetIndex() const { return m_index; }

protected:
    void OnAccept(int error) override;

private:
    int m_index;
    ISocketEvents& m_events;
};
