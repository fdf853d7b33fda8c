#pragma once
// Builds one network record: the header, class, group and code, then the
// fields of the message back to back, each with the width it travels in.
//
// A field that does not fit (a number wider than its width, a text longer
// than its length prefix allows, a record text beyond kNetRecordTextLimit
// bytes) is refused rather than shortened: it would shift every later field
// on the receiving machine. A refused record is never sent; Error() tells
// the sender what was refused, for its "]Send error:" line.

#include <string>
#include <string_view>

#include "model/NetRecordBytes.h"

class CNetRecordBuilder {
public:
    CNetRecordBuilder(int recordClass, int group, int code);

    // A fixed-width decimal number ("%0*d", a minus sign inside the width).
    CNetRecordBuilder& Int(int value, int width);
    // A text behind its length in prefixWidth digits, at most limit bytes.
    CNetRecordBuilder& Text(std::string_view text, int prefixWidth, int limit);
    // A text of exactly width characters, blank-filled on the left ("%6s").
    CNetRecordBuilder& FixedText(std::string_view text, int width);
    // Bytes by length (raw integers, picture parts); zero bytes allowed.
    CNetRecordBuilder& Raw(std::string_view bytes);
    // The text that ends the record, up to its zero byte.
    CNetRecordBuilder& Trailing(std::string_view text);

    // Refuses the record for a field its sender could not write.
    CNetRecordBuilder& Fail(const std::string& what) {
        Refuse(what);
        return *this;
    }

    bool Ok() const { return m_error.empty(); }
    // What was refused first, with the record's class, group and code.
    const std::string& Error() const { return m_error; }
    // The record text so far (without the zero byte and padding).
    const std::string& Text() const { return m_text; }
    // The whole record: the text, its zero byte, zeros up to the end.
    // False (and out untouched) when a field was refused.
    bool Build(NetRecordBytes& out) const;

    // A builder that holds a record text built elsewhere (the map's and the
    // leagues' texts), refused when it leaves no room for its zero byte.
    static CNetRecordBuilder FromText(std::string_view text);
    // Frames a record text built elsewhere; false when it leaves no room
    // for its zero byte.
    static bool Frame(std::string_view text, NetRecordBytes& out);
    // A UTF-8 text cut to at most limit bytes without splitting a character
    // (a name before it goes into its field).
    static std::string CutText(std::string_view text, size_t limit);

private:
    void Refuse(const std::string& what);
    void Append(std::string_view bytes);

    std::string m_text;
    std::string m_error;
    int m_class, m_group, m_code;
};
