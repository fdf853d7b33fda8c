#pragma once
// The start choice: a new game, or a saved game loaded. Until the start
// dialog exists it is a question box; its No loads a game through the load
// step the frame hands over, and a cancelled or failed load asks again.

#include <functional>

class CInputStartDlg {
public:
    static constexpr const char* kQuestion = "Start a new game?\n(No: load a saved game)";

    // load: asks for a saved game and opens it; true when it loaded.
    explicit CInputStartDlg(std::function<bool()> load) : m_load(std::move(load)) {}
    // IDOK once a choice was made; IDCANCEL when the question could not be
    // asked.
    int DoModal();
    int IsAccepted() const { return m_accepted; }
    // Non-zero: a new game; 0: a game was loaded.
    int GetChoice() const { return m_choice; }

private:
    std::function<bool()> m_load;
    int m_accepted = 0;
    int m_choice = 1;
};
