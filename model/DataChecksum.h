#pragma once
// The running checksum over every value loaded from the character and map
// data files. Each file carries its own checksum, a loaded file must match
// it, and the network login compares both files' checksums so that a host
// refuses a client whose data differ. The application object owns the one
// running value; the loaders reach it through the application's service.

#include <cstddef>
#include <cstdint>
#include <string>

class CDataChecksum {
public:
    CDataChecksum& Reset();
    // The basic rule: (hundreds + 1) x (tens + 7) x units of the signed value,
    // kept in -999999..999999.
    CDataChecksum& Add(int value);
    CDataChecksum& AddDouble(double value);
    // The sum of the characters taken as signed bytes, added as one value.
    CDataChecksum& AddString(const std::string& text);
    CDataChecksum& AddText(const char* text);
    // A sample of about sqrt(size) unsigned bytes, added as one value.
    // A block of size 0 or less adds nothing.
    CDataChecksum& AddBlock(const uint8_t* bytes, int size);

    int Get() const { return m_sum; }

private:
    int32_t m_sum = 0;
};
