#pragma once
// One judgment link (the client's to the server, or the server's end of a
// participant's), its outgoing bytes queued so that a partial send is
// resumed and never repeated.

#include "platform/net/QueuedSocket.h"

namespace judge {

class IJudgeSocketEvents;

class CVClientSocket : public CQueuedSocket {
public:
    explicit CVClientSocket(IJudgeSocketEvents& events) : m_events(events) {}

protected:
    void OnReceive(int error) override;
    void OnSend(int error) override;
    void OnConnect(int error) override;
    void OnClose(int error) override;

private:
    IJudgeSocketEvents& m_events;
};

}  // namespace judge
