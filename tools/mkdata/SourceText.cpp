#include "tools/mkdata/SourceText.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

CSourceText::CSourceText(std::string_view text, std::string name) : m_name(std::move(name)) {
    int number = 0;
    while (!text.empty()) {
        size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        ++number;
        line = Trim(line.substr(0, line.find('#')));
        if (!line.empty()) m_lines.push_back({number, std::string(line)});
    }
}

CSourceText CSourceText::ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error(path + ": cannot be read");
    std::stringstream text;
    text << in.rdbuf();
    return CSourceText(text.str(), path);
}

void CSourceText::Fail(int line, const std::string& what) const {
    throw std::runtime_error(m_name + ":" + std::to_string(line) + ": " + what);
}

std::string_view CSourceText::Trim(std::string_view text) {
    const char* blanks = " \t\r";
    size_t first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

std::string_view CSourceText::NextWord(std::string_view& rest) {
    rest = Trim(rest);
    size_t end = rest.find_first_of(" \t");
    std::string_view word = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end);
    return word;
}

int CSourceText::TakeInt(std::string_view& rest, int line, const char* what, int lo, int hi) const {
    std::string_view word = NextWord(rest);
    if (word.empty()) Fail(line, std::string("missing ") + what);
    if (word.front() == '+') word.remove_prefix(1);
    int value = 0;
    auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc() || end != word.data() + word.size())
        Fail(line, std::string(what) + ": \"" + std::string(word) + "\" is not a whole number");
    if (value < lo || value > hi)
        Fail(line, std::string(what) + " " + std::to_string(value) + " is outside " +
                       std::to_string(lo) + ".." + std::to_string(hi));
    return value;
}

double CSourceText::TakeDouble(std::string_view& rest, int line, const char* what) const {
    std::string word(NextWord(rest));
    if (word.empty()) Fail(line, std::string("missing ") + what);
    char* end = nullptr;
    double value = std::strtod(word.c_str(), &end);
    if (end != word.c_str() + word.size())
        Fail(line, std::string(what) + ": \"" + word + "\" is not a number");
    return value;
}

std::string CSourceText::TakeText(std::string_view rest, int line, const char* what,
                                  size_t maxLength) const {
    std::string text(Trim(rest));
    if (text.empty()) Fail(line, std::string("missing ") + what);
    if (text.size() > maxLength)
        Fail(line, std::string(what) + " \"" + text + "\" is longer than " +
                       std::to_string(maxLength) + " bytes");
    if (!std::all_of(text.begin(), text.end(), [](char c) { return c >= 32 && c < 127; }))
        Fail(line, std::string(what) + " \"" + text + "\" holds a sign outside plain ASCII");
    return text;
}

void CSourceText::ExpectEnd(std::string_view rest, int line) const {
    rest = Trim(rest);
    if (!rest.empty())
        Fail(line, "unexpected \"" + std::string(rest) + "\" at the end of the line");
}
