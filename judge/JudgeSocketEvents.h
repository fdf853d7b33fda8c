#pragma once
// What the judgment network's sockets tell it. There is one connection per
// participant, so no channel travels with a notification.

namespace judge {

class CVClientSocket;

class IJudgeSocketEvents {
public:
    virtual ~IJudgeSocketEvents() = default;
    virtual void OnJudgeAccept() = 0;
    virtual void OnJudgeReceive(CVClientSocket* socket) = 0;
    // Whatever its error: a failed connect is ended by the retry timer.
    virtual void OnJudgeConnect(CVClientSocket* socket, int error) = 0;
    virtual void OnJudgeClose(CVClientSocket* socket) = 0;
    // The socket sent what it had queued, or sending broke (ok false).
    virtual void OnJudgeSend(CVClientSocket* socket, bool ok) = 0;
};

}  // namespace judge
