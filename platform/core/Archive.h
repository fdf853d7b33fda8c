#pragma once
// The binary archive through which every record stores and loads itself:
// little-endian integers, IEEE doubles and the several text forms the stored
// files use. Reading past the end throws CArchiveException(endOfFile).

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/core/ArchiveStream.h"

class CArchive {
public:
    enum Mode { load, store };

    CArchive(CArchiveStream& stream, Mode mode) : m_stream(stream), m_mode(mode) {}

    bool IsLoading() const { return m_mode == load; }
    bool IsStoring() const { return m_mode == store; }
    CArchiveStream& Stream() { return m_stream; }

    // Raw bytes. Read throws when fewer than size bytes are left.
    void Read(void* data, size_t size);
    void Write(const void* data, size_t size);

    void WriteInt(int32_t value);
    int32_t ReadInt();
    void WriteDWord(uint32_t value);
    uint32_t ReadDWord();
    void WriteWord(uint16_t value);
    uint16_t ReadWord();
    void WriteByte(uint8_t value);
    uint8_t ReadByte();
    void WriteDouble(double value);
    double ReadDouble();

    // Record text: 32-bit length L, then (only when L > 0) L characters and a
    // terminating zero. A negative L or one longer than maxLength or than the
    // data left throws CArchiveException(badLength).
    void WriteRecordText(const std::string& text);
    std::string ReadRecordText(int32_t maxLength = kMaxTextLength);

    // The same with a 16-bit length (the saved person record).
    void WriteRecordText16(const std::string& text);
    std::string ReadRecordText16();

    // The company record's form: 32-bit length L, then L characters and a
    // terminating zero also when L is 0.
    void WriteCompanyText(const std::string& text);
    std::string ReadCompanyText(int32_t maxLength = kMaxTextLength);

    // The archive string used for names in the data files and saved games:
    // a length prefix of 1, 3 or 7 bytes (a byte below 0xFF; or 0xFF and a
    // 16-bit length below 0xFFFF; or 0xFF, 0xFFFF and a 32-bit length), then
    // the characters without a terminator.
    void WriteString(const std::string& text);
    std::string ReadString(uint32_t maxLength = kMaxTextLength);

    // No text of any record comes near this; anything longer is bad data.
    static constexpr int32_t kMaxTextLength = 1 << 20;

private:
    std::string ReadChars(uint64_t length, uint64_t maxLength, uint64_t trailingBytes);

    CArchiveStream& m_stream;
    Mode m_mode;
};
