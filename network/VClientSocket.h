#pragma once
// One channel's connection, its outgoing bytes queued (CQueuedSocket).

#include "platform/net/QueuedSocket.h"

class ISocketEvents;

class CVClientSocket : public CQueuedSocket {
public:
    CVClientSocket(int channel, ISocketEvents& events);
    int GetChannel() const { return m_channel; }

protected:
    void OnReceive(int error) override;
    void OnSend(int error) override;
    void OnConnect(int error) override;
    void OnClose(int error) override;

private:
    int m_channel;
    ISocketEvents& m_events;
};
