#include "judge/VSocket.h"

#include "judge/JudgeSocketEvents.h"

namespace judge {

void CVSocket::OnAccept(int) {
    m_events.OnJudgeAccept();
}

}  // namespace judge
