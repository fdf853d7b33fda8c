#include "platform/core/ArchiveStream.h"

#include <algorithm>
#include <cstring>
#include <utility>

size_t CMemoryStream::Read(void* data, size_t size) {
    size_t count = std::min<size_t>(size, m_bytes.size() - m_position);
    if (count > 0) std::memcpy(data, m_bytes.data() + m_position, count);
    m_position += count;
    return count;
}

bool CMemoryStream::Write(const void* data, size_t size) {
    if (size == 0) return true;
    const auto* bytes = static_cast<const uint8_t*>(data);
    if (m_position == m_bytes.size()) {
        m_bytes.insert(m_bytes.end(), bytes, bytes + size);
    } else {
        if (m_position + size > m_bytes.size()) m_bytes.resize(m_position + size);
        std::memcpy(m_bytes.data() + m_position, bytes, size);
    }
    m_position += size;
    return true;
}

std::vector<uint8_t> CMemoryStream::TakeBytes() {
    m_position = 0;
    return std::exchange(m_bytes, {});
}

CFileStream::~CFileStream() {
    Close();
}

bool CFileStream::Open(const std::string& path, Mode mode) {
    Close();
    m_file = std::fopen(path.c_str(), mode == modeRead ? "rb" : "wb");
    if (!m_file) return false;
    m_position = 0;
    m_size = 0;
    if (mode == modeRead && std::fseek(m_file, 0, SEEK_END) == 0) {
        long end = std::ftell(m_file);
        m_size = end > 0 ? static_cast<uint64_t>(end) : 0;
        std::fseek(m_file, 0, SEEK_SET);
    }
    return true;
}

bool CFileStream::WriteWholeFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    CFileStream file;
    if (!file.Open(path, modeWrite)) return false;
    bool written = file.Write(bytes.data(), bytes.size());
    return file.Close() && written;
}

bool CFileStream::Close() {
    if (!m_file) return true;
    bool ok = std::fflush(m_file) == 0 && !std::ferror(m_file);
    ok = std::fclose(m_file) == 0 && ok;
    m_file = nullptr;
    return ok;
}

size_t CFileStream::Read(void* data, size_t size) {
    if (!m_file || size == 0) return 0;
    size_t count = std::fread(data, 1, size, m_file);
    m_position += count;
    return count;
}

bool CFileStream::Write(const void* data, size_t size) {
    if (!m_file) return false;
    if (size == 0) return true;
    return std::fwrite(data, 1, size, m_file) == size;
}

uint64_t CFileStream::Remaining() const {
    return m_size > m_position ? m_size - m_position : 0;
}
