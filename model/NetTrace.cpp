#include "model/NetTrace.h"

#include <cstdlib>
#include <string_view>

CNetTrace::CNetTrace() {
    const char* path = std::getenv("MERCAVO_NET_TRACE");
    if (path && *path) m_file = std::fopen(path, "a");
}

CNetTrace::~CNetTrace() {
    if (m_file) std::fclose(m_file);
}

void CNetTrace::Write(const char* direction, int player, int channel,
                      const NetRecordBytes& record) {
    if (!m_file) return;
    const char kind = record[0] == kNetQueuedMark      ? 'Q'
                      : record[0] == kNetImmediateMark ? 'I'
                                                       : '?';
    std::string digits;
    for (int i = 8; i < kNetPayloadStart; ++i) {
        const char c = record[i];
        digits += (c >= '0' && c <= '9') ? c : '?';
    }
    std::fprintf(m_file, "%s %d %d %c %s %s %s\n", direction, player, channel, kind,
                 digits.substr(0, 3).c_str(), digits.substr(3, 2).c_str(),
                 digits.substr(5, 3).c_str());
    std::fflush(m_file);
}
