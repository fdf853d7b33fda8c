#include "network/VSocket.h"

#include "network/SocketEvents.h"

CVSocket::CVSocket(int listeningIndex, ISocketEvents& events)
    : m_index(listeningIndex), m_events(events) {}

void CVSocket::OnAccept(int) {
    m_events.OnPeerAccept(m_index);
}
