#pragma once
// What an archive throws when the stream itself fails: the data ended early,
// a length did not fit what was left, or a write did not go through.
// Range checks of the stored values are the records' business, not this one.

#include <stdexcept>

class CArchiveException : public std::runtime_error {
public:
    enum Cause { endOfFile, badLength, writeFailed };
    CArchiveException(Cause cause, const char* what) : std::runtime_error(what), m_cause(cause) {}
    Cause GetCause() const { return m_cause; }

private:
    Cause m_cause;
};
