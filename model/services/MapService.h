#pragma once
// The game's map: its cells, areas, type tables and lots. Part of what the records need of the game
// document (see DocService.h).

#include <string>

class CBD;
class CLeague;
class CMapDoc;
class CPersonData;

// What the map document's lot search for a purchasing director found.
struct SLotFound {
    int x = -1, y = -1;   // the best cell
    int price = 0;        // its price as the director sees it
    int direction = -1;   // a neighbour also for sale: 0 up, 1 right, 2 down, 3 left; -1 none
    int secondPrice = 0;  // that neighbour's price
};

class IMapService {
public:
    virtual ~IMapService() = default;
    // The game's map; nullptr while there is none.
    virtual CMapDoc* GetMapDoc() = 0;
    // Map cells: owner (company + 1, 0 none), structure number (0 none) and
    // whether the cell belongs to the area's project. Any area or cell outside
    // the map answers 0, 0 and false.
    virtual int GetCellOwner(int area, int x, int y) = 0;
    virtual int GetCellStructure(int area, int x, int y) = 0;
    virtual bool IsProjectCell(int area, int x, int y) = 0;
    // The type code of structure type index type; 0 outside the table.
    virtual int GetStructureTypeCode(int type) = 0;
    // Entry index of the game map's land-type / structure-type table;
    // nullptr outside the table.
    virtual const CBD* GetLandType(int index) = 0;
    virtual const CBD* GetStructureType(int index) = 0;
    // An area's grid size; false (and nothing set) for an area outside the map.
    virtual bool GetAreaSize(int area, int& width, int& height) = 0;
    // An area's name ("" outside the map).
    virtual std::string GetAreaName(int area) = 0;
    // League 0..2 of the map; nullptr outside.
    virtual const CLeague* GetLeague(int league) = 0;
    // The map's company counts: a new game's and the most the map allows.
    virtual int GetInitialCompanyCount() = 0;
    virtual int GetMaxCompanyCount() = 0;
    // Whether a cell can be built on; false outside the map.
    virtual bool IsCellUsable(int area, int x, int y) = 0;
    // The map's price of a lot with (landOnly 0) or without its structure;
    // -1 when the cell is not usable.
    virtual int GetLotPrice(int area, int x, int y, int landOnly) = 0;
    // Auctions the lot with the minimum bid; the price paid (0 = no sale).
    virtual int RunAuction(int area, int x, int y, int minimum) = 0;
    // Adds the income and expenses of the structure covering the cell over
    // one month (month -1: the whole year), with or without its staff's pay;
    // 1 when either is above 0.
    virtual int CalcLotValue(int area, int x, int y, int month, double& income, double& expense,
                             int withSalary) = 0;
    // The map document's lot search for a purchasing director in the
    // director's task area: the best score (0 = nothing found) and the lot.
    virtual int FindLotForDirector(const CPersonData& director, int priceLimit,
                                   SLotFound& found) = 0;
};
