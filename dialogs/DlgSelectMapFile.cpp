#include "dialogs/DlgSelectMapFile.h"

#include <algorithm>

#include "platform/ui/Styles.h"

int CDlgSelectMapFile::DoModal() {
    if (m_names.empty()) return IDCANCEL;
    m_chosen = static_cast<int>(std::min_element(m_names.begin(), m_names.end()) - m_names.begin());
    return IDOK;
}
