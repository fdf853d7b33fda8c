#include "platform/ui/Menu.h"

#include <map>

#include "platform/ui/ControlMessages.h"
#include "platform/ui/Wnd.h"
#include "platform/ui/detail/MenuTracker.h"

namespace {

std::map<UINT, const MENUTEMPLATE*>& Templates() {
    static std::map<UINT, const MENUTEMPLATE*> table;
    return table;
}

void Fill(CMenu& menu, const std::vector<MENUITEMDEF>& items) {
    for (const MENUITEMDEF& def : items) {
        if (def.flags & MF_POPUP) {
            CMenu popup;
            popup.CreatePopupMenu();
            Fill(popup, def.items);
            menu.AppendMenu(def.flags, &popup, def.text ? def.text : "");
        } else {
            menu.AppendMenu(def.flags, def.id, def.text ? def.text : "");
        }
    }
}

}  // namespace

CMenu::CMenu(const CMenu& other) {
    *this = other;
}

CMenu& CMenu::operator=(const CMenu& other) {
    if (this == &other) return *this;
    m_created = other.m_created;
    m_items = other.m_items;
    // A copy owns copies of its pop-ups.
    for (Item& item : m_items) {
        if (item.popup) item.popup = std::make_shared<CMenu>(*item.popup);
    }
    return *this;
}

BOOL CMenu::CreateMenu() {
    m_items.clear();
    m_created = true;
    return TRUE;
}

BOOL CMenu::CreatePopupMenu() {
    return CreateMenu();
}

BOOL CMenu::LoadMenu(UINT id) {
    auto it = Templates().find(id);
    return it == Templates().end() ? FALSE : LoadMenuIndirect(it->second);
}

BOOL CMenu::LoadMenuIndirect(const MENUTEMPLATE* table) {
    if (!table) return FALSE;
    CreateMenu();
    Fill(*this, table->items);
    return TRUE;
}

void CMenu::RegisterTemplate(const MENUTEMPLATE* table) {
    if (table) Templates()[table->id] = table;
}

BOOL CMenu::DestroyMenu() {
    const bool was = m_created;
    m_items.clear();
    m_created = false;
    return was ? TRUE : FALSE;
}

BOOL CMenu::AppendMenu(UINT flags, UINT_PTR id, const std::string& text) {
    return InsertMenu(static_cast<UINT>(-1), flags | MF_BYPOSITION, id, text);
}

BOOL CMenu::AppendMenu(UINT flags, const CMenu* popup, const std::string& text) {
    if (!m_created || !popup) return FALSE;
    Item item;
    item.text = text;
    item.flags = (flags | MF_POPUP) & ~MF_BYPOSITION;
    item.popup = std::make_shared<CMenu>(*popup);
    item.popup->m_created = true;
    m_items.push_back(std::move(item));
    return TRUE;
}

BOOL CMenu::InsertMenu(UINT position, UINT flags, UINT_PTR id, const std::string& text) {
    if (!m_created || (flags & MF_POPUP)) return FALSE;
    Item item;
    item.text = (flags & MF_SEPARATOR) ? std::string() : text;
    item.id = (flags & MF_SEPARATOR) ? 0 : static_cast<UINT>(id);
    item.flags = flags & ~MF_BYPOSITION;
    size_t at = m_items.size();
    if (flags & MF_BYPOSITION) {
        if (position < m_items.size()) at = position;
    } else {
        for (size_t i = 0; i < m_items.size(); ++i) {
            if (!m_items[i].popup && m_items[i].id == position) at = i;
        }
    }
    m_items.insert(m_items.begin() + static_cast<long>(at), std::move(item));
    return TRUE;
}

BOOL CMenu::ModifyMenu(UINT position, UINT flags, UINT_PTR id, const std::string& text) {
    Item* item = Locate(position, flags);
    if (!item || (flags & MF_POPUP)) return FALSE;
    item->text = (flags & MF_SEPARATOR) ? std::string() : text;
    item->id = (flags & MF_SEPARATOR) ? 0 : static_cast<UINT>(id);
    item->flags = flags & ~MF_BYPOSITION;
    item->popup.reset();
    return TRUE;
}

BOOL CMenu::DeleteMenu(UINT position, UINT flags) {
    return RemoveMenu(position, flags);
}

BOOL CMenu::RemoveMenu(UINT position, UINT flags) {
    if (flags & MF_BYPOSITION) {
        if (position >= m_items.size()) return FALSE;
        m_items.erase(m_items.begin() + static_cast<long>(position));
        return TRUE;
    }
    int at = -1;
    CMenu* holder = FindCommand(position, &at);
    if (!holder) return FALSE;
    holder->m_items.erase(holder->m_items.begin() + at);
    return TRUE;
}

int CMenu::GetMenuItemCount() const {
    return m_created ? static_cast<int>(m_items.size()) : -1;
}

UINT CMenu::GetMenuItemID(int position) const {
    if (position < 0 || position >= static_cast<int>(m_items.size())) return static_cast<UINT>(-1);
    const Item& item = m_items[static_cast<size_t>(position)];
    return item.popup ? static_cast<UINT>(-1) : item.id;
}

std::string CMenu::GetMenuString(UINT item, UINT flags) const {
    const Item* found = Locate(item, flags);
    return found ? found->text : std::string();
}

UINT CMenu::GetMenuState(UINT item, UINT flags) const {
    const Item* found = Locate(item, flags);
    return found ? found->flags : 0xFFFFFFFFu;
}

UINT CMenu::EnableMenuItem(UINT item, UINT flags) {
    Item* found = Locate(item, flags);
    if (!found) return 0xFFFFFFFFu;
    const UINT old = found->flags & (MF_GRAYED | MF_DISABLED);
    found->flags =
        (found->flags & ~(MF_GRAYED | MF_DISABLED)) | (flags & (MF_GRAYED | MF_DISABLED));
    return old;
}

DWORD CMenu::CheckMenuItem(UINT item, UINT flags) {
    Item* found = Locate(item, flags);
    if (!found) return 0xFFFFFFFFu;
    const DWORD old = found->flags & MF_CHECKED;
    found->flags = (found->flags & ~MF_CHECKED) | (flags & MF_CHECKED);
    return old;
}

CMenu* CMenu::GetSubMenu(int position) const {
    if (position < 0 || position >= static_cast<int>(m_items.size())) return nullptr;
    return m_items[static_cast<size_t>(position)].popup.get();
}

CMenu* CMenu::FindCommand(UINT id, int* position) {
    for (size_t i = 0; i < m_items.size(); ++i) {
        Item& item = m_items[i];
        if (item.popup) {
            if (CMenu* found = item.popup->FindCommand(id, position)) return found;
        } else if (item.id == id && !(item.flags & MF_SEPARATOR)) {
            if (position) *position = static_cast<int>(i);
            return this;
        }
    }
    return nullptr;
}

CMenu::Item* CMenu::Locate(UINT item, UINT flags) {
    if (flags & MF_BYPOSITION) return item < m_items.size() ? &m_items[item] : nullptr;
    int at = -1;
    CMenu* holder = FindCommand(item, &at);
    return holder ? &holder->m_items[static_cast<size_t>(at)] : nullptr;
}

const CMenu::Item* CMenu::Locate(UINT item, UINT flags) const {
    return const_cast<CMenu*>(this)->Locate(item, flags);
}

BOOL CMenu::TrackPopupMenu(UINT flags, int x, int y, CWnd* owner, const RECT*) {
    if (!m_created || !owner || !owner->IsWindow()) return FALSE;
    owner->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(this), 0);
    const CMenuTracker::Result result = CMenuTracker::Track(this, CPoint(x, y), owner, flags);
    if (flags & TPM_RETURNCMD) return static_cast<BOOL>(result.command);
    if (result.command != 0 && owner->IsWindow()) {
        owner->PostMessage(WM_COMMAND, MAKEWPARAM(static_cast<int>(result.command), 0), 0);
    }
    return TRUE;
}
