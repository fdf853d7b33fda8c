#include "game/Transcript.h"

#include <fstream>

bool CTranscript::WriteFile(const std::string& path) const {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file) return false;
    for (const std::string& line : m_lines) file << line << '\n';
    file.close();
    return static_cast<bool>(file);
}
