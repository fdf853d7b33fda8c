#include "platform/ui/detail/ItemList.h"

#include <algorithm>
#include <cctype>

namespace {

bool LessNoCase(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) <
               std::tolower(static_cast<unsigned char>(y));
    });
}

}  // namespace

int CItemList::SortedIndex(const std::string& text) const {
    auto it = std::upper_bound(
        m_items.begin(), m_items.end(), text,
        [](const std::string& t, const SItem& item) { return LessNoCase(t, item.text); });
    return static_cast<int>(it - m_items.begin());
}

int CItemList::Insert(int index, const std::string& text) {
    const int count = Count();
    if (count >= kMaxItems) return -1;
    if (index == -1) index = count;
    if (index < 0 || index > count) return -1;
    m_items.insert(m_items.begin() + index, SItem{text, 0, 0});
    if (m_selected >= index) ++m_selected;
    return index;
}

bool CItemList::Erase(UINT index) {
    if (index >= m_items.size()) return false;
    m_items.erase(m_items.begin() + static_cast<long>(index));
    const int i = static_cast<int>(index);
    if (m_selected == i) {
        m_selected = -1;
    } else if (m_selected > i) {
        --m_selected;
    }
    return true;
}

void CItemList::Clear() {
    m_items.clear();
    m_selected = -1;
}

int CItemList::Find(int startAfter, const std::string& prefix) const {
    const int count = Count();
    for (int k = 1; k <= count; ++k) {
        const int i = ((startAfter < 0 ? -1 : startAfter) + k) % count;
        const std::string& text = At(i).text;
        if (text.size() < prefix.size()) continue;
        const std::string head = text.substr(0, prefix.size());
        if (!LessNoCase(head, prefix) && !LessNoCase(prefix, head)) return i;
    }
    return -1;
}
