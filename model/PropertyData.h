#pragma once
// One row of a real-estate list: a lot (a cell with its land and whatever
// structure stands on it) as the map and the economic calculations see it
// when the list is built. Rows are made on each use, copied by value, and
// neither saved nor sent.

#include <string>

#include "model/CellPoint.h"

class CPropertyData {
public:
    CPropertyData() = default;

    // Fills the row from the cell of the game's map; a cell outside the map
    // leaves the row as it was.
    void SetFromLot(int area, int x, int y);

    const CCellPoint& GetCell() const { return m_cell; }
    int HasStructure() const { return m_hasStructure; }
    const std::string& GetLandName() const { return m_landName; }
    // Empty without a structure.
    const std::string& GetStructureName() const { return m_structureName; }
    // -1 when the lot cannot be traded.
    int GetPrice() const { return m_price; }
    // The structure's yearly income, and that income less its expenses and
    // its staff's pay.
    int GetProceeds() const { return m_proceeds; }
    int GetProfit() const { return m_profit; }
    // The structure's durability; 0 without one.
    int GetLife() const { return m_life; }

private:
    void AddStructureFigures(int area, int x, int y);

    CCellPoint m_cell{-1, -1};
    int m_hasStructure = 0;
    std::string m_landName;
    std::string m_structureName;
    int m_price = 0;
    int m_proceeds = 0;
    int m_profit = 0;
    int m_life = 0;
};
