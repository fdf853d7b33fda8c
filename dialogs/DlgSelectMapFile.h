#pragma once
// The choice of the map data file of a new game. Until the dialog exists it
// takes the first file in name order.

#include <string>
#include <vector>

class CDlgSelectMapFile {
public:
    void SetFileNames(const std::vector<std::string>& names) { m_names = names; }
    // IDOK with a file chosen; IDCANCEL when there is none.
    int DoModal();
    // Index into the names given; -1 before a choice.
    int GetChosen() const { return m_chosen; }

private:
    std::vector<std::string> m_names;
    int m_chosen = -1;
};
