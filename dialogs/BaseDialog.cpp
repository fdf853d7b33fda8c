#include "dialogs/BaseDialog.h"

#include "dialogs/DialogHost.h"
#include "game/VDoc.h"
#include "platform/ui/AutoAnswer.h"
#include "platform/ui/Rect.h"
#include "platform/ui/Styles.h"

CBaseDialog::CBaseDialog(UINT templateId, CWnd* parent) : CDialog(templateId, parent) {}

CBaseDialog::~CBaseDialog() {
    // The window goes while this is still a CBaseDialog, so that the frame
    // never keeps a dialog that is gone.
    if (IsWindow()) DestroyWindow();
    UnregisterOpen();
}

void CBaseDialog::SetAutoClose(int ms) {
    m_autoClose = 1;
    m_timeoutMs = ms;
}

CVDoc* CBaseDialog::GetDocument() const {
    if (m_doc) return m_doc;
    IDialogHost* host = IDialogHost::Get();
    return host ? host->GetActiveDocument() : nullptr;
}

bool CBaseDialog::TimesOut() const {
    // Nobody would answer in an unattended run.
    if (m_autoClose || CAutoAnswer::IsAutoAnswer()) return true;
    // Without a game a person is at the screen (nothing is decided for
    // them); in a game of computer companies only, nobody is.
    CVDoc* doc = GetDocument();
    return doc && doc->GetPlayState() == 0;
}

BOOL CBaseDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    IDialogHost* host = IDialogHost::Get();
    if (host && m_restorePosition) MoveToSharedPosition(*host);
    m_armedMs = -1;
    if (TimesOut()) {
        m_armedMs = m_timeoutMs > 0 ? m_timeoutMs : 0;
        SetTimer(kTimeoutTimer, static_cast<UINT>(m_armedMs));
    } else if (m_openSound && host) {
        host->PlayEffect(kOpenEffect);
    }
    if (host) RegisterOpen(*host);
    return TRUE;
}

void CBaseDialog::MoveToSharedPosition(IDialogHost& host) {
    // Only x tells whether a position was stored: a dialog left with its
    // left edge off the screen makes the next one open where it would.
    const CPoint pos = host.GetDialogPos();
    if (pos.x < 0) return;
    SetWindowPos(nullptr, pos.x, pos.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

void CBaseDialog::RegisterOpen(IDialogHost& host) {
    if (m_registered) return;
    m_covered = host.GetOpenDialog();
    host.SetOpenDialog(this);
    m_registered = true;
}

void CBaseDialog::UnregisterOpen() {
    if (!m_registered) return;
    m_registered = false;
    IDialogHost* host = IDialogHost::Get();
    if (!host) return;
    CBaseDialog* top = host->GetOpenDialog();
    if (top == this) {
        host->SetOpenDialog(m_covered);
        return;
    }
    // Ended out of turn (a dialog over it is still open): the one above
    // now covers this one's covered dialog.
    for (CBaseDialog* d = top; d; d = d->m_covered) {
        if (d->m_covered == this) {
            d->m_covered = m_covered;
            return;
        }
    }
}

void CBaseDialog::OnTimer(UINT_PTR id) {
    if (id == kTimeoutTimer) {
        KillTimer(kTimeoutTimer);
        m_timeoutPosted = true;
        PostMessage(WM_COMMAND, IDOK, 0);
    }
    CDialog::OnTimer(id);
}

BOOL CBaseDialog::OnCommand(WPARAM wParam, LPARAM lParam) {
    const bool timedOut = m_timeoutPosted && wParam == IDOK && lParam == 0;
    if (timedOut) m_timeoutPosted = false;
    const BOOL handled = CDialog::OnCommand(wParam, lParam);
    // An OnOK that refused the values at the time-out would leave the
    // dialog open with no timer: nobody is there to mend them, so it ends
    // as a cancel.
    if (timedOut && IsWindow() && !IsEnding()) EndDialog(IDCANCEL);
    return handled;
}

void CBaseDialog::OnClose() {
    // A cancel that the dialog refuses (a report during the orders) keeps
    // its time-out running.
    CDialog::OnClose();
    if (IsWindow() && IsEnding()) KillTimer(kTimeoutTimer);
}

BOOL CBaseDialog::EndForced() {
    IDialogHost* host = IDialogHost::Get();
    CBaseDialog* top = host ? host->GetOpenDialog() : nullptr;
    if (!top || !top->IsWindow()) return FALSE;
    top->KillTimer(kTimeoutTimer);
    top->m_timeoutPosted = false;
    // An end already under way (the person's OK while a wait pumped the
    // turn limit through) keeps its answer.
    if (!top->IsEnding()) top->EndDialog(top->ForcedResult());
    return TRUE;
}

void CBaseDialog::AfterClose() {
    IDialogHost* host = IDialogHost::Get();
    if (host && m_reshowNetworkWindow && host->IsNetworkGame()) host->ShowNetworkWindow(0, 1, 0);
}

void CBaseDialog::OnDestroy() {
    IDialogHost* host = IDialogHost::Get();
    if (host && m_restorePosition) {
        CRect rect;
        GetWindowRect(&rect);
        host->SetDialogPos(rect.TopLeft());
    }
    AfterClose();
    UnregisterOpen();
    CDialog::OnDestroy();
}
