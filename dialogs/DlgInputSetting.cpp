#include "dialogs/DlgInputSetting.h"

#include "platform/ui/MessageBox.h"

void CDlgInputSetting::InitFromDocument(int companies, const std::array<int, 3>& yearChoices) {
    m_companies = companies;
    m_years = kDefaultYears;
    for (int years : yearChoices) {
        if (years > 0) {
            m_years = years;
            break;
        }
    }
}

int CDlgInputSetting::DoModal() {
    const int answer = AfxMessageBox(kQuestion, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2);
    if (answer != IDYES && answer != IDNO) return IDCANCEL;
    m_playCount = answer == IDYES ? 1 : 0;
    return IDOK;
}
