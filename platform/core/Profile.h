#pragma once
// The user's settings: sections of keys with integer and string values, kept
// in an INI file under the user's configuration folder ($XDG_CONFIG_HOME or
// ~/.config). It stands in for the system registry key "QUELF" and the
// profile name "MERCAVO\1.0"; each program opens its own profile by name.
// Every write is saved at once (atomically), so nothing is lost on a crash.

#include <map>
#include <string>

class CProfile {
public:
    // company and product become folder and file: <config>/QUELF/MERCAVO-1.0.ini
    CProfile(const std::string& company, const std::string& product);
    // A profile kept in the given file (tests).
    explicit CProfile(const std::string& path);

    int GetProfileInt(const std::string& section, const std::string& key, int defaultValue) const;
    std::string GetProfileString(const std::string& section, const std::string& key,
                                 const std::string& defaultValue) const;
    bool WriteProfileInt(const std::string& section, const std::string& key, int value);
    bool WriteProfileString(const std::string& section, const std::string& key,
                            const std::string& value);

    const std::string& Path() const { return m_path; }
    static std::string ConfigFolder();

private:
    void Load();
    bool Save() const;

    std::string m_path;
    std::map<std::string, std::map<std::string, std::string>> m_sections;
};
