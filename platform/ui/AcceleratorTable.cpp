#include "platform/ui/AcceleratorTable.h"

#include <map>

UINT CAcceleratorTable::Find(UINT vk, bool shift, bool control, bool alt) const {
    for (const ACCEL& a : m_entries) {
        if (a.key != vk) continue;
        if (((a.fVirt & FSHIFT) != 0) != shift) continue;
        if (((a.fVirt & FCONTROL) != 0) != control) continue;
        if (((a.fVirt & FALT) != 0) != alt) continue;
        return a.cmd;
    }
    return 0;
}

namespace {

std::map<UINT, const CAcceleratorTable*>& Tables() {
    static std::map<UINT, const CAcceleratorTable*> tables;
    return tables;
}

}  // namespace

void CAcceleratorTable::Register(UINT id, const CAcceleratorTable* table) {
    if (table) Tables()[id] = table;
}

const CAcceleratorTable* CAcceleratorTable::Find(UINT id) {
    auto it = Tables().find(id);
    return it == Tables().end() ? nullptr : it->second;
}
