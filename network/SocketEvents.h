#pragma once
// What the session's sockets tell it. Each notification carries the socket's
// channel (or listening) index.

class CVClientSocket;

class ISocketEvents {
public:
    virtual ~ISocketEvents() = default;
    virtual void OnPeerAccept(int listeningIndex) = 0;
    virtual void OnRecordReceive(CVClientSocket* socket, int channel) = 0;
    virtual void OnChannelConnect(CVClientSocket* socket, int channel) = 0;
    virtual void OnPeerClose(CVClientSocket* socket, int channel) = 0;
    // The socket can send again (after its queue was flushed).
    virtual void OnSocketSend(CVClientSocket* socket) = 0;
    // Sending broke the connection.
    virtual void OnSendFailed(CVClientSocket* socket, int channel) = 0;
};
