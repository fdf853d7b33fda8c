#pragma once
// Number, ordinal and month texts of the game's reports and pages.

#include <cstdint>
#include <string>

// The text cut to at most maxBytes bytes without splitting a character.
std::string TruncateText(const std::string& text, int maxBytes);
// 1234567 -> "1,234,567"; -123456 -> "-123,456".
std::string FormatWithCommas(int value);
std::string FormatWithCommas(int64_t value);
// "st", "nd", "rd" for 1, 2, 3 and "th" for every other value (21th, 22th).
const char* GetOrdinalSuffix(int n);
std::string FormatOrdinal(int n);
// "January".."December" for 0..11; "" outside.
const char* GetMonthName(int month);
