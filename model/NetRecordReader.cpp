#include "model/NetRecordReader.h"

#include <cstdint>

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// An optional '-' and at least one digit, nothing else; the value fits int.
// No sender writes a negative zero, so none is read.
bool ParseDigits(std::string_view field, int& value) {
    size_t i = 0;
    const bool negative = !field.empty() && field[0] == '-';
    if (negative) i = 1;
    if (i >= field.size()) return false;
    int64_t result = 0;
    for (; i < field.size(); ++i) {
        if (!IsDigit(field[i])) return false;
        result = result * 10 + (field[i] - '0');
        if (result > INT32_MAX) return false;
    }
    if (negative && result == 0) return false;
    value = static_cast<int>(negative ? -result : result);
    return true;
}

}  // namespace

CNetRecordReader::CNetRecordReader(const NetRecordBytes& record) : m_record(record) {}

bool CNetRecordReader::ReadKind(const NetRecordBytes& record, int& recordClass, int& group,
                                int& code) {
    std::string_view text(record.data(), record.size());
    auto digits = [&](size_t at, size_t width, int& value) {
        std::string_view field = text.substr(at, width);
        return !field.empty() && field[0] != '-' && ParseDigits(field, value);
    };
    return digits(8, 3, recordClass) && digits(11, 2, group) && digits(13, 3, code);
}

bool CNetRecordReader::Fail(const char* field) {
    if (Ok()) m_failed = field ? field : "field";
    return false;
}

bool CNetRecordReader::Take(int count, std::string_view& bytes, const char* field) {
    if (!Ok()) return false;
    if (count < 0 || count > Remaining()) return Fail(field);
    bytes = std::string_view(m_record.data() + m_pos, static_cast<size_t>(count));
    m_pos += count;
    return true;
}

bool CNetRecordReader::ReadInt(int width, int& value, const char* field) {
    std::string_view bytes;
    if (width <= 0 || !Take(width, bytes, field)) return Fail(field);
    int parsed = 0;
    if (!ParseDigits(bytes, parsed)) return Fail(field);
    value = parsed;
    return true;
}

bool CNetRecordReader::ReadText(int prefixWidth, int limit, std::string& text, const char* field) {
    int length = 0;
    if (!ReadInt(prefixWidth, length, field)) return false;
    if (length < 0 || length > limit) return Fail(field);
    std::string_view bytes;
    if (!Take(length, bytes, field)) return false;
    if (bytes.find('\0') != std::string_view::npos) return Fail(field);
    text.assign(bytes);
    return true;
}

bool CNetRecordReader::ReadFixedText(int width, std::string& text, const char* field) {
    std::string_view bytes;
    if (!Take(width, bytes, field)) return false;
    if (bytes.find('\0') != std::string_view::npos) return Fail(field);
    const size_t first = bytes.find_first_not_of(' ');
    text.assign(first == std::string_view::npos ? std::string_view() : bytes.substr(first));
    return true;
}

bool CNetRecordReader::ReadRaw(int count, std::string& bytes, const char* field) {
    std::string_view taken;
    if (!Take(count, taken, field)) return false;
    bytes.assign(taken);
    return true;
}

bool CNetRecordReader::ReadTrailingText(std::string& text, const char* field) {
    if (!Ok()) return false;
    std::string_view rest(m_record.data() + m_pos, static_cast<size_t>(Remaining()));
    const size_t zero = rest.find('\0');
    if (zero == std::string_view::npos) return Fail(field);
    text.assign(rest.substr(0, zero));
    m_pos += static_cast<int>(zero) + 1;
    return true;
}

std::string_view CNetRecordReader::Rest() const {
    if (!Ok()) return {};
    return std::string_view(m_record.data() + m_pos, static_cast<size_t>(Remaining()));
}

bool CNetRecordReader::Advance(int count, const char* field) {
    std::string_view skipped;
    return Take(count, skipped, field);
}
