#pragma once
// Menus: the frame's menu bar and pop-up (context) menus, built from our
// menu tables or item by item. Items are addressed by command id
// (MF_BYCOMMAND, searching pop-ups too) or by position (MF_BYPOSITION).
//
// TrackPopupMenu shows a pop-up at a screen point and runs a nested loop
// until the user chooses or cancels (a click elsewhere, Escape). The owner
// gets WM_INITMENUPOPUP first (where the frame applies its update rules),
// WM_MENUSELECT as the pointer moves over items, and the chosen command as
// WM_COMMAND (or it is returned with TPM_RETURNCMD). Greyed items cannot
// be chosen.

#include <memory>
#include <string>
#include <vector>

#include "platform/ui/Rect.h"
#include "platform/ui/WinDefs.h"

class CWnd;

constexpr UINT MF_BYCOMMAND = 0x0000;
constexpr UINT MF_BYPOSITION = 0x0400;
constexpr UINT MF_STRING = 0x0000;
constexpr UINT MF_ENABLED = 0x0000;
constexpr UINT MF_GRAYED = 0x0001;
constexpr UINT MF_DISABLED = 0x0002;
constexpr UINT MF_UNCHECKED = 0x0000;
constexpr UINT MF_CHECKED = 0x0008;
constexpr UINT MF_POPUP = 0x0010;
constexpr UINT MF_SEPARATOR = 0x0800;

constexpr UINT TPM_LEFTBUTTON = 0x0000;
constexpr UINT TPM_RIGHTBUTTON = 0x0002;
constexpr UINT TPM_LEFTALIGN = 0x0000;
constexpr UINT TPM_CENTERALIGN = 0x0004;
constexpr UINT TPM_RIGHTALIGN = 0x0008;
constexpr UINT TPM_NONOTIFY = 0x0080;
constexpr UINT TPM_RETURNCMD = 0x0100;

// One line of a menu table; pop-ups list their items.
struct MENUITEMDEF {
    const char* text = nullptr;  // nullptr with MF_SEPARATOR
    UINT id = 0;
    UINT flags = 0;  // MF_POPUP, MF_SEPARATOR, MF_GRAYED, MF_CHECKED
    std::vector<MENUITEMDEF> items;
};

struct MENUTEMPLATE {
    UINT id = 0;
    std::vector<MENUITEMDEF> items;
};

class CMenu {
public:
    struct Item {
        std::string text;  // with its '&' marks and a tab before the key
        UINT id = 0;
        UINT flags = 0;
        std::shared_ptr<CMenu> popup;
    };

    CMenu() = default;
    CMenu(const CMenu& other);
    CMenu& operator=(const CMenu& other);

    BOOL CreateMenu();
    BOOL CreatePopupMenu();
    BOOL LoadMenu(UINT id);
    BOOL LoadMenuIndirect(const MENUTEMPLATE* table);
    BOOL DestroyMenu();
    // The handle test of the framework's menus: non-null once created.
    const void* GetSafeHmenu() const { return m_created ? this : nullptr; }

    BOOL AppendMenu(UINT flags, UINT_PTR id = 0, const std::string& text = "");
    // A pop-up item: the pop-up's items are copied.
    BOOL AppendMenu(UINT flags, const CMenu* popup, const std::string& text);
    BOOL InsertMenu(UINT position, UINT flags, UINT_PTR id = 0, const std::string& text = "");
    BOOL ModifyMenu(UINT position, UINT flags, UINT_PTR id = 0, const std::string& text = "");
    BOOL DeleteMenu(UINT position, UINT flags);
    BOOL RemoveMenu(UINT position, UINT flags);

    int GetMenuItemCount() const;
    // The command id at a position; -1 for a pop-up, 0 for a separator.
    UINT GetMenuItemID(int position) const;
    std::string GetMenuString(UINT item, UINT flags) const;
    // The item's flags (MF_GRAYED, MF_CHECKED, ...); 0xFFFFFFFF when absent.
    UINT GetMenuState(UINT item, UINT flags) const;
    // Both return the previous state of the item, 0xFFFFFFFF when absent.
    UINT EnableMenuItem(UINT item, UINT flags);
    DWORD CheckMenuItem(UINT item, UINT flags);
    CMenu* GetSubMenu(int position) const;
    const std::vector<Item>& Items() const { return m_items; }
    // The pop-up (this menu or one below it) that holds a command, and its
    // position there; nullptr when absent.
    CMenu* FindCommand(UINT id, int* position = nullptr);

    BOOL TrackPopupMenu(UINT flags, int x, int y, CWnd* owner, const RECT* = nullptr);

    // The program's menu tables by id, for LoadMenu.
    static void RegisterTemplate(const MENUTEMPLATE* table);

private:
    Item* Locate(UINT item, UINT flags);
    const Item* Locate(UINT item, UINT flags) const;
    bool m_created = false;
    std::vector<Item> m_items;
};
