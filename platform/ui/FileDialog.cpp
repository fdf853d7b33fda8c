#include "platform/ui/FileDialog.h"

#include <fnmatch.h>
#include <algorithm>
#include <filesystem>

#include "platform/ui/AutoAnswer.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/ControlMessages.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/MessageBox.h"

namespace fs = std::filesystem;

namespace {

constexpr int kFolderText = 1090;
constexpr int kList = 1120;
constexpr int kName = 1152;
constexpr int kTypes = 1136;
constexpr size_t kMaxEntries = 4096;

std::vector<std::string> Split(const std::string& text, char mark) {
    std::vector<std::string> parts;
    size_t start = 0;
    while (start <= text.size()) {
        const size_t end = text.find(mark, start);
        parts.push_back(
            text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return parts;
}

bool Matches(const std::string& name, const std::vector<std::string>& patterns) {
    for (const std::string& p : patterns) {
        if (p == "*.*" || p == "*") return true;
        if (fnmatch(p.c_str(), name.c_str(), FNM_CASEFOLD) == 0) return true;
    }
    return patterns.empty();
}

}  // namespace

CFileDialog::CFileDialog(BOOL openFileDialog, const char* defaultExt, const char* fileName,
                         DWORD flags, const char* filter, CWnd* parent)
    : CDialog(&m_dialog, parent),
      m_open(openFileDialog != FALSE),
      m_defaultExt(defaultExt ? defaultExt : ""),
      m_initialName(fileName ? fileName : "") {
    m_ofn.Flags = flags;
    const std::vector<std::string> parts = Split(filter ? filter : "", '|');
    for (size_t i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].empty()) break;
        m_filters.push_back({parts[i], Split(parts[i + 1], ';')});
    }
    if (m_filters.empty()) m_filters.push_back({"All Files (*.*)", {"*.*"}});
}

void CFileDialog::BuildTemplate() {
    m_caption = m_ofn.lpstrTitle.empty() ? (m_open ? "Open" : "Save As") : m_ofn.lpstrTitle;
    m_dialog = DIALOGTEMPLATE{};
    m_dialog.caption = m_caption.c_str();
    m_dialog.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER;
    m_dialog.cx = 260;
    m_dialog.cy = 170;
    m_dialog.items = {
        {-1, DialogItemKind::Static, nullptr, "Look in:", WS_VISIBLE, 7, 8, 40, 8},
        {kFolderText, DialogItemKind::Static, nullptr, "", WS_VISIBLE | SS_LEFTNOWORDWRAP, 50, 8,
         203, 8},
        {kList, DialogItemKind::ListBox, nullptr, "",
         WS_VISIBLE | WS_BORDER | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY, 7, 20, 246, 100},
        {-1, DialogItemKind::Static, nullptr, "File &name:", WS_VISIBLE, 7, 128, 50, 8},
        {kName, DialogItemKind::Edit, nullptr, "", WS_VISIBLE | WS_BORDER | WS_TABSTOP, 60, 126,
         140, 12},
        {-1, DialogItemKind::Static, nullptr, "Files of &type:", WS_VISIBLE, 7, 148, 50, 8},
        {kTypes, DialogItemKind::ComboBox, nullptr, "", WS_VISIBLE | WS_TABSTOP | CBS_DROPDOWNLIST,
         60, 146, 140, 80},
        {IDOK, DialogItemKind::Button, nullptr, m_open ? "&Open" : "&Save",
         WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 206, 125, 47, 14},
        {IDCANCEL, DialogItemKind::Button, nullptr, "Cancel", WS_VISIBLE | WS_TABSTOP, 206, 145, 47,
         14},
    };
}

int CFileDialog::DoModal() {
    if (CAutoAnswer::IsAutoAnswer()) {
        CAutoAnswer::Log(m_open ? "Open" : "Save As", m_initialName, "Cancel");
        return IDCANCEL;
    }
    BuildTemplate();
    std::error_code ec;
    m_folder =
        m_ofn.lpstrInitialDir.empty() ? fs::current_path(ec).string() : m_ofn.lpstrInitialDir;
    return CDialog::DoModal();
}

BOOL CFileDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    auto* types = static_cast<CComboBox*>(GetDlgItem(kTypes));
    for (const Filter& f : m_filters) types->AddString(f.name);
    types->SetCurSel(0);
    SetDlgItemText(kName, m_initialName);
    Refill();
    GotoDlgCtrl(GetDlgItem(kName));
    return FALSE;
}

std::vector<std::string> CFileDialog::CurrentPatterns() const {
    const auto* types = dynamic_cast<CComboBox*>(GetDlgItem(kTypes));
    const int sel = types ? types->GetCurSel() : 0;
    return m_filters[static_cast<size_t>(
                         std::clamp(sel, 0, static_cast<int>(m_filters.size()) - 1))]
        .patterns;
}

void CFileDialog::ShowFolder(const std::string& folder) {
    m_folder = folder;
    Refill();
}

void CFileDialog::Refill() {
    auto* list = dynamic_cast<CListBox*>(GetDlgItem(kList));
    if (!list) return;
    SetDlgItemText(kFolderText, m_folder);
    list->ResetContent();
    std::vector<std::string> folders{".."}, files;
    std::error_code ec;
    const std::vector<std::string> patterns = CurrentPatterns();
    for (fs::directory_iterator it(m_folder, ec), end; !ec && it != end; it.increment(ec)) {
        if (folders.size() + files.size() >= kMaxEntries) break;
        const std::string name = it->path().filename().string();
        if (name.empty() || name[0] == '.') continue;
        std::error_code typeError;
        if (it->is_directory(typeError)) {
            folders.push_back(name);
        } else if (Matches(name, patterns)) {
            files.push_back(name);
        }
    }
    std::sort(folders.begin() + 1, folders.end());
    std::sort(files.begin(), files.end());
    for (const std::string& f : folders) list->AddString("[" + f + "]");
    for (const std::string& f : files) list->AddString(f);
}

BOOL CFileDialog::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const UINT code = HIWORD(wParam);
    if (id == kTypes && code == CBN_SELCHANGE) {
        Refill();
        return TRUE;
    }
    if (id == kList && (code == LBN_SELCHANGE || code == LBN_DBLCLK)) {
        auto* list = static_cast<CListBox*>(GetDlgItem(kList));
        const std::string text = list->GetText(list->GetCurSel());
        const bool folder = text.size() >= 2 && text.front() == '[' && text.back() == ']';
        if (!folder) SetDlgItemText(kName, text);
        if (code == LBN_DBLCLK) {
            if (folder) {
                ShowFolder((fs::path(m_folder) / text.substr(1, text.size() - 2))
                               .lexically_normal()
                               .string());
            } else {
                OnOK();
            }
        }
        return TRUE;
    }
    return CDialog::OnCommand(wParam, lParam);
}

void CFileDialog::OnOK() {
    const std::string typed = GetDlgItemText(kName);
    if (typed.empty()) return;
    if (Accept(typed)) EndDialog(IDOK);
}

bool CFileDialog::Accept(const std::string& typed) {
    fs::path path(typed);
    if (path.is_relative()) path = fs::path(m_folder) / path;
    path = path.lexically_normal();
    std::error_code ec;
    if (fs::is_directory(path, ec)) {
        ShowFolder(path.string());
        SetDlgItemText(kName, "");
        return false;
    }
    if (typed.find_first_of("*?") != std::string::npos) return false;
    if (!path.has_extension() && !m_defaultExt.empty()) path += "." + m_defaultExt;
    const bool exists = fs::exists(path, ec);
    if (m_open && (m_ofn.Flags & OFN_FILEMUSTEXIST) && !exists) {
        MessageBox(
            this,
            path.filename().string() + "\nFile not found.\nCheck the file name and try again.",
            m_caption, MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    if ((m_ofn.Flags & OFN_PATHMUSTEXIST) && !fs::is_directory(path.parent_path(), ec)) {
        MessageBox(this, path.parent_path().string() + "\nPath does not exist.", m_caption,
                   MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    if (!m_open && exists && (m_ofn.Flags & OFN_OVERWRITEPROMPT)) {
        const int answer = MessageBox(
            this, path.filename().string() + " already exists.\nDo you want to replace it?",
            m_caption, MB_YESNO | MB_ICONEXCLAMATION | MB_DEFBUTTON2);
        if (answer != IDYES) return false;
    }
    m_path = path.string();
    return true;
}

std::string CFileDialog::GetFileName() const {
    return fs::path(m_path).filename().string();
}

std::string CFileDialog::GetFileExt() const {
    const std::string ext = fs::path(m_path).extension().string();
    return ext.empty() ? ext : ext.substr(1);
}

std::string CFileDialog::GetFileTitle() const {
    return fs::path(m_path).stem().string();
}
