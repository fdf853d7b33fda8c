#include "model/EnterpriseName.h"

#include <algorithm>
#include <climits>

#include "model/MercavoError.h"
#include "platform/core/Archive.h"

void CEnterpriseName::SetText(std::string text) {
    if (text.size() > static_cast<size_t>(kMaxTextLength)) text.resize(kMaxTextLength);
    m_text = std::move(text);
}

void CEnterpriseName::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar.WriteCompanyText(m_text.value_or(std::string()));
        ar.WriteInt(m_user);
        return;
    }
    int length = CheckRange(ar.ReadInt(), 0, kMaxTextLength);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    ar.Read(text.data(), text.size());
    // The stored characters are a zero-terminated text: a zero inside ends
    // it, and the byte after the L characters ends it whatever it holds.
    text.resize(std::min(text.find('\0'), static_cast<size_t>(length)));
    m_text = std::move(text);
    m_user = CheckRange(ar.ReadInt(), static_cast<int>(kFree), INT_MAX);
}
