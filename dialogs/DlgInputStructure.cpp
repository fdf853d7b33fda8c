#include "dialogs/DlgInputStructure.h"

int CDlgInputStructure::AddStructure(int structureType, int buildable) {
    m_entries.push_back({structureType, buildable ? 1 : 0});
    return 1;
}

CDlgInputStructure::SEntry CDlgInputStructure::GetEntry(int i) const {
    if (i < 0 || i >= GetEntryCount()) return {};
    return m_entries[static_cast<size_t>(i)];
}

int CDlgInputStructure::GetCurrentEntry() const {
    if (m_current >= 0 && m_current < GetEntryCount()) return m_current;
    for (int i = 0; i < GetEntryCount(); ++i) {
        if (m_entries[static_cast<size_t>(i)].buildable) return i;
    }
    return m_entries.empty() ? -1 : 0;
}

void CDlgInputStructure::SelectEntry(int i) {
    if (i >= 0 && i < GetEntryCount()) m_current = i;
}

int CDlgInputStructure::GetSelectedStructure() const {
    return GetEntry(GetCurrentEntry()).structureType;
}
