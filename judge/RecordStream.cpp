#include "judge/RecordStream.h"

#include <algorithm>

namespace judge {

void CRecordStream::Append(const char* data, int length) {
    if (data && length > 0) m_bytes.append(data, static_cast<size_t>(length));
}

bool CRecordStream::Cut(NetRecordBytes& record) {
    if (m_bytes.size() < record.size()) return false;
    std::copy_n(m_bytes.begin(), record.size(), record.begin());
    m_bytes.erase(0, record.size());
    return true;
}

}  // namespace judge
