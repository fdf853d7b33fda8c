#include "dialogs/StandInDialog.h"

#include "platform/ui/AutoAnswer.h"
#include "platform/ui/Styles.h"

namespace {

CStandInDialog::ModalHook& Hook() {
    static CStandInDialog::ModalHook hook;
    return hook;
}

}  // namespace

void CStandInDialog::SetModalHook(ModalHook hook) {
    Hook() = std::move(hook);
}

int CStandInDialog::DoModal() {
    if (Hook()) return Hook()(*this);
    // Without a window there is nothing to answer with but Cancel.
    if (CAutoAnswer::IsAutoAnswer()) CAutoAnswer::Log(m_caption, "(no window yet)", "Cancel");
    return IDCANCEL;
}
