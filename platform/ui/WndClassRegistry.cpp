#include "platform/ui/WndClassRegistry.h"

#include <map>

#include "platform/ui/Cursor.h"
#include "platform/ui/Styles.h"

namespace {

std::map<std::string, CWndClassInfo>& Classes() {
    static std::map<std::string, CWndClassInfo> classes;
    return classes;
}

}  // namespace

bool CWndClassRegistry::Register(const CWndClassInfo& info) {
    if (info.name.empty() || Classes().count(info.name)) return false;
    Classes()[info.name] = info;
    return true;
}

bool CWndClassRegistry::IsRegistered(const std::string& name) {
    return Classes().count(name) > 0;
}

const CWndClassInfo* CWndClassRegistry::Find(const char* name) {
    if (!name || !*name) {
        static const CWndClassInfo plain{"", CS_DBLCLKS, CCursor::LoadStandard(IDC_ARROW), 0};
        return &plain;
    }
    auto it = Classes().find(name);
    return it == Classes().end() ? nullptr : &it->second;
}

void CWndClassRegistry::Unregister(const std::string& name) {
    Classes().erase(name);
}
