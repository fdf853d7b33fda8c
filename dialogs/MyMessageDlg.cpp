#include "dialogs/MyMessageDlg.h"

#include <algorithm>
#include <utility>

#include "model/Enterprise.h"
#include "model/services/Services.h"
#include "platform/ui/AutoAnswer.h"
#include "platform/ui/ControlStyles.h"
#include "platform/ui/Styles.h"

namespace {
CMyMessageDlg::ModalHook& ModalHookSlot() {
    static CMyMessageDlg::ModalHook hook;
    return hook;
}
CMyMessageDlg::OpenHook& OpenHookSlot() {
    static CMyMessageDlg::OpenHook hook;
    return hook;
}

// The plain dialog, in dialog units.
constexpr int kMargin = 7;
constexpr int kLineHeight = 10;
constexpr int kTextWidth = 250;
constexpr int kButtonWidth = 40;
constexpr int kButtonHeight = 14;
}  // namespace

void CMyMessageDlg::SetModalHook(ModalHook hook) {
    ModalHookSlot() = std::move(hook);
}

void CMyMessageDlg::SetOpenHook(OpenHook hook) {
    OpenHookSlot() = std::move(hook);
}

CMyMessageDlg::CMyMessageDlg(CWnd* parent) : CDialog(&layout, parent) {}

void CMyMessageDlg::EnableAdviceList(int flag) {
    m_adviceList = flag;
    m_text.SetLineClick(flag);
}

void CMyMessageDlg::AddAdviceItem(int area, int x, int y) {
    const size_t lines = static_cast<size_t>(m_text.GetLineCount());
    while (m_lineTags.size() < lines) m_lineTags.push_back({area, CCellPoint(x, y)});
}

std::string CMyMessageDlg::PanelText() const {
    if (m_company < 0 || !Services::HasDoc()) return "";
    const CEnterprise* company = Services::Companies().GetCompany(m_company);
    if (!company) return "";
    if (m_panelStyle == 0) return company->GetName();
    return company->GetName() + "  " + company->GetPresidentName();
}

std::string CMyMessageDlg::LogText() const {
    std::string text;
    for (int line = 0; line < m_text.GetLineCount(); ++line) {
        const std::string shown = m_text.GetLineText(line);
        if (shown.empty()) continue;
        if (!text.empty()) text += " / ";
        text += shown;
    }
    return text;
}

void CMyMessageDlg::BuildLayout() {
    m_shownLines.clear();
    const std::string panel = PanelText();
    if (!panel.empty()) m_shownLines.push_back(panel);
    for (int line = 0; line < m_text.GetLineCount(); ++line)
        m_shownLines.push_back(m_text.GetLineText(line));

    layout = DIALOGTEMPLATE{};
    layout.id = static_cast<int>(kTemplateId);
    layout.caption = m_caption.c_str();
    layout.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER;
    const int textHeight = static_cast<int>(m_shownLines.size()) * kLineHeight;
    layout.cx = kMargin + kTextWidth + kMargin + kButtonWidth + kMargin;
    layout.cy = kMargin + std::max(textHeight, 2 * kButtonHeight + 4) + kMargin;
    int id = panel.empty() ? kFirstLineId : kPanelId;
    for (size_t i = 0; i < m_shownLines.size(); ++i) {
        layout.items.push_back({id, DialogItemKind::Static, nullptr, m_shownLines[i].c_str(),
                                WS_VISIBLE | SS_LEFTNOWORDWRAP | SS_NOPREFIX, kMargin,
                                kMargin + static_cast<int>(i) * kLineHeight, kTextWidth,
                                kLineHeight - 1});
        id = (id == kPanelId) ? kFirstLineId : id + 1;
    }
    const int buttonX = kMargin + kTextWidth + kMargin;
    layout.items.push_back({IDOK, DialogItemKind::Button, nullptr, "OK",
                            WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, buttonX, kMargin,
                            kButtonWidth, kButtonHeight});
    layout.items.push_back({IDCANCEL, DialogItemKind::Button, nullptr, "Cancel",
                            (m_cancelShown ? WS_VISIBLE : 0u) | WS_TABSTOP | BS_PUSHBUTTON,
                            buttonX, kMargin + kButtonHeight + 4, kButtonWidth, kButtonHeight});
}

int CMyMessageDlg::DoModal() {
    if (ModalHookSlot()) return ModalHookSlot()(*this);
    if (CAutoAnswer::IsAutoAnswer()) {
        CAutoAnswer::Log(m_caption, LogText(), "OK");
        return IDOK;
    }
    BuildLayout();
    return CDialog::DoModal();
}

BOOL CMyMessageDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    if (m_autoCloseMs > 0) SetTimer(kAutoCloseTimer, static_cast<UINT>(m_autoCloseMs));
    if (OpenHookSlot()) OpenHookSlot()(*this);
    return TRUE;
}

void CMyMessageDlg::OnTimer(UINT_PTR id) {
    if (id != kAutoCloseTimer) {
        CDialog::OnTimer(id);
        return;
    }
    KillTimer(kAutoCloseTimer);
    PostMessage(WM_COMMAND, IDOK);
}
