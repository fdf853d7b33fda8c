#pragma once
// Where an archive reads from or writes to: a file or a memory buffer.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

class CArchiveStream {
public:
    virtual ~CArchiveStream() = default;
    // Reads up to size bytes; returns how many were read.
    virtual size_t Read(void* data, size_t size) = 0;
    // Writes all bytes or returns false.
    virtual bool Write(const void* data, size_t size) = 0;
    // Bytes left to read, so that a length read from outside can be checked
    // before anything is allocated for it.
    virtual uint64_t Remaining() const = 0;
};

// A growable byte buffer: tests build fixtures in memory, the network
// layer packs records with it.
class CMemoryStream : public CArchiveStream {
public:
    CMemoryStream() = default;
    explicit CMemoryStream(std::vector<uint8_t> bytes) : m_bytes(std::move(bytes)) {}

    size_t Read(void* data, size_t size) override;
    bool Write(const void* data, size_t size) override;
    uint64_t Remaining() const override { return m_bytes.size() - m_position; }

    const std::vector<uint8_t>& Bytes() const { return m_bytes; }
    // Hands the bytes over; the stream is empty afterwards.
    std::vector<uint8_t> TakeBytes();
    // Room for this many bytes in all, so that a writer that knows roughly
    // how much is coming does not grow the buffer step by step.
    void Reserve(size_t size) { m_bytes.reserve(size); }
    size_t Position() const { return m_position; }
    void Rewind() { m_position = 0; }

private:
    std::vector<uint8_t> m_bytes;
    size_t m_position = 0;
};

// A file opened for reading or for writing (created or truncated).
class CFileStream : public CArchiveStream {
public:
    enum Mode { modeRead, modeWrite };
    CFileStream() = default;
    ~CFileStream() override;
    CFileStream(const CFileStream&) = delete;
    CFileStream& operator=(const CFileStream&) = delete;

    bool Open(const std::string& path, Mode mode);
    // Writes a whole file from memory; false when it cannot be created or
    // written completely.
    static bool WriteWholeFile(const std::string& path, const std::vector<uint8_t>& bytes);
    // Flushes and closes; false when a buffered write failed.
    bool Close();
    bool IsOpen() const { return m_file != nullptr; }

    size_t Read(void* data, size_t size) override;
    bool Write(const void* data, size_t size) override;
    uint64_t Remaining() const override;

private:
    std::FILE* m_file = nullptr;
    uint64_t m_size = 0;
    uint64_t m_position = 0;
};
