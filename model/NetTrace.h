#pragma once
// MERCAVO_NET_TRACE=FILE: one line per record sent and received (direction,
// player number, channel, header kind, class, group and code), appended, for
// the tests that watch the traffic.

#include <cstdio>
#include <string>

#include "model/NetRecordBytes.h"

class CNetTrace {
public:
    CNetTrace();
    ~CNetTrace();
    CNetTrace(const CNetTrace&) = delete;
    CNetTrace& operator=(const CNetTrace&) = delete;

    void Write(const char* direction, int player, int channel, const NetRecordBytes& record);

private:
    FILE* m_file = nullptr;
};
