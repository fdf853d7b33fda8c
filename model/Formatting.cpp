#include "model/Formatting.h"

#include <cstdint>

#include "platform/core/TextFormat.h"

std::string TruncateText(const std::string& text, int maxBytes) {
    if (maxBytes < 0) maxBytes = 0;
    if (text.size() <= static_cast<size_t>(maxBytes)) return text;
    size_t cut = static_cast<size_t>(maxBytes);
    // Step back over UTF-8 continuation bytes to the start of a character.
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
    return text.substr(0, cut);
}

std::string FormatWithCommas(int value) {
    return FormatWithCommas(static_cast<int64_t>(value));
}

std::string FormatWithCommas(int64_t value) {
    // Unsigned, so that the most negative value can be negated.
    const bool negative = value < 0;
    const uint64_t magnitude = negative ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
    const std::string digits = std::to_string(magnitude);
    std::string out;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) out += ',';
        out += digits[i];
    }
    return negative ? "-" + out : out;
}

const char* GetOrdinalSuffix(int n) {
    switch (n) {
        case 1:
            return "st";
        case 2:
            return "nd";
        case 3:
            return "rd";
        default:
            return "th";
    }
}

std::string FormatOrdinal(int n) {
    return FormatText("%d%s", n, GetOrdinalSuffix(n));
}

const char* GetMonthName(int month) {
    static const char* const kNames[12] = {"January",   "February", "March",    "April",
                                           "May",       "June",     "July",     "August",
                                           "September", "October",  "November", "December"};
    return month >= 0 && month < 12 ? kNames[month] : "";
}
