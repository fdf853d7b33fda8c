#include "model/FixedField.h"

#include <cctype>
#include <climits>
#include <cstdint>

namespace {
std::string_view FieldAt(std::string_view text, int pos, int width) {
    if (width <= 0 || pos < 0 || static_cast<size_t>(pos) >= text.size()) return {};
    return text.substr(static_cast<size_t>(pos), static_cast<size_t>(width));
}

void Advance(int& pos, int width) {
    if (width <= 0) return;
    int64_t next = static_cast<int64_t>(pos) + width;
    pos = next > INT_MAX ? INT_MAX : static_cast<int>(next);
}
}  // namespace

int ParseFixedInt(std::string_view text, int& pos, int width) {
    std::string_view field = FieldAt(text, pos, width);
    Advance(pos, width);
    size_t i = 0;
    // A zero byte ends the field as it ends the runtime's atoi.
    while (i < field.size() && std::isspace(static_cast<unsigned char>(field[i]))) ++i;
    bool negative = false;
    if (i < field.size() && (field[i] == '-' || field[i] == '+')) negative = field[i++] == '-';
    int64_t value = 0;
    for (; i < field.size() && std::isdigit(static_cast<unsigned char>(field[i])); ++i) {
        value = value * 10 + (field[i] - '0');
        if (value > static_cast<int64_t>(INT_MAX) + 1) value = static_cast<int64_t>(INT_MAX) + 1;
    }
    if (negative) value = -value;
    if (value > INT_MAX) value = INT_MAX;
    return static_cast<int>(value);
}

std::string ParseFixedText(std::string_view text, int& pos, int width) {
    std::string_view field = FieldAt(text, pos, width);
    Advance(pos, width);
    // Like the zero-terminated copy it stands for, the text ends at a zero byte.
    size_t zero = field.find('\0');
    return std::string(zero == std::string_view::npos ? field : field.substr(0, zero));
}
