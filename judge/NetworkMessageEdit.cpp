#include "judge/NetworkMessageEdit.h"

#include "judge/NetworkWnd.h"
#include "platform/ui/Messages.h"

namespace judge {

void CNetworkMessageEdit::OnKeyDown(UINT key, UINT repeat, UINT flags) {
    if (key == VK_RETURN) {
        if (CWnd* parent = GetParent())
            parent->SendMessage(WM_COMMAND, CNetworkWnd::kSendId, 0);
        return;
    }
    CEdit::OnKeyDown(key, repeat, flags);
}

}  // namespace judge
