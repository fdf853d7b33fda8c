#include "dialogs/MyMessageDlg.h"

#include <utility>

#include "dialogs/DialogHost.h"
#include "game/VDoc.h"
#include "model/MapDoc.h"
#include "model/services/Services.h"
#include "platform/ui/AutoAnswer.h"
#include "platform/ui/Styles.h"
#include "views/BlockMessages.h"

namespace {
CMyMessageDlg::ModalHook& ModalHookSlot() {
    static CMyMessageDlg::ModalHook hook;
    return hook;
}
}  // namespace

void CMyMessageDlg::SetModalHook(ModalHook hook) {
    ModalHookSlot() = std::move(hook);
}

CMyMessageDlg::CMyMessageDlg(CWnd* parent) : CBaseDialog(kTemplateId, parent) {}

void CMyMessageDlg::EnableAdviceList(int flag) {
    m_lineClick = flag;
    m_text.SetLineClick(flag);
}

void CMyMessageDlg::AddAdviceItem(int area, int x, int y) {
    const size_t lines = static_cast<size_t>(m_text.GetLineCount());
    while (m_tags.size() < lines) m_tags.push_back({area, CCellPoint(x, y)});
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

int CMyMessageDlg::DoModal() {
    int result = IDOK;
    if (ModalHookSlot()) {
        result = ModalHookSlot()(*this);
    } else if (CAutoAnswer::IsAutoAnswer()) {
        CAutoAnswer::Log(m_caption, LogText(), m_yesNo ? "Yes" : "OK");
    } else {
        return CBaseDialog::DoModal();
    }
    // Answered without a window: the frame's side of the close still runs.
    AfterClose();
    return result;
}

// ---------------------------------------------------------------- opening

BOOL CMyMessageDlg::OnInitDialog() {
    CBaseDialog::OnInitDialog();
    SetWindowText(m_caption);
    m_text.SubclassDlgItem(kTextId, this);
    AttachPictures();
    if (m_person >= 0 || m_structure >= 0 || m_bitmap == 1)
        LayOutBesidePicture();
    else
        ShrinkToText();
    if (m_yesNo) {
        SetDlgItemText(IDOK, "Yes");
        SetDlgItemText(IDCANCEL, "No");
    }
    CWnd* second = GetDlgItem(IDCANCEL);
    if (m_cancelShown && second) second->ShowWindow(SW_SHOW);
    m_text.Layout();
    GotoDlgCtrl(GetDlgItem(IDOK));
    return FALSE;
}

void CMyMessageDlg::AttachPictures() {
    if (m_company >= 0) {
        m_panel.SubclassDlgItem(kPanelId, this);
        m_panel.SetEnterprise(m_company);
        m_panel.SetSecondLine(m_panelStyle);
        m_panel.ShowWindow(SW_SHOW);
        // The text gives the panel its room at the top; its bottom stays.
        CRect text = ItemRect(kTextId);
        text.top += ItemRect(kPanelId).Height();
        PlaceItem(kTextId, text);
    }
    if (m_person >= 0) {
        if (m_company < 0) {
            m_personLine.SubclassDlgItem(kPanelId, this);
            m_personLine.SetPersonIndex(m_person);
            m_personLine.ShowWindow(SW_SHOW);
        }
        m_face.SubclassDlgItem(kFaceId, this);
        m_face.SetPerson(m_person + 1);
    }
    if (m_structure >= 0) {
        m_structurePicture.SubclassDlgItem(kPictureId, this);
        m_structurePicture.SetPictureSet(0);
        m_structurePicture.SetBuilding(m_structure);
        m_structurePicture.ShowWindow(SW_SHOW);
    } else if (m_bitmap == 1) {
        m_bitmapPicture.SubclassDlgItem(kPictureId, this);
        m_bitmapPicture.SetKind(CDrawBMWnd::kKindReportPicture);
        m_bitmapPicture.ShowWindow(SW_SHOW);
    }
}

void CMyMessageDlg::LayOutBesidePicture() {
    const int left = ItemRect(kFaceId).right + kGap;
    CRect panel = ItemRect(kPanelId);
    panel.left = left;
    PlaceItem(kPanelId, panel);
    CRect text = ItemRect(kTextId);
    text.left = left;
    if (m_person >= 0 || m_company >= 0) text.top = panel.bottom + kGap;
    PlaceItem(kTextId, text);
}

void CMyMessageDlg::ShrinkToText() {
    CRect text = ItemRect(kTextId);
    const int q = text.Width() / 4;
    CRect client;
    m_text.GetClientRect(&client);
    const int needed = m_text.GetTextHeight(1);
    const int d = needed < client.Height() ? client.Height() - needed : 0;
    text.right -= q;
    text.bottom -= d;
    PlaceItem(kTextId, text);
    CRect panel = ItemRect(kPanelId);
    panel.right -= q;
    PlaceItem(kPanelId, panel);
    for (int id : {IDOK, IDCANCEL}) {
        CRect button = ItemRect(id);
        button.OffsetRect(-q, 0);
        PlaceItem(id, button);
    }
    CRect window;
    GetWindowRect(&window);
    SetWindowPos(nullptr, 0, 0, window.Width() - q, window.Height() - d,
                 SWP_NOMOVE | SWP_NOZORDER);
}

CRect CMyMessageDlg::ItemRect(int id) const {
    CRect rect;
    if (CWnd* item = GetDlgItem(id)) {
        item->GetWindowRect(&rect);
        ScreenToClient(&rect);
    }
    return rect;
}

void CMyMessageDlg::PlaceItem(int id, const CRect& rect) {
    if (CWnd* item = GetDlgItem(id)) item->MoveWindow(rect, TRUE);
}

// ---------------------------------------------------------------- answers

void CMyMessageDlg::OnCancel() {
    // A report that offers no way out stays while a person gives orders: it
    // must be read, and OK (or its time-out) ends it.
    IDialogHost* host = IDialogHost::Get();
    if (!m_cancelShown && host && host->IsCommandInputActive()) return;
    CBaseDialog::OnCancel();
}

void CMyMessageDlg::OnDestroy() {
    if (m_lineClick) EndHighlight();
    CBaseDialog::OnDestroy();
}

LRESULT CMyMessageDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_BLOCK_LINE_CLICKED) {
        OnLineClicked(static_cast<int>(wParam));
        return 0;
    }
    return CBaseDialog::WindowProc(message, wParam, lParam);
}

// ---------------------------------------------------------------- advice lines

void CMyMessageDlg::EndHighlight() {
    Services::Frame().FlushChangedCells(1);
}

void CMyMessageDlg::OnLineClicked(int number) {
    if (!m_lineClick || number < 1 || number > static_cast<int>(m_tags.size())) return;
    EndHighlight();
    const SLineTag& tag = m_tags[static_cast<size_t>(number - 1)];
    CVDoc* doc = GetDocument();
    // The tags come from stored advice: an area or cell outside the map
    // points nowhere.
    if (!doc || tag.area < 0 || tag.area >= doc->GetMap().GetAreaCount()) return;
    doc->SelectArea(tag.area);
    int width = 0, height = 0;
    if (tag.cell.x < 0 || tag.cell.y < 0 || !doc->GetAreaSize(tag.area, width, height) ||
        tag.cell.x >= width || tag.cell.y >= height)
        return;
    // A cell without a building blinks alone.
    CCellPoint anchor, first;
    if (!doc->GetMap().GetStructureExtent(tag.area, tag.cell.x, tag.cell.y, anchor, first))
        anchor = first = tag.cell;
    Services::Frame().MarkCellRect(anchor.x, anchor.y, first.x, first.y, kBlinkMs);
}
