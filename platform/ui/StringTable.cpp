#include "platform/ui/StringTable.h"

#include <map>

namespace {

std::map<UINT, std::string>& Table() {
    static std::map<UINT, std::string> table;
    return table;
}

}  // namespace

void CStringTable::Register(UINT id, const std::string& text) {
    Table()[id] = text;
}

void CStringTable::Unregister(UINT id) {
    Table().erase(id);
}

std::string CStringTable::Get(UINT id) {
    auto it = Table().find(id);
    return it == Table().end() ? std::string() : it->second;
}

std::string CStringTable::Prompt(UINT id) {
    const std::string text = Get(id);
    return text.substr(0, text.find('\n'));
}

std::string CStringTable::ToolTip(UINT id) {
    const std::string text = Get(id);
    const size_t cut = text.find('\n');
    return cut == std::string::npos ? std::string() : text.substr(cut + 1);
}
