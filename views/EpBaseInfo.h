#pragma once
// The "Status" page of the company pages: the shown company's title, its
// money, real estate, salary and employee figures in etched groups, its
// president's face when the computer runs it, and the loyalty gauge. A
// company a person plays has no face, so its columns stand 15 cells
// further left.

#include <string>
#include <vector>

#include "views/DrawFaceWnd.h"
#include "views/GraphBarWnd.h"
#include "views/InfoBasePageWnd.h"

class CEnterprise;
class CVDoc;

class CEpBaseInfo : public CInfoBasePageWnd {
public:
    static constexpr UINT kFaceId = 2020;
    // The room the president's face takes at the left, in cells.
    static constexpr int kFaceCells = 15;

    // One label and its value, in cells from the page's top left.
    struct SFigure {
        std::string label;
        std::string value;  // empty: the row holds the gauge instead
        int x = 0;          // the face offset included
        int line = 0;
        int labelCells = 17;  // the label is right-aligned in these
        int valueCells = 5;   // the value follows in these
        int valueAlign = 2;   // 0 left, 2 right
    };

    // 0 for a company a person plays, else kFaceCells.
    static int FaceOffset(const CEnterprise& company);
    // The page's rows for a company, in drawing order.
    static std::vector<SFigure> Figures(const CEnterprise& company, CVDoc& doc);
    // The loyalty gauge's value 0..100 for a rating of -100..100.
    static int GaugeValue(int rating);
    // The gauge's colours for its value: blue above two thirds, red at one
    // third or below, yellow between.
    static void ApplyGaugeScheme(CGraphBarWnd& gauge, int value);

    // Shows the shown company's face and gauge and repaints the page.
    void Refresh() override;
    // Draws the shown company's page onto a context set up by
    // InfoPage::PrepareContext; nothing while no company is shown.
    void Draw(CDC& dc) const;

    const CDrawFaceWnd& GetFace() const { return m_face; }
    const CGraphBarWnd& GetGauge() const { return m_gauge; }

protected:
    int OnCreate(CREATESTRUCT* create) override;
    void OnPaint() override;
    BOOL OnEraseBkgnd(CDC* dc) override;

private:
    void DrawFrames(CDC& dc, int offset) const;
    static void DrawFigure(CDC& dc, const SFigure& figure, CSize cell);

    CDrawFaceWnd m_face;
    CGraphBarWnd m_gauge;
};
