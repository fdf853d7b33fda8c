#include "views/EpBaseInfo.h"

#include <algorithm>

#include "game/VDoc.h"
#include "model/DrawingHelpers.h"
#include "model/Enterprise.h"
#include "model/PictureStrips.h"
#include "platform/gfx/DC.h"
#include "platform/gfx/SystemColors.h"
#include "platform/ui/SystemMetrics.h"
#include "platform/ui/PaintDC.h"
#include "views/BlockHost.h"
#include "views/InfoPage.h"
#include "views/OwnerRow.h"

namespace {

// An etched group frame with its heading over the top edge; x and width in
// cells from the face offset, y and height in half cells.
struct SGroupFrame {
    int x, halfY, width, halfHeight;
    const char* heading;
};
constexpr SGroupFrame kFrames[] = {
    {2, 13, 24, 8, "Realestate"},
    {27, 5, 24, 6, "Employee Salary"},
    {27, 13, 24, 8, "Employees"},
};

// Where the gauge stands: the value column of the "Loyalty:" row.
constexpr int kGaugeColumn = 45;
constexpr int kGaugeLine = 9;
constexpr int kGaugeCells = 5;
constexpr int kGaugeFull = 100;

std::string Number(int value) {
    return OwnerRow::Format("%d", value);
}

}  // namespace

int CEpBaseInfo::FaceOffset(const CEnterprise& company) {
    return company.IsHumanPlayed() ? 0 : kFaceCells;
}

std::vector<CEpBaseInfo::SFigure> CEpBaseInfo::Figures(const CEnterprise& company, CVDoc& doc) {
    const int o = FaceOffset(company);
    const int home = company.GetHomeArea();
    const CEpMapData& totals = company.GetAreaRecord(0);
    const std::string salary =
        company.IsFixedPay() ? std::string("----") : Number(company.GetStandardSalary());
    return {
        {"Funds:", Number(company.GetFunds()), o + 3, 3},
        {"Debt:", Number(company.GetDebt()), o + 3, 4},
        {"Advertising:", Number(company.GetAdvertisingBudget()), o + 3, 5},
        {"Expanded Area:", Number(company.CountAreasAtLevel(1)), o + 3, 7},
        {"Land:", Number(totals.GetLand()), o + 3, 8},
        {"Buildings:", Number(totals.GetBuildings()), o + 3, 9},
        {"Standard Salary:", salary, o + 28, 3},
        {"Total:", Number(company.GetMonthlyPayroll(0, 0)), o + 28, 4},
        {"Total:", Number(company.GetEmployees()), o + 28, 7},
        {"Inactive:", Number(company.GetEmployeesAtWork()), o + 28, 8},
        {"Loyalty:", "", o + 28, kGaugeLine},
        {"Head Office:", home < 0 ? std::string("None") : doc.GetAreaName(home), o + 28, 1, 15, 20,
         0},
    };
}

int CEpBaseInfo::GaugeValue(int rating) {
    return std::clamp(rating / 2 + kGaugeFull / 2, 0, kGaugeFull);
}

void CEpBaseInfo::ApplyGaugeScheme(CGraphBarWnd& gauge, int value) {
    if (value > kGaugeFull * 2 / 3) {
        gauge.SetBarColors(RGB(0, 0, 255), GetSysColor(COLOR_BTNFACE));
        gauge.SetTextColors(RGB(255, 255, 0), GetSysColor(COLOR_BTNTEXT));
    } else if (value <= kGaugeFull / 3) {
        gauge.SetBarColors(RGB(255, 0, 0), GetSysColor(COLOR_BTNFACE));
        gauge.SetTextColors(RGB(255, 255, 255), GetSysColor(COLOR_BTNTEXT));
    } else {
        gauge.SetBarColors(RGB(255, 255, 0), GetSysColor(COLOR_BTNFACE));
        gauge.SetTextColors(GetSysColor(COLOR_BTNTEXT), GetSysColor(COLOR_BTNTEXT));
    }
}

int CEpBaseInfo::OnCreate(CREATESTRUCT* create) {
    if (CInfoBasePageWnd::OnCreate(create) == -1) return -1;
    const CSize cell = InfoPage::LayoutCell();
    const CRect face(cell.cx, 5 * cell.cy / 2, 16 * cell.cx, 5 * cell.cy / 2 + 8 * cell.cy);
    if (!m_face.CreateEx(0, "VELMO_3DFaceWindow", "", WS_CHILD, face, this, kFaceId)) return -1;
    const CRect gauge(0, 0, kGaugeCells * cell.cx, cell.cy);
    if (!m_gauge.CreateEx(WS_EX_CLIENTEDGE, "VELMO_NoBackWindow", "", WS_CHILD, gauge, this, 0))
        return -1;
    m_gauge.SetMaximum(kGaugeFull);
    return 0;
}

void CEpBaseInfo::Refresh() {
    const CEnterprise* company = InfoPage::ShownCompany(*this);
    if (!company) return;
    m_face.SetPerson(company->GetPresidentNumber());
    const int value = GaugeValue(company->GetRating());
    m_gauge.SetBarValue(value);
    ApplyGaugeScheme(m_gauge, value);
    const CSize cell = InfoPage::LayoutCell();
    m_gauge.SetWindowPos(nullptr, (FaceOffset(*company) + kGaugeColumn) * cell.cx,
                         kGaugeLine * cell.cy, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    m_gauge.ShowWindow(SW_SHOW);
    m_gauge.Invalidate(FALSE);
    if (IsWindow()) Invalidate(FALSE);
}

void CEpBaseInfo::DrawFrames(CDC& dc, int offset) const {
    IBlockHost* host = IBlockHost::Get();
    CPictureStrips* strips = host ? host->GetMarkStrips() : nullptr;
    const CSize cell = InfoPage::LayoutCell();
    for (const SGroupFrame& frame : kFrames) {
        const int x = (offset + frame.x) * cell.cx;
        if (strips)
            strips->DrawEtchedFrame(dc, x, frame.halfY * cell.cy / 2, frame.width * cell.cx,
                                    frame.halfHeight * cell.cy / 2);
        // The heading's filled background cuts the frame's top edge.
        const int left = x + cell.cx;
        const int top = (frame.halfY - 1) * cell.cy / 2;
        const CRect heading(left, top, left + dc.GetTextExtent(frame.heading).cx, top + cell.cy);
        DrawTextInRect(dc, frame.heading, heading, 0, TRUE, 0, -1);
    }
}

void CEpBaseInfo::DrawFigure(CDC& dc, const SFigure& figure, CSize cell) {
    const int top = figure.line * cell.cy;
    int labelRight = (figure.x + figure.labelCells) * cell.cx;
    CRect value(labelRight, top, labelRight + figure.valueCells * cell.cx, top + cell.cy);
    if (figure.valueAlign == 2) {
        // A figure wider than its column takes room from the label's side
        // rather than losing its first digits.
        const int width = dc.GetTextExtent(figure.value).cx;
        if (width > value.Width()) {
            value.left = value.right - width;
            labelRight = value.left - cell.cx / 2;
        }
    } else {
        // A left-aligned value keeps a little distance from its label.
        value.left += cell.cx / 2;
    }
    const CRect label(figure.x * cell.cx, top, labelRight, top + cell.cy);
    DrawTextInRect(dc, figure.label.c_str(), label, 2, TRUE, 0, -1);
    if (!figure.value.empty())
        DrawTextInRect(dc, figure.value.c_str(), value, figure.valueAlign, TRUE, 0, -1);
}

void CEpBaseInfo::Draw(CDC& dc) const {
    const CEnterprise* company = InfoPage::ShownCompany(*this);
    CVDoc* doc = InfoPage::Document();
    if (!company || !doc) return;
    const CSize cell = InfoPage::LayoutCell();
    IBlockHost* host = IBlockHost::Get();
    CPictureStrips* strips = host ? host->GetMarkStrips() : nullptr;
    if (strips) strips->DrawCompanyTitle(dc, 0, 0, 24 * cell.cx, 2 * cell.cy, *company, TRUE);
    DrawFrames(dc, FaceOffset(*company));
    for (const SFigure& figure : Figures(*company, *doc)) DrawFigure(dc, figure, cell);
}

void CEpBaseInfo::OnPaint() {
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    InfoPage::PaintOffScreen(dc, client.Width(), client.Height(),
                             [this](CDC& page) { Draw(page); });
}

BOOL CEpBaseInfo::OnEraseBkgnd(CDC* /*dc*/) {
    // The off-screen picture covers every pixel.
    return TRUE;
}
