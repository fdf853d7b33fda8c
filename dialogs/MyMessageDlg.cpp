#include "dialogs/MyMessageDlg.h"

#include <algorithm>
#include <utility>

#include "dialogs/ReportBoxHost.h"
#include "model/Enterprise.h"
#include "model/services/Services.h"
#include "platform/ui/AutoAnswer.h"
#include "platform/ui/ControlStyles.h"
#include "platform/ui/PaintDC.h"
#include "platform/ui/Styles.h"
#include "platform/ui/SystemMetrics.h"

namespace {
CMyMessageDlg::ModalHook& ModalHookSlot() {
    static CMyMessageDlg::ModalHook hook;
    return hook;
}
CMyMessageDlg::OpenHook& OpenHookSlot() {
    static CMyMessageDlg::OpenHook hook;
    return hook;
}
IReportBoxHost*& HostSlot() {
    static IReportBoxHost* host = nullptr;
    return host;
}

// The plain dialog, in dialog units.
constexpr int kMargin = 7;
constexpr int kLineHeight = 14;
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

void CMyMessageDlg::SetHost(IReportBoxHost* host) {
    HostSlot() = host;
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
    const int rows = (m_company >= 0 ? 1 : 0) + m_text.GetLineCount();
    layout = DIALOGTEMPLATE{};
    layout.id = static_cast<int>(kTemplateId);
    layout.caption = m_caption.c_str();
    layout.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER;
    layout.cx = kMargin + kTextWidth + kMargin + kButtonWidth + kMargin;
    layout.cy = kMargin + std::max(rows * kLineHeight, 2 * kButtonHeight + 4) + kMargin;
    const int buttonX = kMargin + kTextWidth + kMargin;
    layout.items.push_back({IDOK, DialogItemKind::Button, nullptr, "OK",
                            WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, buttonX, kMargin,
                            kButtonWidth, kButtonHeight});
    // Without Cancel the close box and Escape still answer IDCANCEL.
    if (m_cancelShown)
        layout.items.push_back({IDCANCEL, DialogItemKind::Button, nullptr, "Cancel",
                                WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, buttonX,
                                kMargin + kButtonHeight + 4, kButtonWidth, kButtonHeight});
}

int CMyMessageDlg::LinePixels() const {
    CRect line(0, 0, kMargin, kLineHeight);
    MapDialogRect(&line);
    return line.Height();
}

void CMyMessageDlg::OnPaint() {
    CPaintDC dc(this);
    dc.SetBkMode(TRANSPARENT);
    CRect margin(0, 0, kMargin, kMargin);
    MapDialogRect(&margin);
    const int height = LinePixels();
    int top = margin.Height();
    if (m_company >= 0) {
        // The company panel: the company's mark and name, and its
        // president's name in the second style.
        const CEnterprise* company =
            Services::HasDoc() ? Services::Companies().GetCompany(m_company) : nullptr;
        if (company) {
            std::vector<CDrawTextWnd::SRun> panel = {
                {CPoint(0, 0), company->GetName(), GetSysColor(COLOR_BTNTEXT), nullptr,
                 company->GetColor(), 0}};
            if (m_panelStyle != 0)
                panel.push_back({CPoint(-1, 0), "  " + company->GetPresidentName(),
                                 GetSysColor(COLOR_BTNTEXT), nullptr, CDrawTextWnd::kNoMark, 0});
            PaintRuns(dc, panel, margin.Width(), top, height);
        }
        top += height;
    }
    for (int line = 0; line < m_text.GetLineCount(); ++line) {
        std::vector<CDrawTextWnd::SRun> runs;
        for (const CDrawTextWnd::SRun& run : m_text.GetRuns())
            if (run.pos.y == line) runs.push_back(run);
        PaintRuns(dc, runs, margin.Width(), top, height);
        top += height;
    }
}

void CMyMessageDlg::PaintRuns(CDC& dc, const std::vector<CDrawTextWnd::SRun>& runs, int left,
                              int top, int height) {
    IReportBoxHost* host = HostSlot();
    const CSize mark = host ? host->GetMarkSize() : CSize(0, 0);
    int x = left;
    for (const CDrawTextWnd::SRun& run : runs) {
        if (run.pos.x >= 0) x = left + run.pos.x;
        if (run.mark >= -2 && host) {
            host->DrawColorMark(dc, x, top + (height - mark.cy) / 2, run.mark);
            x += mark.cx + 2;
        }
        CFont* previous = dc.SelectObject(run.font ? run.font : GetDialogFont());
        dc.SetTextColor(run.colour);
        const CSize size = dc.GetTextExtent(run.text);
        dc.TextOut(x, top + height - size.cy - 1, run.text);
        dc.SelectObject(previous);
        x += size.cx + 2;
    }
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
