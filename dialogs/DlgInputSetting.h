#pragma once
// The set-up of a new game. Until the set-up wizard exists it is one
// question: whether a person runs a company (play count 1) or every
// company is run by the computer (play count 0). It sets up a game at this
// machine with the map's company count and the first game length the data
// offers; the document names the companies and gives their colours.

#include <array>
#include <string>

class CDlgInputSetting {
public:
    static constexpr const char* kQuestion =
        "Do you want to run a company yourself?\n(No: every company is run by the computer)";
    // The game length when the data offers none.
    static constexpr int kDefaultYears = 10;

    // The company count and the data's game-length choices (positive
    // entries are choices, in order).
    void InitFromDocument(int companies, const std::array<int, 3>& yearChoices);
    // IDOK when set up; IDCANCEL (2) when the question could not be asked.
    int DoModal();

    int IsNetworkGame() const { return 0; }
    int IsHost() const { return 0; }
    int IsObserver() const { return 0; }
    const std::string& GetHostAddress() const { return m_hostAddress; }
    int GetPlayCount() const { return m_playCount; }
    int GetCompanyCount() const { return m_companies; }
    int GetYears() const { return m_years; }
    int GetRole2Count() const { return 0; }

private:
    int m_companies = 0;
    int m_years = kDefaultYears;
    int m_playCount = 0;
    std::string m_hostAddress;
};
