#pragma once
// The judgment server's listening socket.

#include "platform/net/AsyncSocket.h"

namespace judge {

class IJudgeSocketEvents;

class CVSocket : public CAsyncSocket {
public:
    explicit CVSocket(IJudgeSocketEvents& events) : m_events(events) {}

protected:
    void OnAccept(int error) override;

private:
    IJudgeSocketEvents& m_events;
};

}  // namespace judge
