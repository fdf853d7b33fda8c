#pragma once
// The bytes received on one link, cut into 512-byte records in the order
// they arrived, whatever the sizes of the reads that brought them.

#include <string>

#include "model/NetRecordBytes.h"

namespace judge {

class CRecordStream {
public:
    void Append(const char* data, int length);
    // The oldest complete record; false while fewer than 512 bytes wait.
    bool Cut(NetRecordBytes& record);
    size_t Waiting() const { return m_bytes.size(); }
    void Clear() { m_bytes.clear(); }

private:
    std::string m_bytes;
};

}  // namespace judge
