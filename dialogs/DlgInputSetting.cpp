#include "dialogs/DlgInputSetting.h"

#include <cstdlib>

#include "platform/ui/MessageBox.h"

namespace {

// Tests shorten an unattended game; a value outside 1..100 is ignored.
int TestYears() {
    const char* env = std::getenv("MERCAVO_SETUP_YEARS");
    if (!env) return 0;
    const int years = std::atoi(env);
    return years >= 1 && years <= 100 ? years : 0;
}

}  // namespace

void CDlgInputSetting::InitFromDocument(int companies, const std::array<int, 3>& yearChoices) {
    m_companies = companies;
    m_years = kDefaultYears;
    for (int years : yearChoices) {
        if (years > 0) {
            m_years = years;
            break;
        }
    }
    if (const int years = TestYears()) m_years = years;
}

int CDlgInputSetting::DoModal() {
    const int answer = AfxMessageBox(kQuestion, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2);
    if (answer != IDYES && answer != IDNO) return IDCANCEL;
    m_playCount = answer == IDYES ? 1 : 0;
    return IDOK;
}
