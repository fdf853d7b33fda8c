#include "judge/VClientSocket.h"

#include "judge/JudgeSocketEvents.h"

namespace judge {

void CVClientSocket::OnReceive(int) {
    m_events.OnJudgeReceive(this);
}

void CVClientSocket::OnSend(int) {
    m_events.OnJudgeSend(this, Flush());
}

void CVClientSocket::OnConnect(int error) {
    m_events.OnJudgeConnect(this, error);
}

void CVClientSocket::OnClose(int) {
    m_events.OnJudgeClose(this);
}

}  // namespace judge
