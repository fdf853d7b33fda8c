#include "platform/core/Profile.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {

std::string Trim(const std::string& text) {
    size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) return {};
    size_t last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

// Names may not break the file's line structure.
std::string Clean(std::string text) {
    for (char& c : text)
        if (c == '\n' || c == '\r' || c == '[' || c == ']' || c == '=') c = '_';
    return text;
}

// Values are kept on one line: newlines and backslashes are escaped.
std::string Escape(const std::string& value) {
    std::string out;
    for (char c : value) {
        if (c == '\\')
            out += "\\\\";
        else if (c == '\n')
            out += "\\n";
        else if (c == '\r')
            out += "\\r";
        else
            out += c;
    }
    return out;
}

std::string Unescape(const std::string& value) {
    std::string out;
    for (size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\' || i + 1 == value.size()) {
            out += value[i];
            continue;
        }
        char next = value[++i];
        out += next == 'n' ? '\n' : next == 'r' ? '\r' : next;
    }
    return out;
}

}  // namespace

std::string CProfile::ConfigFolder() {
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg) return xdg;
    if (const char* home = std::getenv("HOME"); home && *home)
        return std::string(home) + "/.config";
    return ".";
}

CProfile::CProfile(const std::string& company, const std::string& product) {
    std::string file = product;
    for (char& c : file)
        if (c == '\\' || c == '/') c = '-';
    m_path = ConfigFolder() + "/" + company + "/" + file + ".ini";
    Load();
}

CProfile::CProfile(const std::string& path) : m_path(path) {
    Load();
}

void CProfile::Load() {
    std::ifstream in(m_path);
    std::string line, section;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::string trimmed = Trim(line);
        if (trimmed.empty() || trimmed[0] == ';' || trimmed[0] == '#') continue;
        if (trimmed.front() == '[' && trimmed.back() == ']') {
            section = Trim(trimmed.substr(1, trimmed.size() - 2));
            continue;
        }
        size_t equals = line.find('=');
        if (equals == std::string::npos) continue;
        // The value is kept exactly as written: leading and trailing blanks are data.
        m_sections[section][Trim(line.substr(0, equals))] = Unescape(line.substr(equals + 1));
    }
}

bool CProfile::Save() const {
    std::error_code error;
    auto target = std::filesystem::path(m_path);
    if (target.has_parent_path()) std::filesystem::create_directories(target.parent_path(), error);
    auto temporary = target;
    temporary += ".tmp";
    {
        std::ofstream out(temporary, std::ios::trunc);
        for (const auto& [section, keys] : m_sections) {
            out << '[' << section << "]\n";
            for (const auto& [key, value] : keys) out << key << '=' << Escape(value) << '\n';
            out << '\n';
        }
        if (!out.flush()) return false;
    }
    std::filesystem::rename(temporary, target, error);
    return !error;
}

int CProfile::GetProfileInt(const std::string& section, const std::string& key,
                            int defaultValue) const {
    std::string text = GetProfileString(section, key, std::string());
    if (text.empty()) return defaultValue;
    errno = 0;
    char* end = nullptr;
    long value = std::strtol(text.c_str(), &end, 10);
    if (end == text.c_str() || errno == ERANGE || value < INT_MIN || value > INT_MAX)
        return defaultValue;
    return static_cast<int>(value);
}

std::string CProfile::GetProfileString(const std::string& section, const std::string& key,
                                       const std::string& defaultValue) const {
    auto s = m_sections.find(Clean(section));
    if (s == m_sections.end()) return defaultValue;
    auto k = s->second.find(Clean(key));
    return k == s->second.end() ? defaultValue : k->second;
}

bool CProfile::WriteProfileInt(const std::string& section, const std::string& key, int value) {
    return WriteProfileString(section, key, std::to_string(value));
}

bool CProfile::WriteProfileString(const std::string& section, const std::string& key,
                                  const std::string& value) {
    m_sections[Clean(section)][Clean(key)] = value;
    return Save();
}
