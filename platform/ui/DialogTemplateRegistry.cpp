#include "platform/ui/DialogTemplateRegistry.h"

#include <map>

namespace {

std::map<int, const DIALOGTEMPLATE*>& Table() {
    static std::map<int, const DIALOGTEMPLATE*> table;
    return table;
}

}  // namespace

void CDialogTemplateRegistry::Register(const DIALOGTEMPLATE* dialog) {
    if (dialog) Table()[dialog->id] = dialog;
}

const DIALOGTEMPLATE* CDialogTemplateRegistry::Find(int id) {
    auto it = Table().find(id);
    return it == Table().end() ? nullptr : it->second;
}

void CDialogTemplateRegistry::Unregister(int id) {
    Table().erase(id);
}
