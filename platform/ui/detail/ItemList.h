#pragma once
// The items of a list box or of a combo box's list: texts with a value each
// (and, for variable owner-drawn lists, a height), the selection kept in
// step as items come and go, and the case-insensitive order and search
// both controls use.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/ui/WinDefs.h"

class CItemList {
public:
    struct SItem {
        std::string text;
        uintptr_t data = 0;
        int height = 0;  // variable lists; 0 = not measured yet
    };

    // Items past this would only come from a runaway caller.
    static constexpr int kMaxItems = 1 << 20;

    int Count() const { return static_cast<int>(m_items.size()); }
    bool Has(int index) const { return index >= 0 && index < Count(); }
    SItem& At(int index) { return m_items[static_cast<size_t>(index)]; }
    const SItem& At(int index) const { return m_items[static_cast<size_t>(index)]; }

    // -1 when nothing is selected.
    int Selected() const { return m_selected; }
    void Select(int index) { m_selected = index; }

    // Where a sorted list takes a new text: after its equals.
    int SortedIndex(const std::string& text) const;
    // The index of the new item (-1 = at the end), or -1 for a bad index or
    // a full list.
    int Insert(int index, const std::string& text);
    // False for a bad index.
    bool Erase(UINT index);
    void Clear();
    // The first item from after `startAfter`, round the end, whose text
    // begins with the prefix (case-insensitive); -1 when none.
    int Find(int startAfter, const std::string& prefix) const;

private:
    std::vector<SItem> m_items;
    int m_selected = -1;
};
