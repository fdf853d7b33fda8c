#pragma once
// The open and save dialogs: a folder's sub-folders and the files that
// match the chosen filter, a name field and the filter list. The filter is
// written "Saved games (*.mqd)|*.mqd|All files (*.*)|*.*||"; a name
// without an extension gets the default one. Opening with
// OFN_FILEMUSTEXIST refuses a missing file; saving with
// OFN_OVERWRITEPROMPT asks before an existing file is replaced. Under
// auto-answer (CAutoAnswer) the dialog is cancelled at once.

#include <string>
#include <vector>

#include "platform/ui/Dialog.h"

constexpr DWORD OFN_READONLY = 0x00000001;
constexpr DWORD OFN_OVERWRITEPROMPT = 0x00000002;
constexpr DWORD OFN_HIDEREADONLY = 0x00000004;
constexpr DWORD OFN_NOCHANGEDIR = 0x00000008;
constexpr DWORD OFN_PATHMUSTEXIST = 0x00000800;
constexpr DWORD OFN_FILEMUSTEXIST = 0x00001000;

class CFileDialog : public CDialog {
public:
    struct OPENFILENAME {
        DWORD Flags = 0;
        std::string lpstrTitle;       // "" = "Open" or "Save As"
        std::string lpstrInitialDir;  // "" = the current folder
    };

    CFileDialog(BOOL openFileDialog, const char* defaultExt = nullptr,
                const char* fileName = nullptr, DWORD flags = OFN_HIDEREADONLY,
                const char* filter = nullptr, CWnd* parent = nullptr);

    int DoModal() override;
    std::string GetPathName() const { return m_path; }
    std::string GetFileName() const;
    std::string GetFileExt() const;
    std::string GetFileTitle() const;
    std::string GetFolderPath() const { return m_folder; }

    OPENFILENAME m_ofn;

    // For the dialog's own use and for tests: the folder shown and the
    // patterns of the chosen filter.
    void ShowFolder(const std::string& folder);
    std::vector<std::string> CurrentPatterns() const;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    struct Filter {
        std::string name;
        std::vector<std::string> patterns;
    };
    void BuildTemplate();
    void Refill();
    bool Accept(const std::string& typed);

    bool m_open;
    std::string m_defaultExt;
    std::string m_initialName;
    std::vector<Filter> m_filters;
    std::string m_folder;
    std::string m_path;
    std::string m_caption;
    DIALOGTEMPLATE m_dialog;
};
