#include "platform/ui/ColorDialog.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "platform/ui/AutoAnswer.h"
#include "platform/ui/ControlMessages.h"
#include "platform/ui/DC.h"
#include "platform/ui/Edit.h"
#include "platform/ui/detail/ColorGridWnd.h"

namespace {

constexpr int kBasic = 720;
constexpr int kCustom = 721;
constexpr int kPreview = 709;
constexpr int kRed = 706;
constexpr int kGreen = 707;
constexpr int kBlue = 708;
constexpr int kAdd = 712;

std::vector<COLORREF> BasicColours() {
    static const int levels[] = {0, 64, 128, 192, 255};
    std::vector<COLORREF> colours;
    // Six hues at four strengths, then the greys and a few mixed ones.
    const int hues[6][3] = {{1, 0, 0}, {1, 1, 0}, {0, 1, 0}, {0, 1, 1}, {0, 0, 1}, {1, 0, 1}};
    for (int strength = 4; strength >= 1; --strength) {
        for (const auto& h : hues) {
            colours.push_back(
                RGB(h[0] * levels[strength], h[1] * levels[strength], h[2] * levels[strength]));
        }
        colours.push_back(RGB(levels[strength], levels[strength] / 2, 0));
        colours.push_back(RGB(levels[strength] / 2, 0, levels[strength]));
    }
    for (int g : {0, 64, 96, 128, 160, 192, 224, 255}) colours.push_back(RGB(g, g, g));
    colours.push_back(RGB(255, 128, 128));
    colours.push_back(RGB(128, 255, 128));
    colours.push_back(RGB(128, 128, 255));
    colours.push_back(RGB(255, 255, 128));
    colours.push_back(RGB(128, 255, 255));
    colours.push_back(RGB(255, 128, 255));
    colours.push_back(RGB(255, 192, 128));
    colours.push_back(RGB(192, 128, 64));
    colours.resize(48, RGB(255, 255, 255));
    return colours;
}

}  // namespace

CColorDialog::CColorDialog(COLORREF initial, DWORD flags, CWnd* parent)
    : CDialog(&m_dialog, parent) {
    m_cc.rgbResult = initial;
    m_cc.Flags = flags;
    std::fill(std::begin(m_custom), std::end(m_custom), RGB(255, 255, 255));
}

CColorDialog::~CColorDialog() {
    if (IsWindow()) DestroyWindow();
}

void CColorDialog::BuildTemplate() {
    CColorGridWnd::ClassName();
    m_dialog = DIALOGTEMPLATE{};
    m_dialog.caption = "Color";
    m_dialog.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER;
    m_dialog.cx = 300;
    m_dialog.cy = 180;
    m_dialog.items = {
        {-1, DialogItemKind::Static, nullptr, "&Basic colors:", WS_VISIBLE, 7, 5, 140, 8},
        {kBasic, DialogItemKind::Custom, CColorGridWnd::ClassName(), "", WS_VISIBLE | WS_TABSTOP, 7,
         15, 140, 90},
        {-1, DialogItemKind::Static, nullptr, "&Custom colors:", WS_VISIBLE, 7, 110, 140, 8},
        {kCustom, DialogItemKind::Custom, CColorGridWnd::ClassName(), "", WS_VISIBLE | WS_TABSTOP,
         7, 120, 140, 30},
        {kPreview, DialogItemKind::Static, nullptr, "", WS_VISIBLE | SS_OWNERDRAW | SS_SUNKEN, 160,
         15, 60, 40},
        {-1, DialogItemKind::Static, nullptr, "&Red:", WS_VISIBLE, 160, 65, 30, 8},
        {kRed, DialogItemKind::Edit, nullptr, "", WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_NUMBER,
         195, 63, 30, 12},
        {-1, DialogItemKind::Static, nullptr, "&Green:", WS_VISIBLE, 160, 81, 30, 8},
        {kGreen, DialogItemKind::Edit, nullptr, "", WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_NUMBER,
         195, 79, 30, 12},
        {-1, DialogItemKind::Static, nullptr, "Bl&ue:", WS_VISIBLE, 160, 97, 30, 8},
        {kBlue, DialogItemKind::Edit, nullptr, "", WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_NUMBER,
         195, 95, 30, 12},
        {kAdd, DialogItemKind::Button, nullptr, "&Add to Custom Colors", WS_VISIBLE | WS_TABSTOP,
         160, 115, 120, 14},
        {IDOK, DialogItemKind::Button, nullptr, "OK", WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 7,
         160, 50, 14},
        {IDCANCEL, DialogItemKind::Button, nullptr, "Cancel", WS_VISIBLE | WS_TABSTOP, 62, 160, 50,
         14},
    };
}

int CColorDialog::DoModal() {
    if (CAutoAnswer::IsAutoAnswer()) {
        CAutoAnswer::Log("Color", "", "Cancel");
        return IDCANCEL;
    }
    if (m_cc.lpCustColors) std::copy(m_cc.lpCustColors, m_cc.lpCustColors + 16, m_custom);
    m_current = (m_cc.Flags & CC_RGBINIT) ? (m_cc.rgbResult & 0xFFFFFF) : 0;
    BuildTemplate();
    return CDialog::DoModal();
}

BOOL CColorDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    m_basic = std::make_unique<CColorGridWnd>();
    m_customGrid = std::make_unique<CColorGridWnd>();
    m_basic->SubclassDlgItem(kBasic, this);
    m_customGrid->SubclassDlgItem(kCustom, this);
    const std::vector<COLORREF> basic = BasicColours();
    m_basic->SetColors(basic, 8);
    m_customGrid->SetColors(std::vector<COLORREF>(std::begin(m_custom), std::end(m_custom)), 8);
    for (auto* edit : {GetDlgItem(kRed), GetDlgItem(kGreen), GetDlgItem(kBlue)}) {
        static_cast<CEdit*>(edit)->LimitText(3);
    }
    auto at = std::find(basic.begin(), basic.end(), m_current);
    if (at != basic.end()) m_basic->SetSelected(static_cast<int>(at - basic.begin()));
    ShowValues();
    return TRUE;
}

void CColorDialog::SetCurrentColor(COLORREF color) {
    m_current = color & 0xFFFFFF;
    ShowValues();
}

void CColorDialog::ShowValues() {
    if (!IsWindow()) return;
    m_updating = true;
    SetDlgItemInt(kRed, GetRValue(m_current));
    SetDlgItemInt(kGreen, GetGValue(m_current));
    SetDlgItemInt(kBlue, GetBValue(m_current));
    m_updating = false;
    if (CWnd* preview = GetDlgItem(kPreview)) preview->Invalidate();
}

BOOL CColorDialog::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const UINT code = HIWORD(wParam);
    if ((id == kBasic || id == kCustom) && code == BN_CLICKED) {
        CColorGridWnd* grid = id == kBasic ? m_basic.get() : m_customGrid.get();
        const int index = grid->GetSelected();
        if (index >= 0) SetCurrentColor(grid->Colors()[static_cast<size_t>(index)]);
        if (id == kCustom && index >= 0) m_nextCustom = index;
        return TRUE;
    }
    if ((id == kRed || id == kGreen || id == kBlue) && code == EN_CHANGE) {
        if (m_updating) return TRUE;
        const int r = std::clamp(GetDlgItemInt(kRed, nullptr, FALSE), 0, 255);
        const int g = std::clamp(GetDlgItemInt(kGreen, nullptr, FALSE), 0, 255);
        const int b = std::clamp(GetDlgItemInt(kBlue, nullptr, FALSE), 0, 255);
        m_current = RGB(r, g, b);
        if (CWnd* preview = GetDlgItem(kPreview)) preview->Invalidate();
        return TRUE;
    }
    if (id == kAdd && code == BN_CLICKED) {
        m_custom[m_nextCustom] = m_current;
        m_customGrid->SetColor(m_nextCustom, m_current);
        m_nextCustom = (m_nextCustom + 1) % 16;
        return TRUE;
    }
    return CDialog::OnCommand(wParam, lParam);
}

void CColorDialog::OnOK() {
    m_cc.rgbResult = m_current;
    if (m_cc.lpCustColors) std::copy(std::begin(m_custom), std::end(m_custom), m_cc.lpCustColors);
    EndDialog(IDOK);
}

LRESULT CColorDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DRAWITEM && wParam == kPreview && lParam) {
        auto* dis = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
        dis->hDC->FillSolidRect(dis->rcItem, m_current);
        return TRUE;
    }
    return CDialog::WindowProc(message, wParam, lParam);
}
