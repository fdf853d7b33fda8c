#pragma once
// The information balloon that tells about the cell under the mouse: a
// two-column table of labels and values (who owns the cell, the land, the
// building, the plot's price, what an owned building earns and costs, how
// long it lasts, the expo site, the teams of a stadium), computed with its
// size by Prepare and painted from what Prepare stored.

#include <string>
#include <vector>

#include "platform/gfx/Size.h"
#include "platform/ui/Wnd.h"

class CDC;
class CMapDrawWnd;
class CVDoc;

class CBalonWnd : public CWnd {
public:
    // A row's mark colour when it shows no colour mark.
    static constexpr int kNoMark = -100;

    // One row as painted: a right-aligned label and a value, or one text
    // across both columns; a colour mark of a company before the value.
    struct SRow {
        std::string label;
        std::string value;
        int height = 0;
        int markColour = kNoMark;
        bool across = false;
    };

    // The document the next Prepare reads.
    void SetDrawSource(CVDoc* doc) { m_doc = doc; }
    // Fills the table for cell (x, y) of `area` and returns the window size
    // it needs; 0 x 0 for a cell that is not on the map.
    CSize Prepare(int area, int x, int y);

    // What the last Prepare found, as painting shows it, top to bottom.
    std::vector<SRow> GetRows() const;
    int GetLabelWidth() const { return m_labelWidth; }
    int GetValueWidth() const { return m_valueWidth; }
    // Paints the table with its top left corner at the origin and `gap`
    // pixels between the label and the value column.
    void DrawTable(CDC& dc, CPoint origin, int gap) const;

protected:
    int OnCreate(CREATESTRUCT* create) override;
    void OnPaint() override;
    void OnKeyDown(UINT key, UINT repeat, UINT flags) override;

private:
    struct SMeasure;
    void Clear();
    void ReadOwner(SMeasure& m, int owner);
    void ReadLand(SMeasure& m, int area, int x, int y);
    void ReadBuildingFigures(SMeasure& m, int area, int x, int y);
    void ReadTeams(SMeasure& m, int area, int x, int y);
    // The layout size's line height and the mark cell, from the
    // application's fonts and strips.
    static CSize LayoutSize();
    static CSize MarkCell();

    CVDoc* m_doc = nullptr;
    CMapDrawWnd* m_mapWnd = nullptr;
    int m_labelWidth = 0;
    int m_valueWidth = 0;
    // 0 no building, 1 a building without owner, 2 with one.
    int m_kind = 0;
    int m_usable = 0;
    int m_expoSite = 0;
    int m_ownerColor = -1;
    std::string m_ownerText;
    std::string m_landText;
    std::string m_buildingText;
    std::string m_priceText;
    std::string m_salesText;
    std::string m_expensesText;
    std::string m_profitText;
    std::string m_lifeSpanText;
    // The teams whose home field is the cell: league and index, with the
    // name and the owner's colour as Prepare found them.
    std::vector<int> m_teamLeagues;
    std::vector<int> m_teamIndexes;
    std::vector<std::string> m_teamNames;
    std::vector<int> m_teamColours;
};
