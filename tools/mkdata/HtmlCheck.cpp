#include "tools/mkdata/HtmlCheck.h"

#include <cctype>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <vector>

namespace {

const std::set<std::string> kEmptyElements = {"area",   "base",  "br",    "col",  "embed",
                                              "hr",     "img",   "input", "link", "meta",
                                              "source", "track", "wbr"};

struct STag {
    std::string name;
    bool closing = false;
    bool selfClosing = false;
    std::vector<std::pair<std::string, std::string>> attributes;
};

std::string Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// Every byte sequence is well-formed UTF-8.
bool IsUtf8(const std::string& text) {
    size_t i = 0;
    while (i < text.size()) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        const int extra = c < 0x80         ? 0
                          : (c >> 5) == 6  ? 1
                          : (c >> 4) == 14 ? 2
                          : (c >> 3) == 30 ? 3
                                           : -1;
        if (extra < 0 || c == 0xC0 || c == 0xC1 || text.size() - i <= static_cast<size_t>(extra))
            return false;
        for (int k = 1; k <= extra; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
        i += static_cast<size_t>(extra) + 1;
    }
    return true;
}

class CPageChecker {
public:
    CPageChecker(const std::string& folder, const std::string& text)
        : m_folder(folder), m_text(text) {}

    bool Check(std::string& problems);

private:
    bool Fail(const std::string& what) {
        m_problem = what + " (line " + std::to_string(Line()) + ")";
        return false;
    }
    int Line() const {
        int line = 1;
        for (size_t i = 0; i < m_pos && i < m_text.size(); ++i) line += m_text[i] == '\n';
        return line;
    }
    bool ReadTag(STag& tag);
    bool Reference(const std::string& target);

    const std::string& m_folder;
    const std::string& m_text;
    size_t m_pos = 0;
    std::string m_problem;
    std::set<std::string> m_ids;
    std::vector<std::pair<std::string, size_t>> m_fragments;
};

bool CPageChecker::ReadTag(STag& tag) {
    // At '<'; reads up to the matching '>'.
    size_t i = m_pos + 1;
    if (i < m_text.size() && m_text[i] == '/') {
        tag.closing = true;
        ++i;
    }
    const size_t nameStart = i;
    while (i < m_text.size() && std::isalnum(static_cast<unsigned char>(m_text[i]))) ++i;
    tag.name = Lower(m_text.substr(nameStart, i - nameStart));
    if (tag.name.empty()) return Fail("a '<' that starts no tag");
    while (true) {
        while (i < m_text.size() && std::isspace(static_cast<unsigned char>(m_text[i]))) ++i;
        if (i >= m_text.size()) return Fail("the tag <" + tag.name + "> is not closed");
        if (m_text[i] == '>') break;
        if (m_text.compare(i, 2, "/>") == 0) {
            tag.selfClosing = true;
            ++i;
            break;
        }
        const size_t attrStart = i;
        while (i < m_text.size() &&
               (std::isalnum(static_cast<unsigned char>(m_text[i])) || m_text[i] == '-'))
            ++i;
        if (i == attrStart) return Fail("a stray character in the tag <" + tag.name + ">");
        std::string name = Lower(m_text.substr(attrStart, i - attrStart));
        std::string value;
        if (i < m_text.size() && m_text[i] == '=') {
            ++i;
            if (i >= m_text.size() || m_text[i] != '"')
                return Fail("the value of " + name + " in <" + tag.name + "> is not quoted");
            const size_t end = m_text.find('"', i + 1);
            if (end == std::string::npos) return Fail("an unclosed quote in <" + tag.name + ">");
            value = m_text.substr(i + 1, end - i - 1);
            i = end + 1;
        }
        tag.attributes.emplace_back(std::move(name), std::move(value));
    }
    m_pos = i + 1;
    return true;
}

// A link or picture: a relative path to a file in the help folder, or a
// fragment of this page.
bool CPageChecker::Reference(const std::string& target) {
    if (target.empty()) return Fail("an empty link");
    if (target.find(':') != std::string::npos || target[0] == '/' ||
        target.find('\\') != std::string::npos)
        return Fail("the link " + target + " leaves the help folder");
    const size_t hash = target.find('#');
    const std::string file = target.substr(0, hash);
    if (file.empty()) {
        m_fragments.emplace_back(target.substr(1), m_pos);
        return true;
    }
    const std::filesystem::path path = std::filesystem::path(file).lexically_normal();
    if (path.empty() || *path.begin() == "..")
        return Fail("the link " + target + " leaves the help folder");
    std::error_code error;
    if (!std::filesystem::is_regular_file(m_folder + path.string(), error))
        return Fail("the link " + target + " names no file in the help folder");
    return true;
}

bool CPageChecker::Check(std::string& problems) {
    bool ok = [&] {
        if (!IsUtf8(m_text)) return Fail("not UTF-8 text");
        if (Lower(m_text.substr(0, 15)) != "<!doctype html>")
            return Fail("no <!DOCTYPE html> at the start");
        m_pos = 15;
        std::vector<std::string> open;
        while (true) {
            const size_t next = m_text.find('<', m_pos);
            if (next == std::string::npos) break;
            m_pos = next;
            if (m_text.compare(m_pos, 4, "<!--") == 0) {
                const size_t end = m_text.find("-->", m_pos);
                if (end == std::string::npos) return Fail("an unclosed comment");
                m_pos = end + 3;
                continue;
            }
            STag tag;
            if (!ReadTag(tag)) return false;
            if (tag.closing) {
                if (open.empty() || open.back() != tag.name)
                    return Fail("</" + tag.name + "> closes " +
                                (open.empty() ? "nothing" : "<" + open.back() + ">"));
                open.pop_back();
                continue;
            }
            for (const auto& [name, value] : tag.attributes) {
                if (name == "id" && !m_ids.insert(value).second)
                    return Fail("the id " + value + " twice");
                const bool linkAttribute =
                    name == "src" || (name == "href" && (tag.name == "a" || tag.name == "link"));
                if (linkAttribute && !Reference(value)) return false;
            }
            if (!tag.selfClosing && !kEmptyElements.count(tag.name)) open.push_back(tag.name);
            // The text of a style or script element is not markup.
            if (tag.name == "style" || tag.name == "script") {
                const size_t end = Lower(m_text).find("</" + tag.name, m_pos);
                if (end == std::string::npos) return Fail("<" + tag.name + "> is not closed");
                m_pos = end;
            }
        }
        if (!open.empty()) return Fail("<" + open.back() + "> is not closed");
        for (const auto& [fragment, at] : m_fragments) {
            m_pos = at;
            if (!m_ids.count(fragment))
                return Fail("the link #" + fragment + " names no id of the page");
        }
        return true;
    }();
    if (!ok) problems = m_problem;
    return ok;
}

}  // namespace

bool CHtmlCheck::CheckText(const std::string& folder, const std::string& text,
                           std::string& problems) {
    CPageChecker checker(folder, text);
    return checker.Check(problems);
}

bool CHtmlCheck::CheckFile(const std::string& folder, const std::string& page,
                           std::string& problems) {
    std::ifstream in(folder + page, std::ios::binary);
    if (!in) {
        problems = "missing";
        return false;
    }
    std::ostringstream text;
    text << in.rdbuf();
    return CheckText(folder, text.str(), problems);
}
