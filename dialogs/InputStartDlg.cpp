#include "dialogs/InputStartDlg.h"

#include "platform/ui/MessageBox.h"

int CInputStartDlg::DoModal() {
    for (;;) {
        const int answer = AfxMessageBox(kQuestion, MB_YESNO | MB_ICONQUESTION);
        if (answer == IDYES) {
            m_choice = 1;
            break;
        }
        // A box that could not be shown answers neither: nothing to ask
        // again.
        if (answer != IDNO) return IDCANCEL;
        if (m_load && m_load()) {
            m_choice = 0;
            break;
        }
    }
    m_accepted = 1;
    return IDOK;
}
