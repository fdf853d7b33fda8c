#include "platform/ui/DataExchange.h"

#include <vector>

#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/ControlStyles.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/detail/ControlSupport.h"

void CDataExchange::Fail(int id, const std::string& message) {
    if (CWnd* control = m_pDlgWnd->GetDlgItem(id)) m_pDlgWnd->GotoDlgCtrl(control);
    if (!message.empty()) AfxMessageBox(message, MB_OK | MB_ICONEXCLAMATION);
    throw Failure{};
}

void DDX_Text(CDataExchange* dx, int id, std::string& value) {
    if (dx->m_bSaveAndValidate) {
        value = dx->m_pDlgWnd->GetDlgItemText(id);
    } else {
        dx->m_pDlgWnd->SetDlgItemText(id, value);
    }
}

void DDX_Text(CDataExchange* dx, int id, int& value) {
    if (!dx->m_bSaveAndValidate) {
        dx->m_pDlgWnd->SetDlgItemInt(id, value);
        return;
    }
    BOOL ok = FALSE;
    const int read = dx->m_pDlgWnd->GetDlgItemInt(id, &ok, TRUE);
    if (!ok) dx->Fail(id, "Please enter an integer.");
    value = read;
}

void DDX_Check(CDataExchange* dx, int id, int& value) {
    if (dx->m_bSaveAndValidate) {
        value = static_cast<int>(dx->m_pDlgWnd->IsDlgButtonChecked(id));
    } else {
        dx->m_pDlgWnd->CheckDlgButton(id, static_cast<UINT>(value));
    }
}

void DDX_Radio(CDataExchange* dx, int id, int& value) {
    CWnd* first = dx->m_pDlgWnd->GetDlgItem(id);
    if (!first) return;
    std::vector<CWnd*> radios;
    for (CWnd* w : CControlSupport::Group(first)) {
        const DWORD kind = w->GetStyle() & BS_TYPEMASK;
        if (dynamic_cast<CButton*>(w) && (kind == BS_RADIOBUTTON || kind == BS_AUTORADIOBUTTON)) {
            radios.push_back(w);
        }
    }
    if (dx->m_bSaveAndValidate) {
        value = -1;
        for (size_t i = 0; i < radios.size(); ++i) {
            if (radios[i]->SendMessage(BM_GETCHECK)) value = static_cast<int>(i);
        }
        return;
    }
    for (size_t i = 0; i < radios.size(); ++i) {
        radios[i]->SendMessage(BM_SETCHECK, static_cast<int>(i) == value ? BST_CHECKED : 0);
    }
}

void DDX_LBIndex(CDataExchange* dx, int id, int& index) {
    auto* list = dynamic_cast<CListBox*>(dx->m_pDlgWnd->GetDlgItem(id));
    if (!list) return;
    if (dx->m_bSaveAndValidate) {
        index = list->GetCurSel();
    } else {
        list->SetCurSel(index);
    }
}

void DDX_CBIndex(CDataExchange* dx, int id, int& index) {
    auto* combo = dynamic_cast<CComboBox*>(dx->m_pDlgWnd->GetDlgItem(id));
    if (!combo) return;
    if (dx->m_bSaveAndValidate) {
        index = combo->GetCurSel();
    } else {
        combo->SetCurSel(index);
    }
}
