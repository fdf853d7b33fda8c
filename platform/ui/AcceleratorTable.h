#pragma once
// Keyboard shortcuts of the frame: a key with its modifiers gives a
// command. The frame translates key presses that reach it (not those of
// dialogs and message boxes) and runs the command only when its update
// rule and its menu item allow it.

#include <vector>

#include "platform/ui/WinDefs.h"

constexpr BYTE FVIRTKEY = 0x01;
constexpr BYTE FSHIFT = 0x04;
constexpr BYTE FCONTROL = 0x08;
constexpr BYTE FALT = 0x10;

struct ACCEL {
    BYTE fVirt = FVIRTKEY;
    WORD key = 0;  // a virtual key (VK_..., 'A'..'Z', '0'..'9')
    WORD cmd = 0;
};

class CAcceleratorTable {
public:
    CAcceleratorTable() = default;
    explicit CAcceleratorTable(std::vector<ACCEL> entries) : m_entries(std::move(entries)) {}
    // The command for a key press with the given modifiers, 0 when none.
    UINT Find(UINT vk, bool shift, bool control, bool alt) const;
    const std::vector<ACCEL>& Entries() const { return m_entries; }

    // The program's tables by id (a frame loads the one of its own id).
    static void Register(UINT id, const CAcceleratorTable* table);
    static const CAcceleratorTable* Find(UINT id);

private:
    std::vector<ACCEL> m_entries;
};
