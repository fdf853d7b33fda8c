#include "platform/ui/RecentFileList.h"

#include <algorithm>

#include "platform/core/Profile.h"
#include "platform/ui/Menu.h"

CRecentFileList::CRecentFileList(CProfile* profile, std::string section, std::string entryFormat,
                                 int size, UINT firstCommand)
    : m_profile(profile),
      m_section(std::move(section)),
      m_format(std::move(entryFormat)),
      m_size(std::clamp(size, 1, 16)),
      m_first(firstCommand) {}

std::string CRecentFileList::Key(int index) const {
    std::string key = m_format;
    const size_t at = key.find("%d");
    const std::string number = std::to_string(index + 1);
    if (at == std::string::npos) return key + number;
    return key.replace(at, 2, number);
}

void CRecentFileList::Add(const std::string& path) {
    if (path.empty()) return;
    m_paths.erase(std::remove(m_paths.begin(), m_paths.end(), path), m_paths.end());
    m_paths.insert(m_paths.begin(), path);
    if (static_cast<int>(m_paths.size()) > m_size) m_paths.resize(static_cast<size_t>(m_size));
}

void CRecentFileList::Remove(int index) {
    if (index >= 0 && index < GetCount()) m_paths.erase(m_paths.begin() + index);
}

std::string CRecentFileList::operator[](int index) const {
    return index >= 0 && index < GetCount() ? m_paths[static_cast<size_t>(index)] : std::string();
}

void CRecentFileList::ReadList() {
    m_paths.clear();
    if (!m_profile) return;
    for (int i = 0; i < m_size; ++i) {
        const std::string path = m_profile->GetProfileString(m_section, Key(i), "");
        if (!path.empty() && std::find(m_paths.begin(), m_paths.end(), path) == m_paths.end()) {
            m_paths.push_back(path);
        }
    }
}

void CRecentFileList::WriteList() const {
    if (!m_profile) return;
    for (int i = 0; i < m_size; ++i) m_profile->WriteProfileString(m_section, Key(i), (*this)[i]);
}

void CRecentFileList::UpdateMenu(CMenu* popup) const {
    if (!popup) return;
    int at = -1;
    for (int i = 0; i < popup->GetMenuItemCount(); ++i) {
        const UINT id = popup->GetMenuItemID(i);
        if (id >= m_first && id < m_first + static_cast<UINT>(m_size)) {
            if (at < 0) at = i;
            popup->RemoveMenu(static_cast<UINT>(i), MF_BYPOSITION);
            --i;
        }
    }
    if (at < 0) return;
    if (m_paths.empty()) {
        popup->InsertMenu(static_cast<UINT>(at), MF_BYPOSITION | MF_GRAYED, m_first, "Recent File");
        return;
    }
    for (int i = 0; i < GetCount(); ++i) {
        const std::string& path = m_paths[static_cast<size_t>(i)];
        const size_t slash = path.find_last_of('/');
        std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
        std::string shown;
        for (char c : name) {
            shown += c;
            if (c == '&') shown += '&';
        }
        popup->InsertMenu(static_cast<UINT>(at + i), MF_BYPOSITION, m_first + static_cast<UINT>(i),
                          "&" + std::to_string(i + 1) + " " + shown);
    }
}
