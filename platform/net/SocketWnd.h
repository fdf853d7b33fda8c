#pragma once
// The hidden window through which socket notifications reach the message
// loop: the system tells us that a socket is ready at any moment (even in
// the middle of a peek at the queue), so it only posts a message here, and
// the socket's handler runs when the loop dispatches that message.

#include <cstdint>

#include "platform/ui/Wnd.h"

class CSocketWnd : public CWnd {
public:
    // Queues notification `kind` for the socket with this serial number.
    static void Post(uint64_t serial, int kind);

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    static CSocketWnd& Instance();
};
