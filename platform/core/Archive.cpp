#include "platform/core/Archive.h"

#include <bit>
#include <cstring>

#include "platform/core/ArchiveException.h"

namespace {

template <typename T>
T FromLittleEndian(const uint8_t* bytes) {
    using U = std::make_unsigned_t<T>;
    U value = 0;
    for (size_t i = 0; i < sizeof(T); ++i) value |= static_cast<U>(bytes[i]) << (8 * i);
    return static_cast<T>(value);
}

template <typename T>
void ToLittleEndian(T value, uint8_t* bytes) {
    using U = std::make_unsigned_t<T>;
    U raw = static_cast<U>(value);
    for (size_t i = 0; i < sizeof(T); ++i) bytes[i] = static_cast<uint8_t>(raw >> (8 * i));
}

}  // namespace

void CArchive::Read(void* data, size_t size) {
    if (size == 0) return;
    if (m_stream.Read(data, size) != size)
        throw CArchiveException(CArchiveException::endOfFile, "unexpected end of data");
}

void CArchive::Write(const void* data, size_t size) {
    if (!m_stream.Write(data, size))
        throw CArchiveException(CArchiveException::writeFailed, "write failed");
}

void CArchive::WriteInt(int32_t value) {
    WriteDWord(static_cast<uint32_t>(value));
}
int32_t CArchive::ReadInt() {
    return static_cast<int32_t>(ReadDWord());
}

void CArchive::WriteDWord(uint32_t value) {
    uint8_t bytes[4];
    ToLittleEndian(value, bytes);
    Write(bytes, sizeof bytes);
}

uint32_t CArchive::ReadDWord() {
    uint8_t bytes[4];
    Read(bytes, sizeof bytes);
    return FromLittleEndian<uint32_t>(bytes);
}

void CArchive::WriteWord(uint16_t value) {
    uint8_t bytes[2];
    ToLittleEndian(value, bytes);
    Write(bytes, sizeof bytes);
}

uint16_t CArchive::ReadWord() {
    uint8_t bytes[2];
    Read(bytes, sizeof bytes);
    return FromLittleEndian<uint16_t>(bytes);
}

void CArchive::WriteByte(uint8_t value) {
    Write(&value, 1);
}

uint8_t CArchive::ReadByte() {
    uint8_t value;
    Read(&value, 1);
    return value;
}

void CArchive::WriteDouble(double value) {
    uint8_t bytes[8];
    ToLittleEndian(std::bit_cast<uint64_t>(value), bytes);
    Write(bytes, sizeof bytes);
}

double CArchive::ReadDouble() {
    uint8_t bytes[8];
    Read(bytes, sizeof bytes);
    return std::bit_cast<double>(FromLittleEndian<uint64_t>(bytes));
}

std::string CArchive::ReadChars(uint64_t length, uint64_t maxLength, uint64_t trailingBytes) {
    if (length > maxLength)
        throw CArchiveException(CArchiveException::badLength, "text length out of range");
    if (length + trailingBytes > m_stream.Remaining())
        throw CArchiveException(CArchiveException::endOfFile, "text runs past the end of data");
    std::string text(static_cast<size_t>(length), '\0');
    Read(text.data(), text.size());
    for (uint64_t i = 0; i < trailingBytes; ++i) ReadByte();
    return text;
}

void CArchive::WriteRecordText(const std::string& text) {
    WriteInt(static_cast<int32_t>(text.size()));
    if (!text.empty()) Write(text.c_str(), text.size() + 1);
}

std::string CArchive::ReadRecordText(int32_t maxLength) {
    int32_t length = ReadInt();
    if (length < 0) throw CArchiveException(CArchiveException::badLength, "negative text length");
    return ReadChars(static_cast<uint64_t>(length), static_cast<uint64_t>(maxLength),
                     length > 0 ? 1 : 0);
}

void CArchive::WriteRecordText16(const std::string& text) {
    if (text.size() > 0xFFFF)
        throw CArchiveException(CArchiveException::badLength, "text too long for its field");
    WriteWord(static_cast<uint16_t>(text.size()));
    if (!text.empty()) Write(text.c_str(), text.size() + 1);
}

std::string CArchive::ReadRecordText16() {
    uint16_t length = ReadWord();
    return ReadChars(length, 0xFFFF, length > 0 ? 1 : 0);
}

void CArchive::WriteCompanyText(const std::string& text) {
    WriteInt(static_cast<int32_t>(text.size()));
    Write(text.c_str(), text.size() + 1);
}

std::string CArchive::ReadCompanyText(int32_t maxLength) {
    int32_t length = ReadInt();
    if (length < 0) throw CArchiveException(CArchiveException::badLength, "negative text length");
    return ReadChars(static_cast<uint64_t>(length), static_cast<uint64_t>(maxLength), 1);
}

void CArchive::WriteString(const std::string& text) {
    uint64_t length = text.size();
    if (length < 0xFF) {
        WriteByte(static_cast<uint8_t>(length));
    } else if (length < 0xFFFF) {
        WriteByte(0xFF);
        WriteWord(static_cast<uint16_t>(length));
    } else {
        if (length > 0xFFFFFFFFu)
            throw CArchiveException(CArchiveException::badLength, "text too long");
        WriteByte(0xFF);
        WriteWord(0xFFFF);
        WriteDWord(static_cast<uint32_t>(length));
    }
    Write(text.data(), text.size());
}

std::string CArchive::ReadString(uint32_t maxLength) {
    uint64_t length = ReadByte();
    if (length == 0xFF) {
        length = ReadWord();
        if (length == 0xFFFF) length = ReadDWord();
    }
    return ReadChars(length, maxLength, 0);
}
