#pragma once
// The choice of the map data file of a new game (dialog 387): the files of
// the program folder in a list, and beside it what the selected file holds
// ("Map:" with its area count, then one numbered line per area). The
// preview reads into a map of its own, so that the game's map is never
// touched; a file that cannot be read shows a message and an empty
// preview. OK needs a selection; Escape and the close box do nothing, so
// the dialog always ends with a file.
//
// In an unattended run (and no test scripting the dialogs) it takes the
// first file in name order at once and logs it.

#include <string>
#include <vector>

#include "platform/ui/Dialog.h"
#include "views/DrawTextWnd.h"

class CDlgSelectMapFile : public CDialog {
public:
    static constexpr const char* kBadFileText = "The following file could not be read correctly.\n%s";
    static constexpr const char* kNoMemoryText = "There is not enough memory to read the file.";

    explicit CDlgSelectMapFile(CWnd* parent = nullptr);

    // Copies the names and clears the selection.
    void SetFileNames(const std::vector<std::string>& names);
    int DoModal() override;
    // Index into the names given; -1 before OK.
    int GetChosen() const { return m_chosen; }

    CDrawTextWnd& GetTextWnd() { return m_text; }

    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override {}

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    void ShowContent(const std::string& name);

    std::vector<std::string> m_names;
    int m_chosen = -1;
    CDrawTextWnd m_text;
};
