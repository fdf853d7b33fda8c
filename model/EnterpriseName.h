#pragma once
// A company name paired with the company that uses it. The map keeps its
// offered names as plain texts with a parallel list of users, so the game
// itself makes none of these; the record exists with its stored form and
// checks like the other records.

#include <optional>
#include <string>

class CArchive;

class CEnterpriseName {
public:
    // No company name of ours comes near this; a longer stored length is
    // bad data.
    static constexpr int kMaxTextLength = 255;
    static constexpr int kFree = -1;

    CEnterpriseName() = default;

    // The name; absent until one is set or loaded.
    const std::optional<std::string>& GetText() const { return m_text; }
    // A name longer than kMaxTextLength is cut there, so that what is stored
    // always loads again.
    void SetText(std::string text);
    // The number of the company that uses the name; kFree when none does.
    int GetUser() const { return m_user; }
    void SetUser(int user) { m_user = user; }

    // Length L, the L characters and a terminating zero (also when L is 0),
    // then the user. An absent text is stored as an empty one. Loading
    // refuses (eMERCAVO_ERROR_CONTENTS) L outside 0..kMaxTextLength and a
    // user below -1.
    void Serialize(CArchive& ar);

private:
    std::optional<std::string> m_text;
    int m_user = kFree;
};
