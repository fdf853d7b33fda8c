#pragma once
// One text source of the map data as the data team writes it: numbered
// lines with '#' comments removed, and the readers' shared ways of taking
// words and numbers from a line. Every complaint names the source and the
// line ("map.txt:12: ...") so that a mistake in data/ is found at once.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class CSourceText {
public:
    struct SLine {
        int number = 0;
        // Without the comment and the surrounding blanks; never empty.
        std::string text;
    };

    // Lines are cut at their first '#'; blank lines are dropped.
    CSourceText(std::string_view text, std::string name);
    // Throws std::runtime_error "PATH: cannot be read".
    static CSourceText ReadFile(const std::string& path);

    const std::string& GetName() const { return m_name; }
    const std::vector<SLine>& GetLines() const { return m_lines; }

    // Throws std::runtime_error "NAME:LINE: what".
    [[noreturn]] void Fail(int line, const std::string& what) const;

    // Splits off the first blank-separated word of rest.
    static std::string_view NextWord(std::string_view& rest);
    static std::string_view Trim(std::string_view text);
    // The next word as a whole number within lo..hi; what names it in the
    // complaint.
    int TakeInt(std::string_view& rest, int line, const char* what, int lo, int hi) const;
    double TakeDouble(std::string_view& rest, int line, const char* what) const;
    // The rest of the line as a printable text of 1..maxLength bytes.
    std::string TakeText(std::string_view rest, int line, const char* what, size_t maxLength) const;
    // Complains unless the line has been read whole.
    void ExpectEnd(std::string_view rest, int line) const;

private:
    std::string m_name;
    std::vector<SLine> m_lines;
};
