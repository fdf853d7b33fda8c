#include "model/NetRecordBuilder.h"

#include <algorithm>

#include "model/FixedFieldFormat.h"
#include "model/NetRecordReader.h"
#include "platform/core/TextFormat.h"

CNetRecordBuilder::CNetRecordBuilder(int recordClass, int group, int code)
    : m_class(recordClass), m_group(group), m_code(code) {
    if (!FitsFixedInt(recordClass, 3) || !FitsFixedInt(group, 2) || !FitsFixedInt(code, 3) ||
        recordClass < 0 || group < 0 || code < 0) {
        Refuse("header");
        return;
    }
    m_text = FormatRecordHeader(recordClass, group, code);
}

CNetRecordBuilder& CNetRecordBuilder::Int(int value, int width) {
    if (!FitsFixedInt(value, width)) {
        Refuse(FormatText("value %d wider than %d", value, width));
        return *this;
    }
    Append(FormatFixedInt(value, width));
    return *this;
}

CNetRecordBuilder& CNetRecordBuilder::Text(std::string_view text, int prefixWidth, int limit) {
    const int length = static_cast<int>(std::min<size_t>(text.size(), 1u << 30));
    if (length > limit || !FitsFixedInt(length, prefixWidth)) {
        Refuse(FormatText("text of %d bytes beyond %d", length, limit));
        return *this;
    }
    Append(FormatFixedInt(length, prefixWidth));
    Append(text);
    return *this;
}

CNetRecordBuilder& CNetRecordBuilder::FixedText(std::string_view text, int width) {
    if (width < 0 || text.size() > static_cast<size_t>(width)) {
        Refuse(FormatText("text of %d bytes wider than %d", static_cast<int>(text.size()), width));
        return *this;
    }
    Append(std::string(static_cast<size_t>(width) - text.size(), ' '));
    Append(text);
    return *this;
}

CNetRecordBuilder& CNetRecordBuilder::Raw(std::string_view bytes) {
    Append(bytes);
    return *this;
}

CNetRecordBuilder& CNetRecordBuilder::Trailing(std::string_view text) {
    if (text.find('\0') != std::string_view::npos) {
        Refuse("trailing text with a zero byte");
        return *this;
    }
    Append(text);
    return *this;
}

void CNetRecordBuilder::Append(std::string_view bytes) {
    if (!Ok()) return;
    if (m_text.size() + bytes.size() > static_cast<size_t>(kNetRecordTextLimit)) {
        Refuse(FormatText("record text beyond %d bytes", kNetRecordTextLimit));
        return;
    }
    m_text.append(bytes);
}

void CNetRecordBuilder::Refuse(const std::string& what) {
    if (!Ok()) return;
    m_error = FormatText("%03d %02d/%03d: %s", m_class, m_group, m_code, what.c_str());
}

CNetRecordBuilder CNetRecordBuilder::FromText(std::string_view text) {
    int recordClass = 0, group = 0, code = 0;
    NetRecordBytes bytes{};
    if (Frame(text, bytes)) CNetRecordReader::ReadKind(bytes, recordClass, group, code);
    CNetRecordBuilder b(recordClass, group, code);
    b.m_text.clear();
    b.Append(text);
    return b;
}

bool CNetRecordBuilder::Build(NetRecordBytes& out) const {
    return Ok() && Frame(m_text, out);
}

bool CNetRecordBuilder::Frame(std::string_view text, NetRecordBytes& out) {
    if (text.size() > static_cast<size_t>(kNetRecordTextLimit)) return false;
    out.fill('\0');
    std::copy(text.begin(), text.end(), out.begin());
    return true;
}

std::string CNetRecordBuilder::CutText(std::string_view text, size_t limit) {
    if (text.size() <= limit) return std::string(text);
    size_t end = limit;
    // Continuation bytes (10xxxxxx) belong to the character before them.
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
    return std::string(text.substr(0, end));
}
