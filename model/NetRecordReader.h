#pragma once
// Reads the fields of one received network record in the order its sender
// wrote them, over bytes kNetPayloadStart..511 only.
//
// Every read checks before it takes: a number is an optional '-' and digits
// only, a length is checked against its limit and against the bytes that
// remain, and nothing is read past byte 511. The first failing read fails
// the record: every later read fails too, and FailedField() names the
// field, for the "]Receive error:" line. A receiver reads into locals and
// applies nothing unless Ok() holds after its last read.

#include <string>
#include <string_view>

#include "model/NetRecordBytes.h"

class CNetRecordReader {
public:
    explicit CNetRecordReader(const NetRecordBytes& record);

    // The class, group and code of a record, each digits only.
    static bool ReadKind(const NetRecordBytes& record, int& recordClass, int& group, int& code);

    bool ReadInt(int width, int& value, const char* field);
    // A text behind its length in prefixWidth digits; the length must lie
    // in 0..limit, and the text holds no zero byte.
    bool ReadText(int prefixWidth, int limit, std::string& text, const char* field);
    // A text of exactly width characters, its blank fill on the left dropped.
    bool ReadFixedText(int width, std::string& text, const char* field);
    // count bytes as they are (zero bytes allowed).
    bool ReadRaw(int count, std::string& bytes, const char* field);
    // The text up to the record's zero byte; fails when none follows.
    bool ReadTrailingText(std::string& text, const char* field);
    // The bytes from the next field to the end of the record, for the
    // readers of nested texts; Advance then moves past what they used.
    std::string_view Rest() const;
    bool Advance(int count, const char* field);
    // Fails the record for a value that was read whole but lies outside its
    // domain (an index, a count against a table).
    bool Refuse(const char* field) { return Fail(field); }

    bool Ok() const { return m_failed.empty(); }
    const std::string& FailedField() const { return m_failed; }
    // Position of the next field, from byte 0 of the record.
    int Position() const { return m_pos; }
    int Remaining() const { return kNetRecordSize - m_pos; }

private:
    bool Take(int count, std::string_view& bytes, const char* field);
    bool Fail(const char* field);

    const NetRecordBytes& m_record;
    int m_pos = kNetPayloadStart;
    std::string m_failed;
};
