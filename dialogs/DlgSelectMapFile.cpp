#include "dialogs/DlgSelectMapFile.h"

#include <algorithm>
#include <memory>
#include <new>

#include "model/AppFonts.h"
#include "model/MapDoc.h"
#include "model/services/Services.h"
#include "platform/core/Archive.h"
#include "platform/core/ArchiveStream.h"
#include "platform/core/TextFormat.h"
#include "platform/ui/AutoAnswer.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/SystemMetrics.h"
#include "resources/SetUpIds.h"
#include "views/BlockHost.h"

namespace {

// Reads a map data file into a map of its own; the message of the failure
// is empty when it loaded.
std::unique_ptr<CMapDoc> ReadMapFile(const std::string& path, std::string& failure) {
    auto map = std::make_unique<CMapDoc>();
    try {
        CFileStream file;
        if (!file.Open(path, CFileStream::modeRead)) {
            failure = FormatText(CDlgSelectMapFile::kBadFileText, path.c_str());
            return nullptr;
        }
        CArchive ar(file, CArchive::load);
        map->SetMapFileMode(1);
        map->Serialize(ar);
        map->SetMapFileMode(0);
    } catch (const std::bad_alloc&) {
        failure = CDlgSelectMapFile::kNoMemoryText;
        return nullptr;
    } catch (...) {
        // Archive errors, the loader's own data errors and anything else
        // a damaged file may raise.
        failure = FormatText(CDlgSelectMapFile::kBadFileText, path.c_str());
        return nullptr;
    }
    return map;
}

CFont* AppFont(int which) {
    IBlockHost* host = IBlockHost::Get();
    CAppFonts* fonts = host ? host->GetAppFonts() : nullptr;
    if (!fonts) return nullptr;
    return which == 2 ? fonts->GetMessageFont2() : fonts->GetUIFont();
}

}  // namespace

CDlgSelectMapFile::CDlgSelectMapFile(CWnd* parent) : CDialog(setup_ids::kMapFileDialog, parent) {}

void CDlgSelectMapFile::SetFileNames(const std::vector<std::string>& names) {
    m_names = names;
    m_chosen = -1;
}

int CDlgSelectMapFile::DoModal() {
    if (CAutoAnswer::IsAutoAnswer() && !CDialog::HasInitHook()) {
        if (m_names.empty()) return IDCANCEL;
        m_chosen = static_cast<int>(std::min_element(m_names.begin(), m_names.end()) -
                                    m_names.begin());
        CAutoAnswer::Log("Map Data File", "Select Map Data File",
                         m_names[static_cast<size_t>(m_chosen)]);
        return IDOK;
    }
    return CDialog::DoModal();
}

BOOL CDlgSelectMapFile::OnInitDialog() {
    CDialog::OnInitDialog();
    m_text.SubclassDlgItem(setup_ids::kText, this);
    auto* list = static_cast<CListBox*>(GetDlgItem(setup_ids::kFileList));
    for (const std::string& name : m_names) list->AddString(name);
    return TRUE;
}

BOOL CDlgSelectMapFile::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (LOWORD(wParam) == setup_ids::kFileList && HIWORD(wParam) == LBN_SELCHANGE) {
        const int selected = static_cast<CListBox*>(GetDlgItem(setup_ids::kFileList))->GetCurSel();
        if (selected >= 0 && selected < static_cast<int>(m_names.size()))
            ShowContent(m_names[static_cast<size_t>(selected)]);
        return TRUE;
    }
    return CDialog::OnCommand(wParam, lParam);
}

void CDlgSelectMapFile::ShowContent(const std::string& name) {
    m_text.Clear();
    std::string failure;
    const std::string path = Services::App().GetProgramDirectory() + name;
    std::unique_ptr<CMapDoc> map = ReadMapFile(path, failure);
    if (!map) {
        m_text.Layout();
        AfxMessageBox(failure, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    const COLORREF colour = GetSysColor(COLOR_BTNTEXT);
    m_text.AddText(CPoint(0, 0), FormatText("Map:%d", map->GetAreaCount()), colour, AppFont(2),
                   CDrawTextWnd::kNoMark, 0);
    for (int area = 0; area < map->GetAreaCount(); ++area) {
        m_text.AddText(CPoint(0, area + 1),
                       FormatText(" %3d.%s", area + 1, map->GetAreaName(area).c_str()), colour,
                       AppFont(3), CDrawTextWnd::kNoMark, 0);
    }
    m_text.Layout();
}

void CDlgSelectMapFile::OnOK() {
    const int selected = static_cast<CListBox*>(GetDlgItem(setup_ids::kFileList))->GetCurSel();
    if (selected < 0) {
        MessageBeep(0);
        return;
    }
    m_chosen = selected;
    CDialog::OnOK();
}
