#pragma once
// The lines a game without windows shows: reports, log lines, messages and
// the answers given to questions, in order. The headless services write it;
// the headless driver saves it to a file.

#include <string>
#include <vector>

class CTranscript {
public:
    void Add(const std::string& line) { m_lines.push_back(line); }
    const std::vector<std::string>& GetLines() const { return m_lines; }
    // One line each; false when the file cannot be written.
    bool WriteFile(const std::string& path) const;

private:
    std::vector<std::string> m_lines;
};
