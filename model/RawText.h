#pragma once
// The text form of the data files' raw records: a 32-bit length L, then,
// only when L >= 1, L characters and a zero byte. Any L below 1 means no
// text. The length and the text go into the data checksum as they are read.

#include <string>

class CArchive;
class CDataChecksum;

// The text up to its first zero byte; empty for no text. A length beyond the
// data left or beyond CArchive::kMaxTextLength throws CArchiveException.
std::string ReadRawText(CArchive& ar, CDataChecksum& checksum);
