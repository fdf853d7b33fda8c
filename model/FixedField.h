#pragma once
// The reader of fixed-width decimal fields in received network texts. Every
// field of every received text is read this way, strictly in order.

#include <string>
#include <string_view>

// Reads the width characters at pos of text as atoi does (leading blanks and
// a sign allowed, reading stops at the first non-digit; blanks or zeros give
// 0) and advances pos by width. Characters past the end of the text read as
// blanks, so a short text gives no overrun: the caller tells it by
// pos > text.size() afterwards. Values beyond the int range are clamped.
int ParseFixedInt(std::string_view text, int& pos, int width);

// The same field as text, for the few text fields of the records.
std::string ParseFixedText(std::string_view text, int& pos, int width);
